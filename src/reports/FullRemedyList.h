// The Full Remedy List of one symptom: each remedy its entries name, with its grade, in grade or name order,
// searchable, with the catalogue's full names, and the text file it saves.
#pragma once

#include "casedata/Translatable.h"
#include "engine/RemedyResult.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

class CRemedyCatalogue;
class IMessageSink;
struct CSymptomRecord;

inline constexpr const char* kMsgFileCreated = QT_TRANSLATE_NOOP("Message", "File is Succesfully Created");
inline constexpr const char* kMsgErrorCreatingRemedyFile = QT_TRANSLATE_NOOP("Message", "Error Creating File");

// The two "Sort By" buttons.
enum class RemedyListOrder { DrugMark, Remedy };

class CFullRemedyList final
{
public:
    // One record per distinct code of the symptom's entries: its abbreviation from the catalogue (may be null;
    // empty for a code it does not know), totality = the grade of its last entry, covered = its entry count.
    // The list starts in "Drug Mark" order.
    CFullRemedyList(const CSymptomRecord& symptom, const CRemedyCatalogue* catalogue);

    // "Drug Mark": 60 x grade + entries, largest first; "Remedy": by abbreviation. Either way, equal names
    // (letter case ignored) follow in code order, so the list is the same on every run.
    void Sort(RemedyListOrder order);

    const std::string& SymptomText() const { return m_strSymptom; }
    // The symptom's remedy entries, repeated codes included.
    int RemedyCount() const { return m_nRemedyCount; }
    // "Remedies (n)", in the user's language.
    std::string CountText() const;

    int Count() const { return static_cast<int>(m_items.size()); }
    const std::vector<RemedyResult>& Items() const { return m_items; }
    // "grade: abbreviation", as the list shows row i.
    std::string ItemText(int i) const;
    // The catalogue's full name of row i's remedy; empty when the catalogue does not know its code.
    std::string FullName(int i) const;

    // The row a change of the search text makes current: the first whose abbreviation begins with `text`
    // (letter case ignored; an empty text matches the first row), otherwise `current` unchanged.
    int Search(std::string_view text, int current) const;

    // The saved file: the symptom, the entry count, then one line per row in list order (LF line ends).
    std::string SaveText() const;
    // Writes the file whole or not at all and tells the user which it was.
    bool Save(const std::filesystem::path& file, IMessageSink& sink) const;

private:
    std::string m_strSymptom;
    int m_nRemedyCount = 0;
    const CRemedyCatalogue* m_pCatalogue = nullptr;
    std::vector<RemedyResult> m_items;
    RemedyListOrder m_eOrder = RemedyListOrder::DrugMark;
};

} // namespace quillon
