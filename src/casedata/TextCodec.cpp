// Windows-1252 conversion and letter-case rules.
#include "casedata/TextCodec.h"

#include <array>
#include <cstdint>
#include <cstdio>

namespace quillon {
namespace {

// Code points of bytes 0x80..0x9F; the undefined ones keep their own value.
constexpr std::array<char32_t, 32> kHighControls = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t CodePoint(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return kHighControls[byte - 0x80];
    return byte;
}

void AppendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

char ByteFor(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<char>(cp);
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == cp)
            return static_cast<char>(0x80 + i);
    return '?';
}

// The lower-case letter of a byte: ASCII and Latin-1 letters, and the four letters of 0x80..0x9F.
constexpr unsigned char LowerCp1252(unsigned char b) noexcept
{
    if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7))
        return static_cast<unsigned char>(b + 32);
    switch (b) {
    case 0x8A: return 0x9A; // S caron
    case 0x8C: return 0x9C; // OE
    case 0x8E: return 0x9E; // Z caron
    case 0x9F: return 0xFF; // Y diaeresis
    default: return b;
    }
}

// Every byte lowered once, so that a comparison without regard to case looks each character up.
constexpr auto kLower = [] {
    std::array<unsigned char, 256> lower{};
    for (std::size_t b = 0; b < lower.size(); ++b)
        lower[b] = LowerCp1252(static_cast<unsigned char>(b));
    return lower;
}();

void AppendEscape(std::string& out, const char* format, unsigned value)
{
    char text[8];
    std::snprintf(text, sizeof text, format, value);
    out += text;
}

} // namespace

std::string EscapeTextField(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\t': out += "\\t"; break;
        case '\r': out += "\\r"; break;
        case '\n': out += "\\n"; break;
        default:
            if (byte < 0x20 || byte == 0x7F)
                AppendEscape(out, "\\x%02x", byte);
            else
                out.push_back(c);
        }
    }
    return out;
}

std::string UnescapeTextField(std::string_view field)
{
    const auto hexDigit = [](char c) -> int {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    };
    std::string text;
    text.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '\\' || i + 1 == field.size()) {
            text += field[i];
            continue;
        }
        const char c = field[i + 1];
        if (c == 'x') {
            const int high = i + 2 < field.size() ? hexDigit(field[i + 2]) : -1;
            const int low = i + 3 < field.size() ? hexDigit(field[i + 3]) : -1;
            if (high < 0 || low < 0) {
                text += '\\';
                continue;
            }
            text += static_cast<char>(high * 16 + low);
            i += 3;
            continue;
        }
        text += c == 't' ? '\t' : c == 'r' ? '\r' : c == 'n' ? '\n' : c;
        ++i;
    }
    return text;
}

std::vector<std::string> SplitFields(std::string_view line, char separator)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = line.find(separator, start);
        fields.emplace_back(line.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos)
            return fields;
        start = end + 1;
    }
}

std::string EscapeControls(std::string_view text, bool utf8)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0u;
        if ((byte < 0x20 && byte != '\t' && byte != '\r' && byte != '\n') || byte == 0x7F) {
            AppendEscape(out, "\\x%02x", byte);
        } else if (utf8 && byte == 0xC2 && next >= 0x80 && next <= 0x9F) {
            AppendEscape(out, "\\x%02x", next);
            ++i;
        } else if (!utf8 && byte >= 0x80 && byte <= 0x9F && CodePoint(byte) == byte) {
            AppendEscape(out, "\\x%02x", byte);
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}

std::string Cp1252ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (char c : bytes)
        AppendUtf8(out, CodePoint(static_cast<unsigned char>(c)));
    return out;
}

std::string Utf8ToCp1252(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto b0 = static_cast<unsigned char>(utf8[i]);
        std::size_t len = b0 < 0x80 ? 1 : (b0 >> 5) == 0x6 ? 2 : (b0 >> 4) == 0xE ? 3 : (b0 >> 3) == 0x1E ? 4 : 0;
        bool valid = len != 0 && i + len <= utf8.size();
        char32_t cp = len == 1 ? b0 : len == 2 ? (b0 & 0x1F) : len == 3 ? (b0 & 0x0F) : (b0 & 0x07);
        for (std::size_t k = 1; valid && k < len; ++k) {
            const auto b = static_cast<unsigned char>(utf8[i + k]);
            valid = (b & 0xC0) == 0x80;
            cp = (cp << 6) | (b & 0x3F);
        }
        if (!valid) {
            out.push_back(static_cast<char>(b0));
            ++i;
            continue;
        }
        out.push_back(ByteFor(cp));
        i += len;
    }
    return out;
}

char ToLowerCp1252(char c) noexcept
{
    return static_cast<char>(kLower[static_cast<unsigned char>(c)]);
}

char ToUpperCp1252(char c) noexcept
{
    const auto b = static_cast<unsigned char>(c);
    if ((b >= 'a' && b <= 'z') || (b >= 0xE0 && b <= 0xFE && b != 0xF7))
        return static_cast<char>(b - 32);
    switch (b) {
    case 0x9A: return static_cast<char>(0x8A);
    case 0x9C: return static_cast<char>(0x8C);
    case 0x9E: return static_cast<char>(0x8E);
    case 0xFF: return static_cast<char>(0x9F);
    default: return c;
    }
}

int CompareNoCase(std::string_view a, std::string_view b) noexcept
{
    const std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char ca = kLower[static_cast<unsigned char>(a[i])];
        const unsigned char cb = kLower[static_cast<unsigned char>(b[i])];
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool EqualsNoCase(std::string_view a, std::string_view b) noexcept
{
    return a.size() == b.size() && CompareNoCase(a, b) == 0;
}

} // namespace quillon
