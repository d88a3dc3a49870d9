// Builds the sample practice (a complete working folder) from the readable tables in sample/source.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace quillon::sample {

struct PracticeFile
{
    std::string name; // file name inside the working folder
    std::string bytes; // content, Windows-1252 texts
};

// Reads the source tables and builds every file of the practice, always in the same order and with
// the same bytes. Throws std::runtime_error naming the table and line of the first fault found.
std::vector<PracticeFile> BuildPractice(const std::filesystem::path& sourceFolder);

// Writes the files into the folder, creating it when missing; throws std::runtime_error on failure.
void WritePractice(const std::vector<PracticeFile>& files, const std::filesystem::path& outFolder);

} // namespace quillon::sample
