// Bounds-checked reading of a byte buffer.
#include "casedata/ByteReader.h"

#include <cstring>

namespace quillon {

bool ByteReader::Seek(std::size_t offset) noexcept
{
    if (offset > m_data.size())
        return false;
    m_pos = offset;
    return true;
}

bool ByteReader::Skip(std::size_t count) noexcept
{
    if (count > Remaining())
        return false;
    m_pos += count;
    return true;
}

bool ByteReader::ReadU8(std::uint8_t& value) noexcept
{
    if (Remaining() < 1)
        return false;
    value = m_data[m_pos++];
    return true;
}

bool ByteReader::ReadU16(std::uint16_t& value) noexcept
{
    if (Remaining() < 2)
        return false;
    value = static_cast<std::uint16_t>(m_data[m_pos] | (m_data[m_pos + 1] << 8));
    m_pos += 2;
    return true;
}

bool ByteReader::ReadU32(std::uint32_t& value) noexcept
{
    if (Remaining() < 4)
        return false;
    value = static_cast<std::uint32_t>(m_data[m_pos]) | (static_cast<std::uint32_t>(m_data[m_pos + 1]) << 8)
        | (static_cast<std::uint32_t>(m_data[m_pos + 2]) << 16) | (static_cast<std::uint32_t>(m_data[m_pos + 3]) << 24);
    m_pos += 4;
    return true;
}

bool ByteReader::ReadBytes(std::size_t count, std::span<const std::uint8_t>& out) noexcept
{
    if (count > Remaining())
        return false;
    out = m_data.subspan(m_pos, count);
    m_pos += count;
    return true;
}

bool ByteReader::ReadText(std::size_t count, std::string& out)
{
    std::span<const std::uint8_t> bytes;
    if (!ReadBytes(count, bytes))
        return false;
    out.assign(AsText(bytes));
    return true;
}

std::size_t ByteReader::Find(std::uint8_t byte, std::size_t limit) const noexcept
{
    const std::size_t n = limit < Remaining() ? limit : Remaining();
    if (n == 0)
        return npos;
    const void* hit = std::memchr(m_data.data() + m_pos, byte, n);
    return hit ? static_cast<std::size_t>(static_cast<const std::uint8_t*>(hit) - (m_data.data() + m_pos)) : npos;
}

} // namespace quillon
