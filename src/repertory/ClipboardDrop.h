// The drop of a symptom on one of the chart's three clipboards.
#pragma once

#include "casedata/CaseStore.h"
#include "casedata/MessageSink.h"
#include "casedata/SymptomRecord.h"

#include <array>
#include <vector>

namespace quillon {

inline constexpr int kChartClipboardCount = 3;

// The chart's copy of the three clipboards (records borrowed from the case store), the next key of each
// copy and the next key of the case store's clipboard lists (also the count shown under the buttons).
struct ChartClipboards
{
    std::array<std::vector<CSymptomRecord*>, kChartClipboardCount> m_mapClip;
    std::array<int, kChartClipboardCount> m_nClipNextKey{};
    std::array<int, kChartClipboardCount> m_nClipCount{};
};

// The case store's list of clipboard k (m_mapClipboard1, 2 or 3).
std::vector<CSymptomRecord*>& CaseStoreClipboard(CCaseStore& store, int k);

// The messages of a drop: the symptom's text followed by these and the clipboard number (1..3).
inline constexpr const char* kMsgAlreadyOnClipboard = " this Symptom is already on this clipboard  ";
inline constexpr const char* kMsgDroppedOnClipboard = " Symptom Dropped on Clipboard ";

enum class DropOutcome {
    NoSymptom, // the index names no active symptom (or k is not a clipboard): nothing happens
    AlreadyThere, // a symptom with the same text is on the clipboard: told, nothing added
    Dropped, // told and added
};

// Drops active symptom nSymptom (an index into the store's m_mapRepSymptoms) on clipboard k (0..2):
// tells the user either way and adds it when no symptom of the same text is there yet. The copy stores at
// nClipNextKey and the case store's list at nClipCount (a key at or past the end appends, so both lists
// stay dense); both keys then move on by one.
DropOutcome DropSymptomOnClipboard(CCaseStore& store, std::vector<CSymptomRecord*>& clip, int& nClipNextKey,
    int& nClipCount, int nSymptom, int k, IMessageSink& sink);
DropOutcome DropSymptomOnClipboard(
    CCaseStore& store, ChartClipboards& clipboards, int nSymptom, int k, IMessageSink& sink);

} // namespace quillon
