// What the materia medica view lists: the active symptoms the requested remedies cover under the request's mode
// and mark mask, a cell per symptom and remedy, the counts and total weightage, and the page's cursor and scroll
// state as the keys and bars move it.
#pragma once

#include "casedata/Translatable.h"
#include "controls/ScrollSteps.h"
#include "state/MateriaMedicaRequest.h"

#include <span>
#include <string>
#include <vector>

namespace quillon {

class CRemedyCatalogue;
struct CSymptomRecord;

inline constexpr const char* kMsgNoMatchFound = QT_TRANSLATE_NOOP("Message", "No match found");
inline constexpr int kMMPageLines = 15;
inline constexpr int kMMPageColumns = 3;
inline constexpr int kMMLabelLength = 10;

// One retained symptom: its text, its level (the line's font and colour) and its index in the active set.
struct SymStr
{
    std::string text;
    int level = 0;
    int symptom = 0;
};

// One cell: "g:Abbrev" or ten blanks, and the grade it shows (0 for blanks).
struct Cell
{
    std::string text;
    int grade = 0;
    int row = 0;
};

struct MateriaMedicaListing
{
    int mode = kMMComplete;
    int drugCount = 0;
    std::vector<std::string> labels; // per requested remedy, at most 10 characters; empty when unresolved
    std::vector<SymStr> lines; // in display order
    std::vector<Cell> cells; // key = display row x drugCount + column
    std::vector<int> counts; // symptoms retained with the remedy counting, per column
    std::vector<int> totals; // sum of its grades, per column
    std::string summaryLabel; // translated
    std::vector<std::string> summaryTexts; // per column; in mode 5 only column 0 has one

    int RetainedCount() const { return static_cast<int>(lines.size()); }
    const Cell& CellAt(int row, int column) const { return cells[static_cast<std::size_t>(row * drugCount + column)]; }
};

// The document title, translated: the mode's prefix followed by "Recorded Symptoms".
std::string MateriaMedicaTitle(int mode);

// The grades a symptom gives the requested remedies (0 where absent or outside the mask), and whether the
// mode retains it.
bool SelectSymptom(const CSymptomRecord& record, const CMateriaMedicaRequest& request, std::span<int> grades);

// Builds the listing from the active symptoms in key order.
MateriaMedicaListing BuildMateriaMedica(const CMateriaMedicaRequest& request,
    const std::vector<CSymptomRecord*>& activeSymptoms, const CRemedyCatalogue* catalogue);

// The page of 15 lines and 3 columns: the cursor line (1..15), the top display row and the first column, moved
// by the keys and the two bars. Every position stays inside the retained lines and the requested columns.
class CMateriaMedicaCursor final
{
public:
    void Reset(int retainedCount, int drugCount);

    int CursorRow() const { return m_nCursorRow; }
    int Top() const { return m_vertical.position; }
    int FirstColumn() const { return m_horizontal.position; }
    bool VerticalBarShown() const { return m_nRetained > kMMPageLines; }
    bool HorizontalBarShown() const { return m_nDrugs > kMMPageColumns; }
    // Display row under the cursor, or -1 when nothing is listed.
    int CursorDisplayRow() const { return m_nRetained > 0 ? Top() + m_nCursorRow - 1 : -1; }
    // Page lines that hold a retained symptom.
    int ShownLines() const;
    int ShownColumns() const;

    void LineUp();
    void LineDown();
    void PageUp();
    void PageDown();
    void ControlDown() { m_bControl = true; }
    void Home();
    void End();
    // Thumb drag: the top follows, held inside the range.
    void SetTop(int top);
    // A click on page line `line` (1..15); lines without a symptom are ignored. False when ignored.
    bool Click(int line);

    void ColumnLeft();
    void ColumnRight();
    void ColumnsPageLeft();
    void ColumnsPageRight();
    void SetFirstColumn(int column);

private:
    void KeepCursorInside();

    ScrollSteps m_vertical{0, kMMPageLines, 0};
    ScrollSteps m_horizontal{0, kMMPageColumns, 0};
    int m_nCursorRow = 1;
    int m_nRetained = 0;
    int m_nDrugs = 0;
    bool m_bControl = false;
};

} // namespace quillon
