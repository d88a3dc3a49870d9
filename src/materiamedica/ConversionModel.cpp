// The conversion dialog's rules.
#include "materiamedica/ConversionModel.h"

#include "casedata/RemedyCatalogue.h"
#include "casedata/TextCodec.h"

#include <algorithm>

namespace quillon {
namespace {

constexpr std::size_t kFullListTextLimit = 15;
constexpr std::size_t kSearchLimit = 7;

// A chart row as the full list shows it: its name up to a ':', at most 15 characters.
std::string FullListText(const ChartRow& row)
{
    return row.name.substr(0, std::min(row.name.find(':'), kFullListTextLimit));
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

} // namespace

CConversionModel::CConversionModel(
    std::vector<ChosenRemedy>& selected, const CRemedyCatalogue* catalogue, IMessageSink& sink)
    : m_selected(selected), m_pCatalogue(catalogue), m_sink(sink)
{
}

void CConversionModel::Open(std::vector<ChartRow> rows)
{
    m_request.m_arrSelectedCodes.clear();
    m_nSelectedSelection = -1;
    m_marks.fill(false);
    m_bAll = true;
    m_nOption = kOptionComplete;
    m_bOkEnabled = true;
    m_fullRows = std::move(rows);
    m_fullList.clear();
    m_fullList.reserve(m_fullRows.size());
    for (const ChartRow& row : m_fullRows)
        m_fullList.push_back(FullListText(row));
    m_nFullSelection = -1;
    m_strFullName.clear();
    SelectFull(0);
}

void CConversionModel::ShowFullName(int code)
{
    const RemedyEntry* entry = m_pCatalogue ? m_pCatalogue->Entry(code) : nullptr;
    m_strFullName = entry ? entry->fullName : std::string();
}

void CConversionModel::SelectFull(int index)
{
    if (index < 0 || index >= static_cast<int>(m_fullList.size()))
        return;
    m_nFullSelection = index;
    ShowFullName(m_fullRows[static_cast<std::size_t>(index)].code);
}

void CConversionModel::SelectSelected(int index)
{
    const auto& selected = SelectedList();
    if (index < -1 || index >= static_cast<int>(selected.size()))
        return;
    m_nSelectedSelection = index;
    if (index >= 0)
        ShowFullName(selected[static_cast<std::size_t>(index)].code);
}

bool CConversionModel::Search(const std::string& text)
{
    const std::string wanted = text.substr(0, kSearchLimit);
    if (wanted.empty()) {
        SelectFull(0);
        return true;
    }
    for (std::size_t i = 0; i < m_fullList.size(); ++i) {
        if (StartsWithNoCase(m_fullList[i], wanted)) {
            SelectFull(static_cast<int>(i));
            return true;
        }
    }
    m_strFullName.clear();
    return false;
}

void CConversionModel::AddFromFullList(int index)
{
    if (index < 0 || index >= static_cast<int>(m_fullList.size()))
        return;
    SelectFull(index);
    const int code = m_fullRows[static_cast<std::size_t>(index)].code;
    auto& selected = m_selected;
    if (std::any_of(selected.begin(), selected.end(), [code](const ChosenRemedy& r) { return r.code == code; }))
        m_sink.Show(kMsgDrugAlreadyInList);
    else
        selected.push_back(ChosenRemedy{code, m_fullList[static_cast<std::size_t>(index)]});
    if (m_nOption == kOptionCompare || m_nOption == kOptionDifferentiate)
        m_bOkEnabled = selected.size() > 1;
}

void CConversionModel::ClearSelected()
{
    auto& selected = m_selected;
    if (m_nSelectedSelection < 0 || m_nSelectedSelection >= static_cast<int>(selected.size())) {
        m_sink.Show(kMsgSelectFromSelectedList);
    } else {
        selected.erase(selected.begin() + m_nSelectedSelection);
        // The list box selects nothing after a removal.
        m_nSelectedSelection = -1;
    }
    UpdateOkForOption();
}

void CConversionModel::UpdateOkForOption()
{
    const std::size_t count = SelectedList().size();
    m_bOkEnabled = m_nOption == kOptionCompare || m_nOption == kOptionDifferentiate ? count > 1 : count >= 1;
}

void CConversionModel::SetMark(int box, bool checked)
{
    if (box < 0 || box >= kMarkBoxCount)
        return;
    m_marks[static_cast<std::size_t>(box)] = checked;
    if (checked)
        m_bAll = false;
}

void CConversionModel::SetAll(bool checked)
{
    m_bAll = checked;
    if (checked)
        m_marks.fill(false);
}

int CConversionModel::MarkMask() const
{
    if (m_bAll)
        return kAllGradesMask;
    int mask = 0;
    for (int box = 0; box < kMarkBoxCount; ++box)
        if (m_marks[static_cast<std::size_t>(box)])
            mask |= 1 << box;
    return mask;
}

void CConversionModel::SetOption(int option)
{
    if (option < kOptionNone || option >= kConversionOptionCount)
        return;
    m_nOption = option;
    if (option != kOptionNone)
        UpdateOkForOption();
}

bool CConversionModel::Ok()
{
    if (m_nOption == kOptionNone) {
        m_sink.Show(kMsgSelectOption);
        return false;
    }
    const auto& selected = SelectedList();
    std::vector<ChosenRemedy> taken;
    switch (m_nOption) {
    case kOptionComplete:
    case kOptionCompare:
    case kOptionDifferentiate: taken = selected; break;
    default:
        if (selected.size() == 1)
            taken = selected;
        else if (m_nSelectedSelection >= 0 && m_nSelectedSelection < static_cast<int>(selected.size()))
            taken.push_back(selected[static_cast<std::size_t>(m_nSelectedSelection)]);
        break;
    }
    if (taken.empty()) {
        m_sink.Show(kMsgSelectOneRemedy);
        return false;
    }
    CMateriaMedicaRequest& request = m_request;
    request.m_arrSelectedCodes.clear();
    for (const ChosenRemedy& remedy : taken)
        request.m_arrSelectedCodes.push_back(remedy.code);
    request.m_nMode = kOptionModes[static_cast<std::size_t>(m_nOption)];
    request.m_nMarkMask = MarkMask();
    return true;
}

void CConversionModel::Cancel()
{
    m_selected.clear();
}

} // namespace quillon
