// A scratch practice folder for one test, removed when the test ends.
#pragma once

#include "fixtures/CaseWriters.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quillon::testing {

class TempFolder final
{
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    // Writes a file of the folder (bytes unchanged) and returns its path.
    std::filesystem::path Write(std::string_view name, std::string_view bytes) const;
    // Writes the catalogue's "drug.dat", "drugl.dat" and "fulldrug.txt" for the remedies.
    void WriteCatalogue(const std::vector<fixtures::CatalogueRemedy>& remedies) const;

private:
    std::filesystem::path m_path;
};

// The whole file as bytes; empty when it cannot be read.
std::string ReadBytes(const std::filesystem::path& path);

} // namespace quillon::testing
