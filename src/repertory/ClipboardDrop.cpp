// The drop of a symptom on a clipboard.
#include "repertory/ClipboardDrop.h"

#include <string>

namespace quillon {

namespace {

// Stores at a key of a dense list: replaces the entry there, or appends when the key is at or past the end.
void StoreAt(std::vector<CSymptomRecord*>& list, int key, CSymptomRecord* record)
{
    if (key >= 0 && static_cast<std::size_t>(key) < list.size())
        list[static_cast<std::size_t>(key)] = record;
    else
        list.push_back(record);
}

} // namespace

std::vector<CSymptomRecord*>& CaseStoreClipboard(CCaseStore& store, int k)
{
    switch (k) {
    case 0: return store.m_mapClipboard1;
    case 1: return store.m_mapClipboard2;
    default: return store.m_mapClipboard3;
    }
}

DropOutcome DropSymptomOnClipboard(CCaseStore& store, std::vector<CSymptomRecord*>& clip, int& nClipNextKey,
    int& nClipCount, int nSymptom, int k, IMessageSink& sink)
{
    if (k < 0 || k >= kChartClipboardCount || nSymptom < 0
        || static_cast<std::size_t>(nSymptom) >= store.m_mapRepSymptoms.size())
        return DropOutcome::NoSymptom;
    CSymptomRecord* record = store.m_mapRepSymptoms[static_cast<std::size_t>(nSymptom)];
    if (!record)
        return DropOutcome::NoSymptom;

    const std::string number = std::to_string(k + 1);
    for (const CSymptomRecord* onClipboard : clip) {
        if (onClipboard && onClipboard->m_pszText == record->m_pszText) {
            sink.Show(record->m_pszText + kMsgAlreadyOnClipboard + number);
            return DropOutcome::AlreadyThere;
        }
    }
    sink.Show(record->m_pszText + kMsgDroppedOnClipboard + number);
    StoreAt(clip, nClipNextKey, record);
    ++nClipNextKey;
    StoreAt(CaseStoreClipboard(store, k), nClipCount, record);
    ++nClipCount;
    return DropOutcome::Dropped;
}

DropOutcome DropSymptomOnClipboard(
    CCaseStore& store, ChartClipboards& clipboards, int nSymptom, int k, IMessageSink& sink)
{
    if (k < 0 || k >= kChartClipboardCount)
        return DropOutcome::NoSymptom;
    const auto at = static_cast<std::size_t>(k);
    return DropSymptomOnClipboard(
        store, clipboards.m_mapClip[at], clipboards.m_nClipNextKey[at], clipboards.m_nClipCount[at], nSymptom, k, sink);
}

} // namespace quillon
