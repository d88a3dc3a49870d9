// quillon-sample: writes the sample practice (a complete working folder) from the tables in sample/source.
#include "sample/SampleGenerator.h"

#include <cstdio>
#include <exception>
#include <string_view>

namespace {

void PrintUsage()
{
    std::fputs("usage: quillon-sample [--source <folder>] [--out] <folder>\n"
               "Writes the sample practice into <folder>, built from the tables in the source folder\n"
               "(default: " QUILLON_SAMPLE_SOURCE ").\n",
        stderr);
}

} // namespace

int main(int argc, char** argv)
{
    std::filesystem::path source = QUILLON_SAMPLE_SOURCE;
    std::filesystem::path out;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            PrintUsage();
            return 0;
        }
        if ((arg == "--source" || arg == "--out") && i + 1 < argc) {
            (arg == "--source" ? source : out) = argv[++i];
        } else if (!arg.starts_with("-") && out.empty()) {
            out = arg;
        } else {
            PrintUsage();
            return 2;
        }
    }
    if (out.empty()) {
        PrintUsage();
        return 2;
    }
    try {
        const auto files = quillon::sample::BuildPractice(source);
        quillon::sample::WritePractice(files, out);
        std::printf("quillon-sample: wrote %zu files to %s\n", files.size(), out.string().c_str());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "quillon-sample: %s\n", error.what());
        return 1;
    }
    return 0;
}
