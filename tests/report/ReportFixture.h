// What the quillon-report tests share: practice folders written once per run.
#pragma once

#include "fixtures/CaseWriters.h"
#include "sample/SampleGenerator.h"
#include "support/TempFolder.h"

namespace quillon::testing {

// The folder `write` fills, written on first use and kept until the run ends (one per lambda).
template <typename Write> const TempFolder& WrittenOnce(Write write)
{
    static const TempFolder folder;
    static const bool written = (write(folder), true);
    (void)written;
    return folder;
}

// Three symptoms, one of each kind, of the four remedies WriteFourRemedies catalogues.
inline const fixtures::SymptomSpec kFear{"MIND - FEAR", 'M', 1, 2, {{0, 3}, {1, 1}}};
inline const fixtures::SymptomSpec kCold{"GENERALITIES - COLD", 'G', 1, 2, {{2, 2}, {0, 1}}};
inline const fixtures::SymptomSpec kPain{"HEAD - PAIN", 'F', 6, 2, {{1, 2}, {3, 1}}};

inline void WriteFourRemedies(const TempFolder& folder)
{
    folder.WriteCatalogue({{"Acon.", "Aconitum napellus", 1u << 19}, {"Bell.", "Belladonna", (1u << 19) | 1u},
        {"Calc.", "Calcarea carbonica", 1u << 21}, {"Sulph.", "Sulphur", (1u << 20) | 1u}});
}

inline const std::filesystem::path& SamplePractice()
{
    return WrittenOnce([](const TempFolder& folder) {
        sample::WritePractice(sample::BuildPractice(QUILLON_SAMPLE_SOURCE), folder.Path());
    }).Path();
}

} // namespace quillon::testing
