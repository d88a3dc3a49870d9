// Fuzzes the ".cas" reader and the case-record page built from it.
#include "casedata/ByteReader.h"
#include "caserecord/CaseRecordFile.h"
#include "caserecord/CaseRecordPage.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

// Once escaped, a field holds no markup but the line breaks it was given.
bool HoldsOnlyBreaks(std::string_view field)
{
    for (std::size_t p = field.find_first_of("<>"); p != std::string_view::npos; p = field.find_first_of("<>", p)) {
        if (field.substr(p, 4) != "<BR>")
            return false;
        p += 4;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> fields;
    const std::size_t count = quillon::ReadCaseRecord({data, size}, fields);
    if (count > quillon::kCaseRecordFieldCount || fields.size() != quillon::kCaseRecordFieldCount)
        std::abort();
    for (const std::string& field : fields)
        if (!HoldsOnlyBreaks(field))
            std::abort();
    const std::string page = quillon::BuildCaseRecordPage(fields);
    if (page.find('\n') != std::string::npos)
        std::abort();
    return 0;
}
