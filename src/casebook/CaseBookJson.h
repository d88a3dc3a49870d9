// The case book as one JSON file: the export of the whole store, and the import that merges one into it.
#pragma once

#include "casedata/Translatable.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace quillon {

class CCaseBook;

inline constexpr const char* kCaseBookFormat = "quillon-casebook";
inline constexpr const char* kMsgCaseBookNotWhole
    = QT_TRANSLATE_NOOP("Message", "The case book could not be read whole; no export was written.");

struct ImportSummary
{
    int added = 0;
    int replaced = 0; // the same practice, patient, visit and name, and the imported one newer
    int kept = 0; // the same, and the book's own one as new or newer
    int prescriptions = 0;
    std::vector<std::string> replacedNames, keptNames;
};

// The whole book as a JSON document (UTF-8).
std::string ExportCaseBookJson(CCaseBook& book);
// Writes it to `file`, whole or not at all; false when it could not: a read of the book failed meanwhile (nothing is
// written), or the file system refused the file (the message names the file and the reason).
bool ExportCaseBookFile(CCaseBook& book, const std::filesystem::path& file);

// Merges an exported document into the book in one transaction: what the book lacks is added; an analysis of the
// same practice, patient, visit and name keeps the newer of the two. Nothing when the bytes are not an export or
// the merge failed (the reason was shown; the book is as it was).
std::optional<ImportSummary> ImportCaseBookJson(CCaseBook& book, std::span<const std::uint8_t> bytes);
// The same from a file, read through the folder layer.
std::optional<ImportSummary> ImportCaseBookFile(CCaseBook& book, const std::filesystem::path& file);

// What an import did, as the message that says so.
std::string ImportSummaryMessage(const ImportSummary& summary);

} // namespace quillon
