// Finding, reading and writing the files of the working folder.
#include "casedata/PracticeFolder.h"
#include "casedata/StreamedFile.h"

#include "casedata/TextCodec.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <new>
#include <random>
#include <system_error>

namespace quillon {
namespace {

constexpr int kScratchAttempts = 8;

// A regular file itself, not a link to one.
bool IsPlainFile(const std::filesystem::path& path)
{
    std::error_code ec;
    return std::filesystem::symlink_status(path, ec).type() == std::filesystem::file_type::regular;
}

// 64 random bits in hexadecimal, for names that cannot be planted in advance.
std::string UnforeseeableSuffix()
{
    std::random_device device;
    const std::uint64_t value = (static_cast<std::uint64_t>(device()) << 32) ^ device();
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

} // namespace

bool IsPlainFileName(std::string_view name) noexcept
{
    if (name.empty() || name.size() > kMaxFileNameLength || name == "." || name == "..")
        return false;
    for (char c : name)
        if (c == '/' || c == '\\' || c == ':' || c == '\0')
            return false;
    return true;
}

std::optional<std::filesystem::path> CPracticeFolder::Locate(std::string_view name) const
{
    if (!IsPlainFileName(name))
        return std::nullopt;
    const std::filesystem::path exact = m_root / std::filesystem::path(std::string(name));
    if (IsPlainFile(exact))
        return exact;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(m_root, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string candidate = it->path().filename().string();
        std::error_code statusError;
        if (EqualsNoCase(candidate, name)
            && it->symlink_status(statusError).type() == std::filesystem::file_type::regular)
            return it->path();
    }
    return std::nullopt;
}

std::optional<std::filesystem::path> CPracticeFolder::PathForWriting(std::string_view name) const
{
    if (!IsPlainFileName(name))
        return std::nullopt;
    if (auto existing = Locate(name))
        return existing;
    return m_root / std::filesystem::path(std::string(name));
}

ReadStatus CPracticeFolder::Open(std::string_view name, CFolderFile& file) const
{
    file.m_in = std::ifstream();
    file.m_size = 0;
    const auto path = Locate(name);
    if (!path)
        return ReadStatus::NotFound;
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(*path, ec);
    if (ec)
        return ReadStatus::Unreadable;
    if (size > kMaxFileSize)
        return ReadStatus::TooLarge;
    file.m_in.open(*path, std::ios::binary);
    if (!file.m_in)
        return ReadStatus::Unreadable;
    file.m_size = size;
    return ReadStatus::Ok;
}

ReadStatus CFolderFile::Read(std::uintmax_t offset, std::size_t count, std::vector<std::uint8_t>& bytes)
{
    bytes.clear();
    if (!m_in.is_open())
        return ReadStatus::Unreadable;
    if (offset >= m_size || count == 0)
        return ReadStatus::Ok;
    const auto wanted = static_cast<std::size_t>(std::min<std::uintmax_t>(count, m_size - offset));
    try {
        bytes.resize(wanted);
    } catch (const std::bad_alloc&) {
        return ReadStatus::OutOfMemory;
    }
    m_in.clear();
    m_in.seekg(static_cast<std::streamoff>(offset));
    m_in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(wanted));
    // A file that shrank while it was read keeps only what was there.
    bytes.resize(static_cast<std::size_t>(m_in.gcount()));
    return m_in.bad() ? ReadStatus::Unreadable : ReadStatus::Ok;
}

ReadStatus CPracticeFolder::ReadFile(std::string_view name, std::vector<std::uint8_t>& bytes) const
{
    bytes.clear();
    CFolderFile file;
    const ReadStatus status = Open(name, file);
    if (status != ReadStatus::Ok)
        return status;
    return file.Read(0, static_cast<std::size_t>(file.Size()), bytes);
}

bool WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes)
{
    std::error_code error;
    return WriteFileAtomically(target, bytes, error);
}

bool WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes, std::error_code& error)
{
    return WriteFileAtomically(
        target,
        [bytes](std::FILE* out) {
            return bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
        },
        error);
}

bool WriteFileAtomically(
    const std::filesystem::path& target, const std::function<bool(std::FILE*)>& write, std::error_code& error)
{
    error.clear();
    const std::filesystem::path folder = target.parent_path();
    const std::string name = target.filename().string();
    for (int attempt = 0; attempt < kScratchAttempts; ++attempt) {
        const std::filesystem::path scratch
            = folder / std::filesystem::path("." + name + "." + UnforeseeableSuffix() + ".quillon-tmp");
        // "x": created new or not at all; an existing name, a link included, is never opened.
        std::FILE* out = std::fopen(scratch.c_str(), "wbx");
        if (!out) {
            if (errno == EEXIST)
                continue;
            error.assign(errno, std::generic_category());
            return false;
        }
        errno = 0;
        bool written = write(out) && std::ferror(out) == 0;
        written = std::fflush(out) == 0 && written;
        const int writeErrno = errno;
        written = std::fclose(out) == 0 && written;
        std::error_code ec;
        if (written)
            std::filesystem::rename(scratch, target, ec);
        if (!written || ec) {
            error = ec ? ec : std::error_code(writeErrno ? writeErrno : errno ? errno : EIO, std::generic_category());
            std::error_code ignored;
            std::filesystem::remove(scratch, ignored);
            return false;
        }
        return true;
    }
    error.assign(EEXIST, std::generic_category());
    return false;
}

} // namespace quillon
