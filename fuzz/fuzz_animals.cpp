// Fuzzes the animal filter's readers and rules: the input is split into "animals.dat" and "anmlcode.dat".
#include "ClassFilterFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return quillon::fuzz::FuzzClassFilter(quillon::kAnimalFilterKind, data, size);
}
