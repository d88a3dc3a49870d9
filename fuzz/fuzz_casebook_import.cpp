// Fuzzes the case book import: any bytes either merge into a book held in memory or are refused with one message,
// and a merged book exports again as a document the import takes back without adding anything.
#include "casebook/CaseBook.h"
#include "casebook/CaseBookJson.h"
#include "casedata/ByteReader.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    quillon::RecordingMessageSink sink;
    auto book = quillon::CCaseBook::Open(":memory:", sink);
    if (!book)
        __builtin_trap();
    const auto summary = quillon::ImportCaseBookJson(*book, {data, size});
    if (!summary) {
        if (sink.Messages().size() != 1)
            __builtin_trap();
        return 0;
    }
    const std::string again = quillon::ExportCaseBookJson(*book);
    const auto second = quillon::ImportCaseBookJson(*book, quillon::AsBytes(again));
    if (!second || second->added != 0 || second->replaced != 0)
        __builtin_trap();
    return 0;
}
