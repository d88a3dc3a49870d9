// quillon-report: prints the case and the chart of a practice folder.
#include "report/Report.h"

#include <iostream>

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    return quillon::report::Run(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
