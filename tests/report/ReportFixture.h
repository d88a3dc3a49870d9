// What the quillon-report tests share: practice folders written once per run.
#pragma once

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

inline const std::filesystem::path& SamplePractice()
{
    return WrittenOnce([](const TempFolder& folder) {
        sample::WritePractice(sample::BuildPractice(QUILLON_SAMPLE_SOURCE), folder.Path());
    }).Path();
}

} // namespace quillon::testing
