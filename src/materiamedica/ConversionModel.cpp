// The conversion dialog's rules.
#include "materiamedica/ConversionModel.h"

#include "casedata/TextCodec.h"
#include "state/QuillonState.h"

#include <algorithm>

namespace quillon {
namespace {

constexpr std::size_t kFullListTextLimit = 15;
constexpr std::size_t kSearchLimit = 7;

// A chart row "abbreviation:totality:covered:" as the full list shows it: at most 15 characters up to and
// including the first ':', trailing ':' removed.
std::string FullListText(const std::string& row)
{
    std::string text = row.substr(0, kFullListTextLimit);
    if (const auto colon = text.find(':'); colon != std::string::npos)
        text.resize(colon + 1);
    while (!text.empty() && text.back() == ':')
        text.pop_back();
    return text;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

} // namespace

CConversionModel::CConversionModel(CQuillonState& state, IMessageSink& sink) : m_state(state), m_sink(sink) {}

const std::vector<std::string>& CConversionModel::SelectedList() const
{
    return m_state.m_arrMMRemedies;
}

void CConversionModel::Open()
{
    m_state.m_mmRequest.m_arrSelectedCodes.clear();
    m_nSelectedSelection = -1;
    m_marks.fill(false);
    m_bAll = true;
    m_nOption = kOptionComplete;
    m_bOkEnabled = true;
    m_fullList.clear();
    m_fullList.reserve(m_state.m_mapRemedyRows.size());
    for (const std::string& row : m_state.m_mapRemedyRows)
        m_fullList.push_back(FullListText(row));
    m_nFullSelection = -1;
    m_strFullName.clear();
    SelectFull(0);
}

int CConversionModel::ResolveKey(const std::string& name) const
{
    const int code = ResolveRemedyCode(m_state.m_mmRequest.m_chartRows, m_state.m_pRemedyCatalogue.get(), name);
    return code < 0 ? kUnresolvedRemedyKey : 10 * code;
}

void CConversionModel::ShowFullName(const std::string& name)
{
    const int key = ResolveKey(name);
    const RemedyEntry* entry
        = key < 0 || !m_state.m_pRemedyCatalogue ? nullptr : m_state.m_pRemedyCatalogue->Entry(key / 10);
    m_strFullName = entry ? entry->fullName : std::string();
}

void CConversionModel::SelectFull(int index)
{
    if (index < 0 || index >= static_cast<int>(m_fullList.size()))
        return;
    m_nFullSelection = index;
    ShowFullName(m_fullList[static_cast<std::size_t>(index)]);
}

void CConversionModel::SelectSelected(int index)
{
    const auto& selected = SelectedList();
    if (index < -1 || index >= static_cast<int>(selected.size()))
        return;
    m_nSelectedSelection = index;
    if (index >= 0)
        ShowFullName(selected[static_cast<std::size_t>(index)]);
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
    const std::string& name = m_fullList[static_cast<std::size_t>(index)];
    auto& selected = m_state.m_arrMMRemedies;
    if (std::find(selected.begin(), selected.end(), name) != selected.end())
        m_sink.Show(kMsgDrugAlreadyInList);
    else
        selected.push_back(name);
    if (m_nOption == kOptionCompare || m_nOption == kOptionDifferentiate)
        m_bOkEnabled = selected.size() > 1;
}

void CConversionModel::ClearSelected()
{
    auto& selected = m_state.m_arrMMRemedies;
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
    std::vector<std::string> taken;
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
    CMateriaMedicaRequest& request = m_state.m_mmRequest;
    request.m_arrSelectedCodes.clear();
    for (const std::string& name : taken)
        request.m_arrSelectedCodes.push_back(ResolveKey(name));
    request.m_nMode = kOptionModes[static_cast<std::size_t>(m_nOption)];
    request.m_nMarkMask = MarkMask();
    return true;
}

void CConversionModel::Cancel()
{
    m_state.m_arrMMRemedies.clear();
}

} // namespace quillon
