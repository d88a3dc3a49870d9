// A patient's history in the case book: the visits in time order, each with its analyses (their first remedies and
// notes) and the prescriptions made from them, as the Case Book window shows and prints it.
#pragma once

#include "casebook/CaseBookTypes.h"

#include <string>
#include <vector>

namespace quillon {

struct HistoryVisit
{
    VisitIdentity visit;
    std::vector<AnalysisListing> analyses;
    std::vector<PrescriptionRecord> prescriptions; // of this visit's analyses, in time order
};

struct CaseBookHistory
{
    std::vector<HistoryVisit> visits; // in the order of their first analysis
    std::vector<PrescriptionRecord> unlinked; // prescriptions whose analysis was deleted
};

CaseBookHistory BuildHistory(
    const std::vector<AnalysisListing>& analyses, const std::vector<PrescriptionRecord>& prescriptions);

// The history as an HTML page (UTF-8) for the window and its printed pages.
std::string HistoryHtml(const PatientIdentity& patient, const CaseBookHistory& history);

} // namespace quillon
