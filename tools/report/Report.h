// quillon-report: the case and the chart of a practice folder as text, through the same core code as
// the window. Standard C++ only.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

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

// Runs one command line (without the program name); returns the exit status. Without a PDF writer, export --pdf
// fails.
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, IChartPdfWriter* pdf = nullptr);
// The same with the case book opened to read only (a missing book is an empty one): commands that write fail.
int RunReadingOnly(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

std::string Usage();

} // namespace quillon::report
