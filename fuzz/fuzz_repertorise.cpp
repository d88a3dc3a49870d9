// Fuzzes the repertorisation of whatever a ".rsy" image loads: every visit is built, weighted, sorted
// three ways, filtered and rebuilt, and its whole grade matrix and covering lists are read back. The stability
// table of a short visit must equal the one worked out by full rebuilds.
#include "casedata/CaseStore.h"
#include "repertory/FollowUpAnalysis.h"
#include "repertory/RepEngine.h"

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
    CRepEngine engine(store, nullptr, sink);
    for (int v = 0; v < store.VisitCount() && v < 8; ++v) {
        if (!store.LoadVisitFromImage(bytes, v) || !engine.Start())
            continue;
        const auto records = Borrow(store.m_mapSymptoms);
        if (const auto ranking = NormalRanking(records, folder, nullptr, sink); ranking && records.size() <= 12) {
            for (const int top : {5, 300}) {
                const auto byRebuilds = RankStabilityByRebuilds(records, *ranking, top, folder, nullptr, sink);
                if (byRebuilds && *byRebuilds != RankStability(records, *ranking, top))
                    __builtin_trap();
            }
        }
        // Intensities from the image's last bytes, one symptom dropped, one remedy in three filtered out.
        std::vector<IntensityEntry> intensities;
        for (int s = 0; s < engine.SymptomCount() && s < 16; ++s)
            intensities.push_back({s, size > 0 ? data[(size - 1 - s % size)] % 5 : 1});
        ActiveSymptoms input{store.m_mapRepSymptoms, {}};
        if (input.symptoms.size() > 1)
            input.symptoms.erase(input.symptoms.begin());
        input.weights = WeightsFromIntensities(intensities, input.symptoms.size());
        for (const SortMode mode : {SortByName, SortBySymptomsCovered, SortByTotality}) {
            engine.BuildResults(input);
            engine.SetSortMode(mode);
            engine.RefreshResults();
            int sum = 0;
            for (int r = 0; r < engine.RemedyCount(); ++r)
                for (int s = 0; s < engine.SymptomCount(); ++s)
                    sum += engine.Grade(r, s);
            for (int r = 0; r < engine.RemedyCount() && r < 4; ++r)
                sum += static_cast<int>(engine.Levels(MakeRemedyKey(engine.SortedRemedy(r)->code)).size());
            (void)sum;
            engine.RemoveRemedies([](const RemedyResult& result) { return result.code % 3 == 0; });
            engine.RefreshResults();
        }
        engine.BuildResults(EveryRecordedSymptom(store));
    }
    return 0;
}
