// Readers of the practice product's case-record (".cas") and follow-up (".flw") files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

// A ".cas" file holds 94 fields (older exports: 76, up to "Notes/Observations").
inline constexpr std::size_t kCaseRecordFieldCount = 94;
// Fields 85..93 are the nine thermal-state flags, "TRUE" or "FALSE".
inline constexpr std::size_t kFirstThermalFlag = 85;

// Makes a text of a record safe to place in the page: "&", "<" and ">" become entities and each
// line feed becomes "<BR>" (in that order, so that no entity or break is escaped twice).
std::string EscapeField(std::string_view text);

// Removes white space (blank, tab, carriage return, line feed, vertical tab, form feed) from both ends.
std::string_view TrimField(std::string_view text) noexcept;

// Splits a ".cas" file into its escaped fields. Each field is ended by 0x1F followed by two bytes
// (a line end) that are skipped; text after the last 0x1F is ignored, and so are fields past the 94th.
// Fields the file does not hold are empty, flags it does not hold "FALSE", so `fields` always holds
// kCaseRecordFieldCount texts. Returns the number of fields the file held.
std::size_t ReadCaseRecord(std::span<const std::uint8_t> bytes, std::vector<std::string>& fields);

// One follow-up visit: its fields in file order, trimmed and escaped.
using FollowupRecord = std::vector<std::string>;

// Splits a ".flw" file into records (each ended by 0x8E) and fields (each ended by 0x8D). Bytes after
// a record's last 0x8D and after the file's last 0x8E are ignored.
std::vector<FollowupRecord> ReadFollowups(std::span<const std::uint8_t> bytes);

} // namespace quillon
