// Fuzzes the repertorisation of whatever a ".rsy" image loads: every visit is built, weighted, sorted
// three ways, filtered and rebuilt, and its whole grade matrix and covering lists are read back. The stability
// table of a short visit must equal the one worked out by full rebuilds, and the order by name must hold.
// Visits are named by turns from a catalogue of names that differ in case and length, and from none.
#include "casedata/CaseStore.h"
#include "casedata/TextCodec.h"
#include "engine/RepEngine.h"
#include "fixtures/CaseWriters.h"
#include "followup/FollowUpAnalysis.h"
#include "support/StabilityByRebuilds.h"

#include <cstdint>
#include <memory>
#include <string>

using namespace quillon;

namespace {

// Names for codes 0 to 299 ("Re", "reXX3", "rex1", ...); higher codes stay nameless.
const CRemedyCatalogue* NamingCatalogue()
{
    static const std::unique_ptr<CRemedyCatalogue> catalogue = [] {
        std::vector<fixtures::CatalogueRemedy> remedies;
        for (int i = 0; i < 300; ++i) {
            const std::string name = std::string(i % 3 == 0 ? "Re" : "re")
                + std::string(static_cast<std::size_t>(i % 5), i % 2 ? 'x' : 'X') + std::to_string(i / 7);
            remedies.push_back({name + ".", "Remedy"});
        }
        const auto images = fixtures::EncodeCatalogue(remedies);
        NullMessageSink sink;
        return CRemedyCatalogue::FromImages(images.drugDat, images.druglDat, images.fulldrugTxt, sink);
    }();
    return catalogue.get();
}

bool InNameOrder(const CRepEngine& engine)
{
    for (int r = 1; r < engine.RemedyCount(); ++r) {
        const RemedyResult& a = *engine.SortedRemedy(r - 1);
        const RemedyResult& b = *engine.SortedRemedy(r);
        const int byName = CompareNoCase(a.name, b.name);
        if (byName > 0 || (byName == 0 && a.code >= b.code))
            return false;
    }
    return true;
}

} // namespace

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
        const CRemedyCatalogue* catalogue = v % 2 == 0 ? NamingCatalogue() : nullptr;
        engine.SetCatalogue(catalogue);
        if (!store.LoadVisitFromImage(bytes, v) || !engine.Start())
            continue;
        const auto records = Borrow(store.m_mapSymptoms);
        if (const auto ranking = NormalRanking(records, folder, catalogue, sink); ranking && records.size() <= 12) {
            for (const int top : {5, 300}) {
                const auto byRebuilds = RankStabilityByRebuilds(records, *ranking, top, folder, catalogue, sink);
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
            if (mode == SortByName && !InNameOrder(engine))
                __builtin_trap();
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
