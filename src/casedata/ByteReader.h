// Bounds-checked reading of a byte buffer: every parser of the program reads its file through this.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace quillon {

// A cursor over an immutable byte buffer. Every read checks the remaining length first and fails
// (returning false and leaving the cursor where it was) instead of reading past the data.
// Integers are little-endian, as in all of the practice product's binary files.
class ByteReader final
{
public:
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

    ByteReader() = default;
    explicit ByteReader(std::span<const std::uint8_t> data) noexcept : m_data(data) {}

    std::size_t Size() const noexcept { return m_data.size(); }
    std::size_t Position() const noexcept { return m_pos; }
    std::size_t Remaining() const noexcept { return m_data.size() - m_pos; }
    bool AtEnd() const noexcept { return m_pos >= m_data.size(); }

    // Moves to an absolute offset; offset == Size() is allowed (the end), beyond it is not.
    bool Seek(std::size_t offset) noexcept;
    bool Skip(std::size_t count) noexcept;

    bool ReadU8(std::uint8_t& value) noexcept;
    bool ReadU16(std::uint16_t& value) noexcept;
    bool ReadU32(std::uint32_t& value) noexcept;
    bool ReadBytes(std::size_t count, std::span<const std::uint8_t>& out) noexcept;
    // Reads count bytes as text (the bytes unchanged, zero bytes included).
    bool ReadText(std::size_t count, std::string& out);

    // Offset, counted from the cursor, of the first occurrence of byte within the next `limit`
    // bytes (all remaining bytes when limit is npos); npos when there is none.
    std::size_t Find(std::uint8_t byte, std::size_t limit = npos) const noexcept;

    // The bytes from the cursor to the end, without moving.
    std::span<const std::uint8_t> Rest() const noexcept { return m_data.subspan(m_pos); }

private:
    std::span<const std::uint8_t> m_data;
    std::size_t m_pos = 0;
};

inline std::string_view AsText(std::span<const std::uint8_t> bytes) noexcept
{
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

inline std::span<const std::uint8_t> AsBytes(std::string_view text) noexcept
{
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

} // namespace quillon
