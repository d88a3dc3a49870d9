// Whether a folder can be opened as a practice folder, and the list of recently opened folders.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace quillon {

// The files without which a practice folder cannot be used: the patient index and the remedy catalogue.
inline constexpr const char* kRequiredPracticeFiles[] = {"PatDet.txt", "drug.dat", "drugl.dat", "fulldrug.txt"};

// The required files the folder lacks (matched without regard to letter case), in the order above.
// A path that is not a folder lacks them all.
std::vector<std::string> MissingPracticeFiles(const std::filesystem::path& folder);

inline constexpr std::size_t kMaxRecentFolders = 5;

// Puts `folder` at the front of the most-recent-first list, drops its older entry and cuts the list to
// kMaxRecentFolders.
std::vector<std::string> WithRecentFolder(std::vector<std::string> recent, const std::string& folder);

} // namespace quillon
