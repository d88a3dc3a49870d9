// The case book as one JSON file: the export of the whole store, and the import that merges one into it.
#pragma once

#include "casedata/Translatable.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

class CCaseBook;

inline constexpr const char* kCaseBookFormat = "quillon-casebook";
inline constexpr const char* kMsgCaseBookNotWhole
    = QT_TRANSLATE_NOOP("Message", "The case book could not be read whole; no export was written.");
// Version 2 carries every analysis's and prescription's identity ("uid"); version 1 is read too.
inline constexpr int kCaseBookExportVersion = 2;

struct ImportSummary
{
    int added = 0;
    int replaced = 0; // the same practice, patient, visit and name, and the imported one newer
    int kept = 0; // the same, and the book's own one as new or newer
    int prescriptions = 0;
    std::vector<std::string> replacedNames, keptNames;
};

// The largest file the import reads.
inline constexpr std::uintmax_t kMaxCaseBookImportSize = 256u * 1024u * 1024u;

// The whole book as a JSON document (UTF-8), handed to `write` record by record as it is read from the book, so
// that no more than one record is held at a time. False when the book could not be read to the end (the reason
// was shown) or `write` said false.
bool WriteCaseBookJson(CCaseBook& book, const std::function<bool(std::string_view)>& write);
// The same as one text; empty when the book could not be read to the end.
std::string ExportCaseBookJson(CCaseBook& book);
// Writes it to `file`, whole or not at all; false when it could not: a read of the book failed meanwhile (nothing is
// written), or the file system refused the file (the message names the file and the reason).
bool ExportCaseBookFile(CCaseBook& book, const std::filesystem::path& file);

// Merges an exported document into the book in one transaction: what the book lacks is added; an analysis of the
// same identity, or of the same practice, patient, visit and name, keeps the newer of the two; a prescription is
// the same only by its identity. Every field is checked before anything is written (bounded texts, real times no
// later than the book's clock, steps of the command vocabulary, keys that are not empty). Nothing when the bytes are
// not an export, a field is refused (the first reason, naming the record and the field) or the merge failed (the
// reason was shown; the book is as it was).
std::optional<ImportSummary> ImportCaseBookJson(CCaseBook& book, std::span<const std::uint8_t> bytes);
// The same from the file the user chose, read as chosen (its exact name, through a link when it is one), up to
// kMaxCaseBookImportSize.
std::optional<ImportSummary> ImportCaseBookFile(CCaseBook& book, const std::filesystem::path& file);

// What an import did, as the message that says so.
std::string ImportSummaryMessage(const ImportSummary& summary);

} // namespace quillon
