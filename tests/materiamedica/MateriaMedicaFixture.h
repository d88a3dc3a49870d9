// A case for the materia medica: a catalogue whose "drug.dat" is not in sorted order (with two abbreviations that
// differ only in letter case) and six symptoms, charted as the window charts them.
#pragma once

#include "engine/MethodsFixture.h"
#include "support/TempFolder.h"

namespace quillon::testing {

// Codes after the catalogue's sort; "drug.dat" holds Sulph., Acon., Calc., Bell., bell., Lach. in that order.
enum MMCode { kMMAcon = 0, kMMBell, kMMBellLower, kMMCalc, kMMLach, kMMSulph };

inline std::vector<fixtures::CatalogueRemedy> MateriaMedicaRemedies()
{
    return {{"Sulph.", "Sulphur", 0}, {"Acon.", "Aconitum napellus", 0}, {"Calc.", "Calcarea carbonica", 0},
        {"Bell.", "Belladonna", 0}, {"bell.", "Bellis perennis", 0}, {"Lach.", "Lachesis", 0}};
}

inline fixtures::VisitSpec MateriaMedicaVisit()
{
    fixtures::VisitSpec visit{5, 11, 2002, {}};
    visit.symptoms = {
        {"S0", 'M', 1, 2, {{kMMBell, 3}, {kMMBellLower, 2}, {kMMAcon, 1}}},
        {"S1", 'M', 1, 3, {{kMMBell, 2}}},
        {"S2", 'G', 1, 4, {{kMMAcon, 3}, {kMMCalc, 2}}},
        {"S3", 'F', 1, 5, {{kMMBellLower, 1}, {kMMCalc, 0}}},
        {"S4", 'F', 1, 6, {{kMMSulph, 1}}},
        {"S5", 'F', 1, 7, {{kMMCalc, 2}}},
        {"S6", 'F', 1, 2, {{kMMCalc, 7}, {kMMCalc, -1}, {kMMCalc, 6}}},
    };
    return visit;
}

// The chart as the window starts it, the loading's messages dropped.
struct MateriaMedicaCase : MethodsCase
{
    explicit MateriaMedicaCase(const fixtures::VisitSpec& visit = MateriaMedicaVisit())
        : MethodsCase(visit, MateriaMedicaRemedies())
    {
        sink.Clear();
    }
};

// A practice folder for the windows and the report: patient 1001 with one visit of twenty symptoms.
namespace practice {

enum Code { kAcon = kMMAcon, kBell, kBellLower, kCalc, kLach, kSulph };

inline void WritePractice(const TempFolder& folder)
{
    using namespace fixtures;
    std::vector<SymptomSpec> symptoms;
    for (int s = 0; s < 20; ++s) {
        SymptomSpec spec{"RUBRIC " + std::to_string(100 + s), 'F', 1, 2 + s % 6, {{kAcon, s % 4 + 1}}};
        if (s % 2 == 0)
            spec.remedies.push_back({kBell, 3});
        if (s % 3 == 0)
            spec.remedies.push_back({kBellLower, 2});
        if (s % 5 == 0 || s == 1)
            spec.remedies.push_back({kCalc, 1});
        if (s == 7)
            spec.remedies.push_back({kLach, 4});
        symptoms.push_back(spec);
    }
    folder.Write("PatDet.txt", EncodePatientIndex("Dr. Meera Iyer", {{"1001", "Asha Rao", "34", "05/11/2002"}}));
    folder.Write("1001.rsy", EncodeRsy({VisitSpec{5, 11, 2002, symptoms}}));
    folder.WriteCatalogue(MateriaMedicaRemedies());
}

} // namespace practice

} // namespace quillon::testing
