// A small practice for the recorded-symptom tests: a catalogue whose codes equal their record numbers and
// a patient with two visits.
#pragma once

#include "fixtures/CaseWriters.h"
#include "support/TempFolder.h"

#include <cstdio>
#include <string>
#include <vector>

namespace quillon::testing {

// Remedies "R000." .. "R<n-1>.": sorted already, so code i is record i.
inline void WriteNumberedCatalogue(const TempFolder& folder, int count)
{
    std::vector<fixtures::CatalogueRemedy> remedies;
    for (int i = 0; i < count; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "R%03d.", i);
        remedies.push_back({name, std::string("Remedy ") + name, 0});
    }
    folder.WriteCatalogue(remedies);
}

// A symptom of repertory 1, level 2.
inline fixtures::SymptomSpec MakeSymptom(
    std::string text, char kind, std::vector<fixtures::RemedyGrade> remedies = {{1, 2}})
{
    fixtures::SymptomSpec s;
    s.text = std::move(text);
    s.kind = kind;
    s.remedies = std::move(remedies);
    return s;
}

// Visit 0 (05/11/2002): MIND - FEAR (M), HEAD - PAIN (F), COLD AGG (X: no kind index at load).
// Visit 1 (06/12/2003): GENERALITIES - HEAT (G).
inline std::vector<fixtures::VisitSpec> TwoVisits()
{
    return {
        {5, 11, 2002,
            {MakeSymptom("MIND - FEAR", 'M', {{238, 2}, {500, 1}}), MakeSymptom("HEAD - PAIN", 'F', {{3, 3}}),
                MakeSymptom("COLD AGG", 'X', {{1, 1}, {2, 2}, {4, 4}})}},
        {6, 12, 2003, {MakeSymptom("GENERALITIES - HEAT", 'G', {{7, 1}})}},
    };
}

} // namespace quillon::testing
