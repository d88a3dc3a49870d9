// The case-record and follow-up pages: HTML built from a patient's ".cas" or ".flw" file.
#pragma once

#include "casedata/Translatable.h"
#include "caserecord/CaseRecordFile.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

class CPracticeFolder;
class IMessageSink;

inline constexpr const char* kMsgNoCaseRecordData
    = QT_TRANSLATE_NOOP("Message", "To view Full Case Record you must first enter Case Record Data.");
inline constexpr const char* kMsgNoFollowupData
    = QT_TRANSLATE_NOOP("Message", "Followup data does not exist for this Patient.");
// The page the case-record view shows, written to the working folder.
inline constexpr const char* kPageFileName = "template.html";
// The view's title before the patient's name (translated where the view shows it).
inline constexpr const char* kCaseRecordTitle = QT_TRANSLATE_NOOP("quillon::CCrFollow", "Full Case Record -- ");
inline constexpr const char* kFollowupTitle = QT_TRANSLATE_NOOP("quillon::CCrFollow", "Patient Followup -- ");

// The page of a case record (kCaseRecordFieldCount escaped fields, as ReadCaseRecord gives them).
std::string BuildCaseRecordPage(const std::vector<std::string>& fields);

// The page of the follow-up visits (records as ReadFollowups gives them).
std::string BuildFollowupPage(const std::vector<FollowupRecord>& records);

// A visit date "day/month/year" as "%d %b, %Y" with the day written without a leading zero
// ("5/11/2002" gives "5 Nov, 2002"). A text that is not three numbers forming a calendar date
// (years 100 to 9999) is returned unchanged. With a translator installed the month name and the
// order are the user's language's.
std::string FormatFollowupDate(std::string_view date);

// Reads the patient's ".cas" (caseRecord) or ".flw" file from the folder and builds its page.
// Failures are shown through the sink as the view shows them; no page is given when the file is
// missing, when a ".cas" file is empty, when memory runs out, or when patientFile is empty for a case record.
std::optional<std::string> BuildPatientPage(
    const CPracticeFolder& folder, const std::string& patientFile, bool caseRecord, IMessageSink& sink);

// Writes the page to "template.html" in the folder, whole or not at all; the written file's path,
// or nothing when it could not be written.
std::optional<std::filesystem::path> WritePageFile(const CPracticeFolder& folder, std::string_view page);

} // namespace quillon
