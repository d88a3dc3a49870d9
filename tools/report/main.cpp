// quillon-report: prints the case and the chart of a practice folder.
#include "app/ProductInfo.h"
#include "report/Report.h"

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
        return quillon::report::Run(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
    } catch (...) {
        std::cerr << "quillon-report: the run stopped on an unexpected error\n";
        return quillon::report::kCaseNotLoaded;
    }
}
