// The plant and animal filters without their dialogs: class list, code words, search and the match rule.
#pragma once

#include "casedata/MessageSink.h"
#include "casedata/PracticeFolder.h"
#include "filters/FilterTypes.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

inline constexpr int kClassTypeCount = 12;
// Searches use at most this many leading characters of the search text.
inline constexpr std::size_t kSearchPrefixLength = 7;

// What tells the plant filter from the animal filter: files, type labels and texts.
struct ClassFilterKind
{
    const char* title; // the dialog's title
    const char* classFile; // class list
    const char* codeFile; // code words
    const char* codeFileError; // shown when a remedy's word lies beyond the end of the code file
    std::array<const char*, kClassTypeCount> typeLabels; // type k is typeLabels[k - 1], '&' included
};

extern const ClassFilterKind kPlantFilterKind;
extern const ClassFilterKind kAnimalFilterKind;

// The index of the first list entry that begins with the first 7 characters of `text` (an empty text searches for
// "A"), compared without regard to letter case; -1 when no entry begins with it.
int FindClassByPrefix(const std::vector<std::string>& classes, std::string_view text);

// A type label as the type text shows it: the label without its first '&'.
std::string TypeLabelText(std::string_view label);

class CClassFilterModel final
{
public:
    CClassFilterModel(const ClassFilterKind& kind, IMessageSink& sink) : m_kind(kind), m_sink(sink) {}

    const ClassFilterKind& Kind() const { return m_kind; }

    // Reads the class list and the code word of every remedy. False when the dialog cannot open (a file missing or
    // empty, a word beyond the end of the code file); the reason has gone to the message sink.
    bool Load(const CPracticeFolder& folder, const std::vector<FilterRemedy>& remedies);
    // The same from file images (both must be non-empty).
    bool LoadImages(std::span<const std::uint8_t> classFile, std::span<const std::uint8_t> codeFile,
        const std::vector<FilterRemedy>& remedies);

    const std::vector<std::string>& Classes() const { return m_classes; }
    // The code word of each remedy, in the chart's order.
    struct CodeEntry
    {
        RemedyKey key = 0;
        std::uint32_t word = 0;
    };
    const std::vector<CodeEntry>& Codes() const { return m_mapCodes; }

    // The selected list position (class number - 1), -1 when none.
    int SelectedClass() const { return m_nSelectedClass; }
    void SelectClass(int index);
    // Runs the search of the search edit: selects the entry found and returns it, or keeps the selection and
    // returns -1.
    int Search(std::string_view text);

    bool IsTypeChecked(int k) const;
    void SetTypeChecked(int k, bool checked);

    // OK: the remedies that do not match the selected class and every checked type, and the two texts.
    ClassFilterResult Ok() const;

private:
    const ClassFilterKind& m_kind;
    IMessageSink& m_sink;
    std::vector<std::string> m_classes;
    std::vector<CodeEntry> m_mapCodes;
    int m_nSelectedClass = -1;
    std::uint32_t m_nTypeMask = 0; // bit k - 1 for type k
};

} // namespace quillon
