// Fuzzes the case book import: any bytes either merge into a book held in memory or are refused with one message.
// A merged book exports as a document that an empty book imports as the same records (exported again, the same
// text), and that the book itself takes back without adding or replacing anything.
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
    const std::string exported = quillon::ExportCaseBookJson(*book);
    if (exported.empty())
        __builtin_trap();
    auto empty = quillon::CCaseBook::Open(":memory:", sink);
    if (!empty || !quillon::ImportCaseBookJson(*empty, quillon::AsBytes(exported)))
        __builtin_trap();
    if (quillon::ExportCaseBookJson(*empty) != exported)
        __builtin_trap();
    const auto second = quillon::ImportCaseBookJson(*book, quillon::AsBytes(exported));
    if (!second || second->added != 0 || second->replaced != 0 || second->prescriptions != 0)
        __builtin_trap();
    return 0;
}
