// The remedy catalogue: remedy codes to abbreviations, full names and property words.
#pragma once

#include "casedata/MessageSink.h"
#include "casedata/PracticeFolder.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

inline constexpr const char* kDrugFile = "drug.dat";
inline constexpr const char* kDrugPropertyFile = "drugl.dat";
inline constexpr const char* kFullDrugFile = "fulldrug.txt";
inline constexpr std::size_t kDrugRecordSize = 10;
inline constexpr std::size_t kMaxAbbreviation = 10;
// Shown once after loading, with the number of "fulldrug.txt" lines whose abbreviation differs from their
// "drug.dat" record.
inline constexpr const char* kMsgMismatch = QT_TRANSLATE_NOOP("Message", "Mismatch");

// Removes trailing blanks, carriage returns, line feeds, ':' and '.'.
std::string_view TrimAbbreviation(std::string_view text) noexcept;

struct RemedyEntry
{
    std::string abbreviation; // at most 10 characters, trimmed
    int propertyIndex = 0; // line number in "fulldrug.txt" = record number in "drug.dat" and "drugl.dat"
    std::string fullName;
};

class CRemedyCatalogue final
{
public:
    // Builds the catalogue from the folder's three files; failures are reported through the sink and
    // leave the catalogue with whatever it holds by then.
    CRemedyCatalogue(const CPracticeFolder& folder, IMessageSink& sink);

    // Builds the catalogue from file images (used by the constructor, tests and benchmarks).
    static std::unique_ptr<CRemedyCatalogue> FromImages(
        std::string_view drugDat, std::string_view druglDat, std::string_view fulldrugTxt, IMessageSink& sink);

    // The abbreviation of a remedy code: writes it to `out` and returns the property index,
    // or returns 0 and leaves `out` alone when the code is not in the catalogue.
    int GetAbbreviation(int nCode, std::string& out) const;
    int GetPropertyIndex(int nCode) const;
    std::uint32_t GetPropertyMask(int nPropertyIndex) const;
    // Finds an abbreviation in "drug.dat"; rewrites `abbreviation` with its first letter upper case and the
    // rest lower case. On success stores the property index of the record found (when it has an entry).
    bool FindByAbbreviation(int& nResult, std::string& abbreviation) const;
    int GetCount() const { return static_cast<int>(m_entries.size()); }

    const RemedyEntry* Entry(int nCode) const;

private:
    CRemedyCatalogue() = default;
    void Build(std::string_view fulldrugTxt, IMessageSink& sink);

    std::string m_abbreviationText; // the whole of "drug.dat"
    std::vector<std::uint32_t> m_properties; // "drugl.dat", one word per record
    std::vector<std::unique_ptr<RemedyEntry>> m_entries; // index = remedy code
};

} // namespace quillon
