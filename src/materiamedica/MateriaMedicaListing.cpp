// The materia medica listing and its page state.
#include "materiamedica/MateriaMedicaListing.h"

#include "casedata/RemedyCatalogue.h"
#include "casedata/SymptomRecord.h"
#include "engine/RepEngine.h"

#include <algorithm>
#include <array>

namespace quillon {
namespace {

const std::string kBlankCell(10, ' ');

std::string Label(const CRemedyCatalogue* catalogue, int code)
{
    std::string label;
    if (catalogue && code >= 0)
        catalogue->GetAbbreviation(code, label);
    if (label.size() > static_cast<std::size_t>(kMMLabelLength))
        label.resize(static_cast<std::size_t>(kMMLabelLength));
    return label;
}

} // namespace

std::string MateriaMedicaTitle(int mode)
{
    // Each title is one text, so that a translation can put its words in its own order.
    const char* title = QT_TRANSLATE_NOOP("MateriaMedicaListing", "Recorded Symptoms");
    switch (mode) {
    case kMMDifferentiate:
        title = QT_TRANSLATE_NOOP("MateriaMedicaListing", "Differentiate Materia Medica for Recorded Symptoms");
        break;
    case kMMCompare:
        title = QT_TRANSLATE_NOOP("MateriaMedicaListing", "Compare Materia Medica for Recorded Symptoms");
        break;
    case kMMComplete:
        title = QT_TRANSLATE_NOOP("MateriaMedicaListing", "Complete Materia Medica for Recorded Symptoms");
        break;
    case kMMSingleRemedyRubrics:
        title = QT_TRANSLATE_NOOP("MateriaMedicaListing", "Single Remedy Rubrics for Recorded Symptoms");
        break;
    case kMMCreate:
        title = QT_TRANSLATE_NOOP("MateriaMedicaListing", "Create Materia Medica for Recorded Symptoms");
        break;
    case kMMOneRemedy:
        title = QT_TRANSLATE_NOOP("MateriaMedicaListing", "One Remedy Rubrics for Recorded Symptoms");
        break;
    default: break;
    }
    return translate("MateriaMedicaListing", title);
}

bool SelectSymptom(const CSymptomRecord& record, const CMateriaMedicaRequest& request, std::span<int> grades)
{
    std::fill(grades.begin(), grades.end(), 0);
    const int entries = RemedyEntryCount(record);
    const int mode = request.m_nMode;
    if (mode == kMMSingleRemedyRubrics && entries != 1)
        return false;
    const auto& codes = request.m_arrSelectedCodes;
    const int drugs = static_cast<int>(std::min(codes.size(), grades.size()));
    int matches = 0;
    for (int e = 0; e < entries; ++e) {
        const int grade = record.Grade(e);
        const int code = record.RemedyCode(e);
        if (mode == kMMOneRemedy) {
            if (drugs == 0 || code != codes[0])
                continue;
            if (GradeCounts(request.m_nMarkMask, grade)) {
                grades[0] = grade;
                matches = 1;
            }
            continue;
        }
        if (!GradeCounts(request.m_nMarkMask, grade))
            continue;
        for (int j = 0; j < drugs; ++j) {
            if (codes[static_cast<std::size_t>(j)] == code) {
                grades[static_cast<std::size_t>(j)] = grade;
                ++matches;
            }
        }
    }
    switch (mode) {
    case kMMDifferentiate: return matches == 1 && drugs >= 2;
    case kMMCompare: return matches == drugs;
    case kMMComplete: return matches >= 1;
    default: return matches == 1;
    }
}

MateriaMedicaListing BuildMateriaMedica(const CMateriaMedicaRequest& request,
    const std::vector<CSymptomRecord*>& activeSymptoms, const CRemedyCatalogue* catalogue)
{
    MateriaMedicaListing listing;
    listing.mode = request.m_nMode;
    listing.drugCount = request.SelectedCount();
    const auto drugs = static_cast<std::size_t>(listing.drugCount);
    for (int code : request.m_arrSelectedCodes)
        listing.labels.push_back(Label(catalogue, code));
    listing.counts.assign(drugs, 0);
    listing.totals.assign(drugs, 0);
    std::vector<int> grades(drugs, 0);
    for (std::size_t s = 0; s < activeSymptoms.size(); ++s) {
        const CSymptomRecord* record = activeSymptoms[s];
        if (!record || !SelectSymptom(*record, request, grades))
            continue;
        const int row = listing.RetainedCount();
        for (std::size_t j = 0; j < drugs; ++j) {
            const int grade = grades[j];
            listing.totals[j] += grade;
            Cell cell{kBlankCell, 0, row};
            if (grade != 0) {
                ++listing.counts[j];
                cell.text = std::to_string(grade) + ':' + listing.labels[j];
                cell.grade = grade;
            }
            listing.cells.push_back(std::move(cell));
        }
        listing.lines.push_back(SymStr{record->m_pszText, record->m_nLevel, static_cast<int>(s)});
    }
    if (listing.mode == kMMCreate) {
        listing.summaryLabel = translate("MateriaMedicaListing", "Symptom Count:");
        listing.summaryTexts.assign(drugs, std::string());
        if (drugs > 0)
            listing.summaryTexts[0] = std::to_string(listing.counts[0]);
    } else {
        listing.summaryLabel = translate("MateriaMedicaListing", "Symptom Count/Total Weightage:");
        for (std::size_t j = 0; j < drugs; ++j)
            listing.summaryTexts.push_back(std::to_string(listing.counts[j]) + '/' + std::to_string(listing.totals[j]));
    }
    return listing;
}

void CMateriaMedicaCursor::Reset(int retainedCount, int drugCount)
{
    m_nRetained = std::max(0, retainedCount);
    m_nDrugs = std::max(0, drugCount);
    m_vertical = ScrollSteps{0, kMMPageLines, std::max(0, m_nRetained - kMMPageLines)};
    m_horizontal = ScrollSteps{0, kMMPageColumns, std::max(0, m_nDrugs - kMMPageColumns)};
    m_nCursorRow = 1;
    m_bControl = false;
}

int CMateriaMedicaCursor::ShownLines() const
{
    return std::clamp(m_nRetained - Top(), 0, kMMPageLines);
}

int CMateriaMedicaCursor::ShownColumns() const
{
    return std::clamp(m_nDrugs - FirstColumn(), 0, kMMPageColumns);
}

void CMateriaMedicaCursor::KeepCursorInside()
{
    m_nCursorRow = std::clamp(m_nCursorRow, 1, std::max(1, ShownLines()));
}

void CMateriaMedicaCursor::LineUp()
{
    if (m_nCursorRow > 1)
        --m_nCursorRow;
    else if (Top() > 0)
        m_vertical.LineBack();
}

void CMateriaMedicaCursor::LineDown()
{
    if (m_nCursorRow < kMMPageLines)
        ++m_nCursorRow;
    else
        m_vertical.LineForward();
    KeepCursorInside();
}

void CMateriaMedicaCursor::PageUp()
{
    if (Top() > kMMPageLines)
        m_vertical.position -= kMMPageLines;
}

void CMateriaMedicaCursor::PageDown()
{
    if (Top() < m_vertical.maximum)
        m_vertical.PageForward();
    KeepCursorInside();
}

void CMateriaMedicaCursor::Home()
{
    if (!m_bControl)
        return;
    m_vertical.position = 0;
    m_nCursorRow = 1;
    m_bControl = false;
}

void CMateriaMedicaCursor::End()
{
    if (!m_bControl)
        return;
    m_vertical.position = m_vertical.maximum;
    m_bControl = false;
    KeepCursorInside();
}

void CMateriaMedicaCursor::SetTop(int top)
{
    m_vertical.position = std::clamp(top, 0, m_vertical.maximum);
    KeepCursorInside();
}

bool CMateriaMedicaCursor::Click(int line)
{
    if (line < 1 || line > ShownLines())
        return false;
    m_nCursorRow = line;
    return true;
}

void CMateriaMedicaCursor::ColumnLeft()
{
    m_horizontal.LineLeft();
}

void CMateriaMedicaCursor::ColumnRight()
{
    m_horizontal.LineRight();
}

void CMateriaMedicaCursor::ColumnsPageLeft()
{
    m_horizontal.PageLeft();
}

void CMateriaMedicaCursor::ColumnsPageRight()
{
    m_horizontal.PageForward();
}

void CMateriaMedicaCursor::SetFirstColumn(int column)
{
    m_horizontal.position = std::clamp(column, 0, m_horizontal.maximum);
}

} // namespace quillon
