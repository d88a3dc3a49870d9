// The "Convert Repertory To Materia Medica" dialog without its window: the full and selected drug lists, the drug
// marks, the six options and OK, which makes the materia medica request.
#pragma once

#include "casedata/Translatable.h"
#include "state/ChartRow.h"
#include "state/MateriaMedicaRequest.h"

#include <array>
#include <string>
#include <vector>

namespace quillon {

class CRemedyCatalogue;
class IMessageSink;

inline constexpr const char* kMsgDrugAlreadyInList = QT_TRANSLATE_NOOP("Message", "This drug is already selected");
inline constexpr const char* kMsgSelectFromSelectedList
    = QT_TRANSLATE_NOOP("Message", "Please select Drug from Selected Drug List");
inline constexpr const char* kMsgSelectOneRemedy
    = QT_TRANSLATE_NOOP("Message", "Please select one remedy from Full Drug List");
inline constexpr const char* kMsgSelectOption
    = QT_TRANSLATE_NOOP("Message", "Please select option(s) for Materia Medica");

// The options in the order of their radio buttons, with the mode each one requests.
enum ConversionOption : int {
    kOptionNone = -1,
    kOptionComplete = 0,
    kOptionCompare,
    kOptionDifferentiate,
    kOptionSingleRemedyRubrics,
    kOptionOneRemedy,
    kOptionCreate,
};
inline constexpr int kConversionOptionCount = 6;
inline constexpr std::array<int, kConversionOptionCount> kOptionModes{
    kMMComplete, kMMCompare, kMMDifferentiate, kMMSingleRemedyRubrics, kMMOneRemedy, kMMCreate};

// The drug marks "One" to "Five" (0..4) and "All".
inline constexpr int kMarkBoxCount = 5;

class CConversionModel final
{
public:
    // `selected`: the remedies chosen so far, kept from one conversion to the next; the model adds to it and
    // removes from it.
    CConversionModel(std::vector<ChosenRemedy>& selected, const CRemedyCatalogue* catalogue, IMessageSink& sink);

    // Initialisation: the request's codes freed, "All" and Complete checked, the full list from the chart's
    // remedy rows, its first entry selected.
    void Open(std::vector<ChartRow> rows);

    // The full list's entries as shown, one per chart row.
    const std::vector<std::string>& FullList() const { return m_fullList; }
    const std::vector<ChosenRemedy>& SelectedList() const { return m_selected; }
    int FullSelection() const { return m_nFullSelection; }
    int SelectedSelection() const { return m_nSelectedSelection; }
    // The full name of the remedy last looked at (catalogue text, empty when none).
    const std::string& FullName() const { return m_strFullName; }

    void SelectFull(int index);
    void SelectSelected(int index);
    // The search edit changed: selects the first full-list entry that begins with its first 7 characters
    // (letter case ignored). False when no entry does (the full name is then empty).
    bool Search(const std::string& text);
    // A double-click on a full-list entry.
    void AddFromFullList(int index);
    // "C&lear": removes the entry selected in the selected list.
    void ClearSelected();

    void SetMark(int box, bool checked); // box 0..4: "One".."Five"
    void SetAll(bool checked);
    bool Mark(int box) const { return m_marks.at(static_cast<std::size_t>(box)); }
    bool All() const { return m_bAll; }
    int MarkMask() const;

    void SetOption(int option);
    int Option() const { return m_nOption; }
    bool OkEnabled() const { return m_bOkEnabled; }

    // OK: makes the request when the option has its remedies; false (with the message shown) otherwise.
    bool Ok();
    // The request of the last OK.
    const CMateriaMedicaRequest& Request() const { return m_request; }
    // Cancel: the selected list is emptied.
    void Cancel();

private:
    void ShowFullName(int code);
    void UpdateOkForOption();

    std::vector<ChosenRemedy>& m_selected;
    const CRemedyCatalogue* m_pCatalogue;
    IMessageSink& m_sink;
    CMateriaMedicaRequest m_request;
    std::vector<ChartRow> m_fullRows;
    std::vector<std::string> m_fullList;
    int m_nFullSelection = -1;
    int m_nSelectedSelection = -1;
    std::string m_strFullName;
    std::array<bool, kMarkBoxCount> m_marks{};
    bool m_bAll = true;
    int m_nOption = kOptionComplete;
    bool m_bOkEnabled = true;
};

} // namespace quillon
