// Writing a whole file or nothing while its bytes are made, for what is too big to hold in memory first.
#pragma once

#include <cstdio>
#include <filesystem>
#include <functional>
#include <system_error>

namespace quillon {

// As WriteFileAtomically of PracticeFolder.h, with the bytes written by `write` into the scratch file as they are
// made; false from `write` (or a failed write) leaves the target as it was and no scratch file behind. `error`
// holds the system's reason when the file system refused the file.
bool WriteFileAtomically(
    const std::filesystem::path& target, const std::function<bool(std::FILE*)>& write, std::error_code& error);

} // namespace quillon
