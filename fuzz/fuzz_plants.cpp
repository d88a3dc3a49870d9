// Fuzzes the plant filter's readers and rules: the input is split into "plants.dat" and "plcode.dat".
#include "ClassFilterFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return quillon::fuzz::FuzzClassFilter(quillon::kPlantFilterKind, data, size);
}
