// Finding, reading and writing the files of the working folder.
#include "casedata/PracticeFolder.h"

#include "casedata/TextCodec.h"

#include <cstdio>
#include <fstream>
#include <new>
#include <system_error>

namespace quillon {

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
    std::error_code ec;
    const std::filesystem::path exact = m_root / std::filesystem::path(std::string(name));
    if (std::filesystem::is_regular_file(exact, ec))
        return exact;
    for (std::filesystem::directory_iterator it(m_root, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string candidate = it->path().filename().string();
        if (EqualsNoCase(candidate, name) && it->is_regular_file(ec))
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

ReadStatus CPracticeFolder::ReadFile(std::string_view name, std::vector<std::uint8_t>& bytes) const
{
    bytes.clear();
    const auto path = Locate(name);
    if (!path)
        return ReadStatus::NotFound;
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(*path, ec);
    if (ec)
        return ReadStatus::Unreadable;
    if (size > kMaxFileSize)
        return ReadStatus::TooLarge;
    std::ifstream in(*path, std::ios::binary);
    if (!in)
        return ReadStatus::Unreadable;
    try {
        bytes.resize(static_cast<std::size_t>(size));
    } catch (const std::bad_alloc&) {
        return ReadStatus::OutOfMemory;
    }
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    // A file that shrank while it was read keeps only what was there.
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (in.bad())
        return ReadStatus::Unreadable;
    return ReadStatus::Ok;
}

bool WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes)
{
    std::filesystem::path temp = target;
    temp += ".quillon-tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out)
            return false;
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            std::error_code ignored;
            std::filesystem::remove(temp, ignored);
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temp, target, ec);
    if (ec) {
        std::error_code ignored;
        std::filesystem::remove(temp, ignored);
        return false;
    }
    return true;
}

} // namespace quillon
