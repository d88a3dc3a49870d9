// The working folder that the practice product exports into: finding and reading its files.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

// File names are built in 100-byte buffers by the exporting product: a longer name cannot be one of its files.
inline constexpr std::size_t kMaxFileNameLength = 99;

// True for a name that stays inside the folder: not empty, no path separator, no drive, not "." or "..",
// no zero byte, and at most kMaxFileNameLength characters.
bool IsPlainFileName(std::string_view name) noexcept;

enum class ReadStatus { Ok, NotFound, Unreadable, TooLarge, OutOfMemory };

// A file of the folder opened for reading, whole or a piece at a time.
class CFolderFile final
{
public:
    std::uintmax_t Size() const noexcept { return m_size; }
    // Reads `count` bytes from `offset` into `bytes`, fewer where the file ends (none at or past its end).
    ReadStatus Read(std::uintmax_t offset, std::size_t count, std::vector<std::uint8_t>& bytes);

private:
    friend class CPracticeFolder;
    std::ifstream m_in;
    std::uintmax_t m_size = 0;
};

class CPracticeFolder final
{
public:
    // Files larger than this are not read into memory: no export comes near it.
    static constexpr std::uintmax_t kMaxFileSize = 512u * 1024u * 1024u;

    CPracticeFolder() : m_root(".") {}
    explicit CPracticeFolder(std::filesystem::path root) : m_root(std::move(root)) {}

    const std::filesystem::path& Root() const noexcept { return m_root; }

    // The file of that name, matched without regard to letter case (an exact match first),
    // as the data comes from a system whose names ignore case. Only plain files count: a link, a pipe,
    // a device or a folder of that name is not one of the exported files. Empty for unsafe or missing names.
    std::optional<std::filesystem::path> Locate(std::string_view name) const;

    // Where a file of that name is written: the existing file of any letter case, or a new one.
    std::optional<std::filesystem::path> PathForWriting(std::string_view name) const;

    // Opens the file for reading; files over kMaxFileSize are refused.
    ReadStatus Open(std::string_view name, CFolderFile& file) const;

    // Reads the whole file into `bytes`.
    ReadStatus ReadFile(std::string_view name, std::vector<std::uint8_t>& bytes) const;

private:
    std::filesystem::path m_root;
};

// Writes a whole file or nothing: the bytes go to a scratch file beside the target, created new under a name
// nobody can foretell (never an existing file or a link planted there), which then replaces the target's own
// entry: a link named like the target is replaced, what it points to is left alone. Returns false (and leaves
// any existing target as it was, and no scratch file behind) on any failure.
bool WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes);
// The same, with the system's reason for a failure in `error`.
bool WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes, std::error_code& error);

} // namespace quillon
