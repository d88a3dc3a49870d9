// Fuzzes the reader of "PatDet.txt".
#include "casedata/PatientIndex.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const quillon::PatientIndex index = quillon::ParsePatientIndex({data, size});
    std::size_t total = index.physician.size();
    for (const auto& row : index.rows)
        total += row.regNo.size() + row.name.size() + row.age.size() + row.visitDate.size();
    return total == static_cast<std::size_t>(-1) ? 1 : 0;
}
