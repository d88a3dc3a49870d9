// The whole chart as comma-separated values for a spreadsheet: every active symptom against every remedy.
#pragma once

#include <string>
#include <string_view>

namespace quillon {

class CRemedyCatalogue;
class CRepEngine;

// Appends one field, quoted (with its quotes doubled) when it holds a comma, a quote, a CR or an LF.
void AppendCsvField(std::string& out, std::string_view field);

// RFC 4180 text in UTF-8 with CRLF line ends. Row 1 "Symptom" and the remedies' abbreviations in display
// order; row 2 "Full name" and the catalogue's full names (empty when unknown); row 3 "Totality"; row 4
// "Symptoms covered"; then one row per active symptom in key order: its whole chart line, then for each remedy
// what the chart's cell shows (CRepEngine::ShownGrade), empty where the cell is empty.
std::string ChartCsv(const CRepEngine& engine, const CRemedyCatalogue* catalogue);

} // namespace quillon
