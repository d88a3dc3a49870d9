// What every command of quillon-report shares with the dispatch: its exit status and the PDF writer the program
// may supply. Standard C++ only.
#pragma once

#include <optional>
#include <string>

namespace quillon {
class CRepEngine;
struct ChartPagesHeader;
} // namespace quillon

namespace quillon::report {

enum ExitStatus : int { kDone = 0, kCaseNotLoaded = 1, kUsageError = 2 };

// Writes the chart's pages as a PDF file, as File > Save Chart as PDF does. The program supplies it: the pages are
// painted with Qt Gui, which the report's library does without.
class IChartPdfWriter
{
public:
    virtual ~IChartPdfWriter() = default;
    // Why the file was not written, or nothing.
    virtual std::optional<std::string> Write(
        const CRepEngine& engine, const ChartPagesHeader& header, const std::string& path)
        = 0;
};

} // namespace quillon::report
