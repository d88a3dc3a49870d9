// Fuzzes the ".rsy" reader: the visit index and the loading of every visit it finds, then the
// edits the dialogs make on a loaded visit.
#include "casedata/CaseStore.h"

#include <cstdint>

using namespace quillon;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const CPracticeFolder folder;
    NullMessageSink sink;
    CCaseStore store(folder, sink);
    const std::span<const std::uint8_t> bytes(data, size);
    if (!store.IndexVisits(bytes))
        return 0;
    for (int v = 0; v < store.VisitCount() && v < 64; ++v) {
        store.LoadVisitFromImage(bytes, v);
        for (const auto& record : store.m_mapSymptoms)
            for (int e = 0; e < record->m_nRemedyCount; ++e)
                (void)(record->Grade(e) + record->RemedyCode(e));
        if (!store.m_mapSymptoms.empty()) {
            store.m_arrClipboards[0].push_back(store.m_mapSymptoms.back().get());
            store.DeleteSymptom(0);
            store.RebuildKindIndexes();
            store.RestoreDeletedSymptom(0);
        }
    }
    return 0;
}
