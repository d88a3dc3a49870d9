// Fuzzes the reader of "PatDet.txt", and checks that no row it keeps is a duplicate of an earlier one.
#include "casedata/PatientIndex.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const quillon::PatientIndex index = quillon::ParsePatientIndex({data, size});
    std::size_t total = index.physician.size();
    std::vector<quillon::PatientRow> earlier;
    for (const auto& row : index.rows) {
        total += row.regNo.size() + row.name.size() + row.age.size() + row.visitDate.size();
        if (quillon::IsDuplicatePatient(earlier, row.regNo))
            __builtin_trap();
        earlier.push_back(row);
    }
    return total == static_cast<std::size_t>(-1) ? 1 : 0;
}
