// A patient's history in the case book, as the Case Book window shows and prints it: the analyses in time order,
// under the heading of their visit wherever the visit changes, each with its caption, first remedies and notes and
// the prescriptions made from it in time order; then the prescriptions whose analysis was deleted.
#pragma once

#include "casebook/CaseBookTypes.h"

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace quillon {

class CCaseBook;

// The page written a piece at a time, so that a long history shows its beginning at once: each piece holds the
// next analyses (with their notes, read only then), the last one the prescriptions of deleted analyses. Pieces are
// HTML fragments in UTF-8; HistoryDocument wraps them into the whole page.
class CHistoryPage final
{
public:
    CHistoryPage(CCaseBook& book, PatientIdentity patient, std::size_t analysesPerPiece = 100);

    // The next piece (the first begins with the patient's heading); empty once everything was given.
    std::string NextPiece();
    bool AtEnd() const { return m_bAtEnd; }

private:
    CCaseBook& m_book;
    PatientIdentity m_patient;
    std::size_t m_perPiece;
    std::map<std::int64_t, std::vector<PrescriptionRecord>> m_prescriptions; // by analysis, in time order
    std::vector<PrescriptionRecord> m_unlinked;
    std::optional<ListingKey> m_after;
    std::optional<VisitIdentity> m_visit; // the visit of the last analysis given
    bool m_bStarted = false;
    bool m_bAnalysesDone = false;
    bool m_bAtEnd = false;
};

// The fragments as one HTML page.
std::string HistoryDocument(const std::string& fragments);

} // namespace quillon
