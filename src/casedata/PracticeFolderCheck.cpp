// Checking a practice folder before it is opened.
#include "casedata/PracticeFolderCheck.h"

#include "casedata/PracticeFolder.h"

#include <algorithm>
#include <system_error>

namespace quillon {

std::vector<std::string> MissingPracticeFiles(const std::filesystem::path& folder)
{
    std::error_code ec;
    const bool isFolder = std::filesystem::is_directory(folder, ec);
    const CPracticeFolder practice(folder);
    std::vector<std::string> missing;
    for (const char* name : kRequiredPracticeFiles)
        if (!isFolder || !practice.Locate(name))
            missing.emplace_back(name);
    return missing;
}

std::vector<std::string> WithRecentFolder(std::vector<std::string> recent, const std::string& folder)
{
    std::erase(recent, folder);
    recent.insert(recent.begin(), folder);
    if (recent.size() > kMaxRecentFolders)
        recent.resize(kMaxRecentFolders);
    return recent;
}

} // namespace quillon
