// quillon-report: prints the case and the chart of a practice folder.
#include "report/McpServer.h"
#include "report/Report.h"
#include "report/ReportChart.h"
#include "resources/ProductInfo.h"
#ifdef QUILLON_REPORT_PDF
#include "report/ReportPdf.h"
#endif

#include <iostream>
#include <string_view>

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    if (argc == 2 && std::string_view(argv[1]) == "--version") {
        std::cout << "quillon-report " << quillon::QuillonVersion() << '\n';
        return 0;
    }
    // Run reports what it can foresee; anything else that escapes ends the run with a message, not an abort.
    try {
        const std::vector<std::string> args(argv + 1, argv + argc);
        // The assistant's server reads its messages from standard input and writes nothing else on the output.
        std::optional<quillon::report::McpSettings> mcp;
        try {
            mcp = quillon::report::ParseMcpCommandLine(args);
        } catch (const quillon::report::UsageError& e) {
            std::cerr << "quillon-report: " << e.text << '\n';
            return quillon::report::kUsageError;
        }
        if (mcp)
            return quillon::report::ServeMcp(std::cin, std::cout, std::cerr, *mcp);
#ifdef QUILLON_REPORT_PDF
        // Qt reads only the program's name: the arguments are the report's.
        int qtArgc = 1;
        quillon::report::CChartPdfWriter pdf(qtArgc, argv);
        return quillon::report::Run(args, std::cout, std::cerr, &pdf);
#else
        return quillon::report::Run(args, std::cout, std::cerr);
#endif
    } catch (...) {
        std::cerr << "quillon-report: the run stopped on an unexpected error\n";
        return quillon::report::kCaseNotLoaded;
    }
}
