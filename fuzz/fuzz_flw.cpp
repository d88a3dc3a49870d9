// Fuzzes the ".flw" reader, the follow-up date and the follow-up page built from it.
#include "casedata/ByteReader.h"
#include "caserecord/CaseRecordFile.h"
#include "caserecord/CaseRecordPage.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<quillon::FollowupRecord> records = quillon::ReadFollowups({data, size});
    for (const quillon::FollowupRecord& record : records)
        for (const std::string& field : record) {
            // Escaped: no markup but line breaks, and nothing left to trim.
            std::string_view rest = field;
            for (std::size_t p = rest.find_first_of("<>"); p != std::string_view::npos;
                 p = rest.find_first_of("<>", p)) {
                if (rest.substr(p, 4) != "<BR>")
                    std::abort();
                p += 4;
            }
            if (!field.empty() && quillon::TrimField(field).size() != field.size())
                std::abort();
        }
    // Dates are formatted from any text without failing.
    const std::string date = quillon::FormatFollowupDate(quillon::AsText({data, size > 24 ? 24 : size}));
    (void)date;
    const std::string page = quillon::BuildFollowupPage(records);
    if (page.find('\n') != std::string::npos || page.find(" : ") != std::string::npos)
        std::abort();
    return 0;
}
