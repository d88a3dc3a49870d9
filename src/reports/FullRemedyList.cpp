// The Full Remedy List model.
#include "reports/FullRemedyList.h"

#include "casedata/MessageSink.h"
#include "casedata/PracticeFolder.h"
#include "casedata/RemedyCatalogue.h"
#include "casedata/SymptomRecord.h"
#include "casedata/TextCodec.h"
#include "casedata/Translatable.h"
#include "engine/RepEngine.h"

#include <algorithm>
#include <unordered_map>

namespace quillon {
namespace {

constexpr std::size_t kSavedNameWidth = 10;

} // namespace

CFullRemedyList::CFullRemedyList(const CSymptomRecord& symptom, const CRemedyCatalogue* catalogue)
    : m_strSymptom(symptom.m_pszText), m_nRemedyCount(RemedyEntryCount(symptom)), m_pCatalogue(catalogue)
{
    std::unordered_map<int, std::size_t> at;
    at.reserve(static_cast<std::size_t>(m_nRemedyCount));
    m_items.reserve(static_cast<std::size_t>(m_nRemedyCount));
    for (int e = 0; e < m_nRemedyCount; ++e) {
        const int code = symptom.RemedyCode(e);
        const auto [it, added] = at.try_emplace(code, m_items.size());
        if (added) {
            RemedyResult item;
            item.code = code;
            if (catalogue)
                catalogue->GetAbbreviation(code, item.name);
            m_items.push_back(std::move(item));
        }
        RemedyResult& item = m_items[it->second];
        item.totality = symptom.Grade(e);
        ++item.covered;
    }
    Sort(RemedyListOrder::DrugMark);
}

void CFullRemedyList::Sort(RemedyListOrder order)
{
    m_eOrder = order;
    const auto compare = order == RemedyListOrder::DrugMark ? CompareByTotality : CompareByName;
    std::sort(m_items.begin(), m_items.end(), [compare](const RemedyResult& a, const RemedyResult& b) {
        const int c = compare(a, b);
        return c != 0 ? c < 0 : a.code < b.code;
    });
}

std::string CFullRemedyList::CountText() const
{
    return FormatText(translate("CFullRemedyList", "Remedies (%1)"), {std::to_string(m_nRemedyCount)});
}

std::string CFullRemedyList::ItemText(int i) const
{
    const RemedyResult& item = m_items.at(static_cast<std::size_t>(i));
    return std::to_string(item.totality) + ": " + item.name;
}

std::string CFullRemedyList::FullName(int i) const
{
    if (i < 0 || i >= Count() || !m_pCatalogue)
        return {};
    const RemedyEntry* entry = m_pCatalogue->Entry(m_items[static_cast<std::size_t>(i)].code);
    return entry ? entry->fullName : std::string();
}

int CFullRemedyList::Search(std::string_view text, int current) const
{
    for (int i = 0; i < Count(); ++i) {
        const std::string& name = m_items[static_cast<std::size_t>(i)].name;
        if (name.size() >= text.size() && EqualsNoCase(std::string_view(name).substr(0, text.size()), text))
            return i;
    }
    return current;
}

std::string CFullRemedyList::SaveText() const
{
    std::string text = m_strSymptom + "\nTotal Drugs\t:" + std::to_string(m_nRemedyCount) + "\n\n";
    for (int i = 0; i < Count(); ++i) {
        const RemedyResult& item = m_items[static_cast<std::size_t>(i)];
        text += std::to_string(item.totality);
        text += ' ';
        text += item.name;
        if (item.name.size() < kSavedNameWidth)
            text.append(kSavedNameWidth - item.name.size(), ' ');
        text += ':';
        text += FullName(i);
        text += '\n';
    }
    return text;
}

bool CFullRemedyList::Save(const std::filesystem::path& file, IMessageSink& sink) const
{
    if (file.empty() || !WriteFileAtomically(file, SaveText())) {
        sink.Show(kMsgErrorCreatingRemedyFile);
        return false;
    }
    sink.Show(kMsgFileCreated);
    return true;
}

} // namespace quillon
