// Readers of ".cas" and ".flw" files.
#include "caserecord/CaseRecordFile.h"

#include "casedata/ByteReader.h"

namespace quillon {

namespace {

constexpr std::uint8_t kCaseFieldEnd = 0x1F;
constexpr std::size_t kCaseLineEndLength = 2;
constexpr std::uint8_t kFollowupFieldEnd = 0x8D;
constexpr std::uint8_t kFollowupRecordEnd = 0x8E;

bool IsBlank(char c) noexcept
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

} // namespace

std::string EscapeField(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (const char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '\n': out += "<BR>"; break;
        default: out += c; break;
        }
    }
    return out;
}

std::string_view TrimField(std::string_view text) noexcept
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::size_t ReadCaseRecord(std::span<const std::uint8_t> bytes, std::vector<std::string>& fields)
{
    fields.clear();
    ByteReader in(bytes);
    std::size_t count = 0;
    while (count < kCaseRecordFieldCount) {
        const std::size_t length = in.Find(kCaseFieldEnd);
        if (length == ByteReader::npos)
            break;
        std::string text;
        in.ReadText(length, text);
        fields.push_back(EscapeField(text));
        ++count;
        // The field end and the line end after it; a file may stop inside the line end.
        if (!in.Skip(1 + kCaseLineEndLength))
            break;
    }
    fields.reserve(kCaseRecordFieldCount);
    while (fields.size() < kCaseRecordFieldCount)
        fields.emplace_back(fields.size() < kFirstThermalFlag ? "" : "FALSE");
    return count;
}

std::vector<FollowupRecord> ReadFollowups(std::span<const std::uint8_t> bytes)
{
    std::vector<FollowupRecord> records;
    ByteReader in(bytes);
    for (;;) {
        const std::size_t recordLength = in.Find(kFollowupRecordEnd);
        if (recordLength == ByteReader::npos)
            break;
        std::span<const std::uint8_t> recordBytes;
        in.ReadBytes(recordLength, recordBytes);
        in.Skip(1);

        FollowupRecord record;
        ByteReader fieldsIn(recordBytes);
        for (;;) {
            const std::size_t fieldLength = fieldsIn.Find(kFollowupFieldEnd);
            if (fieldLength == ByteReader::npos)
                break;
            std::span<const std::uint8_t> fieldBytes;
            fieldsIn.ReadBytes(fieldLength, fieldBytes);
            fieldsIn.Skip(1);
            record.push_back(EscapeField(TrimField(AsText(fieldBytes))));
        }
        records.push_back(std::move(record));
    }
    return records;
}

} // namespace quillon
