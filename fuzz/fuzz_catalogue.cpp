// Fuzzes the remedy catalogue: the input is split into "drug.dat", "drugl.dat" and "fulldrug.txt".
#include "casedata/RemedyCatalogue.h"

#include <cstdint>
#include <string>
#include <string_view>

using namespace quillon;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    // The first two bytes give the lengths of the first two files (in units of 4 bytes).
    std::string_view rest(reinterpret_cast<const char*>(data) + 2, size - 2);
    const std::size_t drugLength = std::min<std::size_t>(rest.size(), data[0] * 4u);
    const std::string_view drug = rest.substr(0, drugLength);
    rest.remove_prefix(drugLength);
    const std::size_t druglLength = std::min<std::size_t>(rest.size(), data[1] * 4u);
    const std::string_view drugl = rest.substr(0, druglLength);
    const std::string_view fulldrug = rest.substr(druglLength);

    NullMessageSink sink;
    auto catalogue = CRemedyCatalogue::FromImages(drug, drugl, fulldrug, sink);
    std::string abbreviation;
    for (int code = -1; code <= catalogue->GetCount(); ++code) {
        catalogue->GetAbbreviation(code, abbreviation);
        (void)catalogue->GetPropertyMask(catalogue->GetPropertyIndex(code));
    }
    for (std::size_t n = 1; n <= 12 && n <= fulldrug.size(); n += 3) {
        std::string probe(fulldrug.substr(0, n));
        int result = 0;
        catalogue->FindByAbbreviation(result, probe);
    }
    return 0;
}
