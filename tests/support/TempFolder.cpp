// A scratch practice folder for one test.
#include "support/TempFolder.h"

#include "fixtures/CaseWriters.h"

#include <atomic>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

namespace quillon::testing {

TempFolder::TempFolder()
{
    static std::atomic<int> counter{0};
    m_path = std::filesystem::temp_directory_path()
        / ("quillon-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(m_path);
    std::filesystem::create_directories(m_path);
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::filesystem::path TempFolder::Write(std::string_view name, std::string_view bytes) const
{
    const auto path = m_path / std::filesystem::path(std::string(name));
    fixtures::WriteBytes(path, bytes);
    return path;
}

void TempFolder::WriteCatalogue(const std::vector<fixtures::CatalogueRemedy>& remedies) const
{
    const auto images = fixtures::EncodeCatalogue(remedies);
    Write("drug.dat", images.drugDat);
    Write("drugl.dat", images.druglDat);
    Write("fulldrug.txt", images.fulldrugTxt);
}

std::string ReadBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace quillon::testing
