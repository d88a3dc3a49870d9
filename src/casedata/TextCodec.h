// Texts of the data files are single-byte Windows-1252: the core keeps the bytes and converts only for display.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillon {

// Windows-1252 bytes to UTF-8. The five bytes that code page leaves undefined map to the C1 control
// code points of the same value, so no byte is ever lost.
std::string Cp1252ToUtf8(std::string_view bytes);

// UTF-8 back to Windows-1252; characters the code page lacks become '?'. Invalid UTF-8 bytes are
// taken as Windows-1252 bytes, so that text typed by the user always converts.
std::string Utf8ToCp1252(std::string_view utf8);

// A text as one field of a line: backslash, TAB, CR and LF become \\, \t, \r and \n, every other control
// byte (below 0x20, and 0x7F) \xNN. Bytes from 0x80 up are kept, so the result stays in the text's encoding.
std::string EscapeTextField(std::string_view text);

// A field written by EscapeTextField back to its text. A backslash that starts no escape of that form (a last
// backslash, \x without two hex digits) is kept as it stands.
std::string UnescapeTextField(std::string_view field);

// A line cut at every `separator`: n separators make n + 1 fields, so an empty line is one empty field.
std::vector<std::string> SplitFields(std::string_view line, char separator);

// Control characters as \xNN (C0 bytes and 0x7F) except TAB, CR and LF; with `utf8`, also the C1 controls
// (U+0080 to U+009F, as UTF-8) as \xNN of their code point; without, the five bytes Windows-1252 leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D), which terminals take for those controls. For text written to a terminal.
std::string EscapeControls(std::string_view text, bool utf8);

// Letter-case conversion of the code page's letters (ASCII and the accented letters).
char ToUpperCp1252(char c) noexcept;
char ToLowerCp1252(char c) noexcept;

// Comparison without regard to letter case: < 0, 0 or > 0, comparing the lower-case forms.
int CompareNoCase(std::string_view a, std::string_view b) noexcept;
bool EqualsNoCase(std::string_view a, std::string_view b) noexcept;

} // namespace quillon
