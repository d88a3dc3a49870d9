// quillon-report's PDF writer: the window's page painter, run without a display.
#pragma once

#include "report/ReportStatus.h"

namespace quillon::report {

class CChartPdfWriter final : public IChartPdfWriter
{
public:
    CChartPdfWriter(int& argc, char** argv);
    ~CChartPdfWriter() override;
    CChartPdfWriter(const CChartPdfWriter&) = delete;
    CChartPdfWriter& operator=(const CChartPdfWriter&) = delete;

    std::optional<std::string> Write(
        const CRepEngine& engine, const ChartPagesHeader& header, const std::string& path) override;

private:
    int& m_argc;
    char** m_argv;
};

} // namespace quillon::report
