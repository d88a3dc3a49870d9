// Readers of the kingdom filters' data files.
#include "filters/FilterFiles.h"

#include "casedata/ByteReader.h"

namespace quillon {

std::vector<std::string> ReadLineList(std::span<const std::uint8_t> bytes)
{
    std::vector<std::string> lines;
    ByteReader reader(bytes);
    while (!reader.AtEnd()) {
        const std::size_t end = reader.Find('\r');
        std::string line;
        if (end == ByteReader::npos) {
            reader.ReadText(reader.Remaining(), line);
            lines.push_back(std::move(line));
            break;
        }
        reader.ReadText(end, line);
        reader.Skip(1);
        std::uint8_t next = 0;
        if (!reader.AtEnd() && reader.Rest()[0] == '\n')
            reader.ReadU8(next);
        lines.push_back(std::move(line));
    }
    return lines;
}

bool ReadCodeWord(std::span<const std::uint8_t> file, int code, std::uint32_t& word)
{
    word = 0;
    if (code < 0)
        return false;
    const std::uint64_t offset = 4u * static_cast<std::uint64_t>(code);
    if (offset > file.size())
        return false;
    ByteReader reader(file);
    reader.Seek(static_cast<std::size_t>(offset));
    for (int shift = 0; shift < 32 && !reader.AtEnd(); shift += 8) {
        std::uint8_t byte = 0;
        reader.ReadU8(byte);
        word |= static_cast<std::uint32_t>(byte) << shift;
    }
    return true;
}

MineralCode ReadMineralCode(std::span<const std::uint8_t> file, int code)
{
    MineralCode record;
    if (code < 0)
        return record;
    const std::uint64_t offset = kMineralRecordSize * static_cast<std::uint64_t>(code);
    std::array<std::uint8_t, kMineralRecordSize> raw{};
    if (offset < file.size()) {
        ByteReader reader(file);
        reader.Seek(static_cast<std::size_t>(offset));
        for (std::uint8_t& byte : raw)
            if (!reader.ReadU8(byte))
                break;
    }
    record.group = static_cast<std::uint32_t>(raw[0]) | (static_cast<std::uint32_t>(raw[1]) << 8);
    for (std::size_t i = 0; i < record.elements.size(); ++i)
        record.elements[i] = raw[2 + i];
    return record;
}

} // namespace quillon
