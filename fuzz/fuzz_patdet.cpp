// Fuzzes the reader of "PatDet.txt", and checks that no row it keeps begins an earlier row's number; also the record
// field codec on the same bytes: a field unescapes to the text it was made from, and any bytes cut and unescape.
#include "casedata/PatientIndex.h"
#include "casedata/TextCodec.h"

#include <algorithm>
#include <cstdint>

namespace {

// Some earlier row's number begins with regNo, letter case ignored: the line should have been dropped.
bool BeginsAnEarlierNumber(const std::vector<quillon::PatientRow>& earlier, std::string_view regNo)
{
    return std::any_of(earlier.begin(), earlier.end(), [regNo](const quillon::PatientRow& row) {
        return row.regNo.size() >= regNo.size()
            && quillon::EqualsNoCase(std::string_view(row.regNo).substr(0, regNo.size()), regNo);
    });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const quillon::PatientIndex index = quillon::ParsePatientIndex({data, size});
    std::size_t total = index.physician.size();
    std::vector<quillon::PatientRow> earlier;
    for (const auto& row : index.rows) {
        total += row.regNo.size() + row.name.size() + row.age.size() + row.visitDate.size();
        if (BeginsAnEarlierNumber(earlier, row.regNo))
            __builtin_trap();
        if (quillon::UnescapeTextField(quillon::EscapeTextField(row.name)) != row.name)
            __builtin_trap();
        earlier.push_back(row);
    }
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    total += quillon::UnescapeTextField(bytes).size();
    if (quillon::SplitFields(bytes, '\t').size()
        != static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\t')) + 1)
        __builtin_trap();
    return total == static_cast<std::size_t>(-1) ? 1 : 0;
}
