// Geometry of the repertorisation chart: the design frames, the chart cells, the hot spots, drop zones and
// splitter of the form, the hit test and the scroll ranges. Everything here is in whole pixels or design units.
#pragma once

#include "chart/ChartScroll.h"

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

// A rectangle with the edges of a window rectangle: left and top inside, right and bottom just outside.
struct ChartRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const noexcept { return right - left; }
    int Height() const noexcept { return bottom - top; }
    bool Contains(int x, int y) const noexcept { return x >= left && x < right && y >= top && y < bottom; }
    bool operator==(const ChartRect&) const = default;
};

// One box of the chart in chart-frame units.
struct ChartCell
{
    virtual ~ChartCell() = default;
    ChartRect rect;
    int highlighted = 0; // never set by the chart
};

// Design sizes of the two frames.
inline constexpr int kControlFrameWidth = 640;
inline constexpr int kControlFrameHeight = 480;
inline constexpr int kChartFrameWidth = 840;
inline constexpr int kChartFrameHeight = 680;

// Chart layout constants (chart frame).
inline constexpr int kInitialGridOrigin = 355;
inline constexpr int kSymptomLineCount = 13; // lines 0..12; 2..12 carry symptoms
inline constexpr int kFirstSymptomLine = 2;
inline constexpr int kGridColumns = 26; // keys are 26 x row + column
inline constexpr int kGridCellCount = 330; // rows 0..11 full, row 12 has columns 0..17
inline constexpr int kDrawnColumns = 25;
inline constexpr int kGridCoveredRowKey = 26; // first cell of the symptoms-covered row
inline constexpr int kGridFirstGradeKey = 52; // first cell of the first grade row
inline constexpr int kColumnPitch = 35;
inline constexpr int kRowPitch = 22;
inline constexpr int kChartTop = 160;
inline constexpr int kRemedyNameY = 140;

// The room the chart is laid out in. In the specified layout the chart shows 11 symptom rows and 14 remedy
// columns whatever the window; fitted to the window it shows as many whole rows and columns as the view holds.
struct ChartArea
{
    // The widest the view gets (the width of the area that holds it when it fills that area): the chart frame
    // never runs wider, so that its last column stays inside the window. 0: the screen's width.
    int width = 0;
    // The view's own size, which a fitted chart fills.
    int viewWidth = 0;
    int viewHeight = 0;
    bool fit = false;
    bool operator==(const ChartArea&) const = default;
};

// Pixels kept free right of the chart frame, so that the border of its last column shows.
inline constexpr int kChartRightMargin = 2;
// Control-frame y of the bottom of the form's lowest controls (the counts), with their margin.
inline constexpr int kFormBottom = 357;
// The most symptom rows a fitted chart shows.
inline constexpr int kMaxFittedSymptoms = 60;

// Where a symptom drag ends.
enum class DropZone { None, Clipboard1, Clipboard2, Clipboard3, SymptomsCovered };

// What the chart's hit test found.
struct ChartHit
{
    bool hit = false;
    int symptom = -1; // index into the active symptoms when a symptom line was hit
    int remedy = -1; // display index when a totality cell was hit (also set, out of range, on a miss)
    bool onSymptom = false;
};

// Placement of the form's movable parts for a splitter at pixel x.
struct SplitterLayout
{
    std::array<ChartRect, 4> marks; // 1777, 1778, 1787, 1788
    ChartRect grip;
    ChartRect remedyNameStrip;
    ChartRect coveredRowStrip;
    ChartRect totalityHotSpot;
    ChartRect coveredHotSpot;
    ChartRect nameHotSpot;
    ChartRect symptomTextBar; // 1230
    ChartRect remedyBar; // 1229
    int gridOrigin = kInitialGridOrigin; // chart-frame x0
};

class ChartGeometry final
{
public:
    // W and H: the screen's size in pixels.
    ChartGeometry(int screenWidth = 1024, int screenHeight = 768, const ChartArea& area = {});
    ChartGeometry(const ChartGeometry& other);
    ChartGeometry& operator=(const ChartGeometry& other);
    ~ChartGeometry();

    void SetScreenSize(int screenWidth, int screenHeight) noexcept;
    int ScreenWidth() const noexcept { return m_nWidth; }
    int ScreenHeight() const noexcept { return m_nHeight; }
    const ChartArea& Area() const noexcept { return m_area; }
    bool IsFitted() const noexcept { return m_area.fit; }
    // The pixels the chart frame's width spans: the screen's width, or less where the area is narrower.
    int ChartWidth() const noexcept { return m_nChartWidth; }

    // The symptom rows the chart shows (11 in the specified layout), its symptom lines (two more: the lines
    // beside the count rows), the grid cells it keeps and the remedy columns it draws (25 in the specified
    // layout, of which the first 14 lie inside the window; a fitted chart draws those that lie inside).
    int VisibleSymptoms() const noexcept { return m_nRows; }
    int SymptomLineCount() const noexcept { return m_nRows + kFirstSymptomLine; }
    int GridCellCount() const noexcept { return static_cast<int>(m_gridCells.size()); }
    int DrawnColumns() const noexcept { return m_nColumns; }
    // The remedy columns a scroll keeps in sight: the last one of them is the last remedy at the bar's end.
    int RemedyColumnsInSight() const noexcept { return m_area.fit ? m_nColumns : kVisibleRemedies; }
    // The paged scroll bars of this layout: the specified ranges and pages, or those of the rows and columns
    // that fit.
    ScrollRange SymptomRange(int symptomCount) const noexcept;
    ScrollRange RemedyRange(int remedyCount) const noexcept;
    int SymptomPage() const noexcept;
    int RemedyPage() const noexcept;
    // How far the controls under the chart move down from their specified place (negative: up).
    int BottomShift() const noexcept { return m_nBottomShift; }
    // The view's smallest height that still shows `rows` symptom rows of a fitted chart.
    int HeightForRows(int rows) const noexcept;

    // Control frame (640 x 480) and chart frame (840 x 680) to pixels, truncating toward zero.
    int Sx(int x) const noexcept;
    int Sy(int y) const noexcept;
    int Cx(int x) const noexcept;
    int Cy(int y) const noexcept;
    ChartRect ControlToPixels(const ChartRect& design) const noexcept;
    ChartRect ChartToPixels(const ChartRect& design) const noexcept;

    // The grid origin x0 in chart-frame units; the cells are laid out again from it.
    int GridOrigin() const noexcept { return m_nGridOrigin; }
    void LayOutCells(int gridOrigin);

    // Chart-frame rectangles of the two cell sets (nullptr outside them).
    const ChartCell* SymptomLine(int k) const noexcept;
    const ChartCell* GridCell(int key) const noexcept;
    // Pixel rectangles of the same (empty for a cell that does not exist).
    ChartRect SymptomLineRect(int k) const noexcept;
    ChartRect GridCellRect(int key) const noexcept;
    static constexpr int GridKey(int row, int column) noexcept { return kGridColumns * row + column; }

    // Pixel rectangles of the form's interactive areas.
    const ChartRect& TotalityHotSpot() const noexcept { return m_layout.totalityHotSpot; }
    const ChartRect& CoveredHotSpot() const noexcept { return m_layout.coveredHotSpot; }
    const ChartRect& NameHotSpot() const noexcept { return m_layout.nameHotSpot; }
    const ChartRect& SplitterGrip() const noexcept { return m_layout.grip; }
    const ChartRect& RemedyNameStrip() const noexcept { return m_layout.remedyNameStrip; }
    const ChartRect& CoveredRowStrip() const noexcept { return m_layout.coveredRowStrip; }
    const SplitterLayout& Layout() const noexcept { return m_layout; }
    bool InLabelHotSpot(int x, int y) const noexcept;
    ChartRect DropZoneRect(DropZone zone) const noexcept;
    DropZone DropZoneAt(int x, int y) const noexcept;

    // Pixel x of the splitter at the start (the boundary before the first remedy column).
    int InitialSplitterX() const noexcept;
    // Where the splitter's parts go for a splitter at pixel x (nothing is changed).
    SplitterLayout SplitterAt(int x) const noexcept;
    // Releases the splitter at pixel x: takes the new layout and lays the cells out from its x0.
    void ReleaseSplitter(int x);
    // The splitter where it leaves the grid origin at x0 (chart frame), as after a release there.
    void KeepGridOrigin(int x0);

    // The symptom lines 2.. against the symptoms from symptomPosition on, then the totality cells against
    // the remedies from remedyPosition on. symptomExists says whether an active symptom index is present.
    ChartHit HitTest(int x, int y, int symptomPosition, const std::function<bool(int)>& symptomExists,
        int remedyPosition, int remedyCount) const;
    // Right-button choices: which totality cell (display index) or symptom line lies under the point.
    int TotalityColumnAt(int x, int y) const noexcept; // -1 when none
    int SymptomLineAt(int x, int y) const noexcept; // line number from 2, -1 when none

    // Pixel areas a partial repaint covers.
    ChartRect SymptomArea() const noexcept; // the symptom lines from 2
    ChartRect GradeArea() const noexcept; // the grade rows, the drawn columns
    ChartRect HeaderRowArea() const noexcept; // totality and covered rows, the drawn columns
    ChartRect RemedyNameArea() const noexcept; // the slanted names above the columns

private:
    void MakeCells();
    int FittedColumns(int gridOrigin) const noexcept;
    int LastRowBottom(int rows) const noexcept;

    int m_nWidth = 1024;
    int m_nHeight = 768;
    ChartArea m_area;
    int m_nChartWidth = 1024;
    int m_nRows = kVisibleSymptoms;
    int m_nColumns = kDrawnColumns;
    int m_nBottomShift = 0;
    int m_nGridOrigin = kInitialGridOrigin;
    std::vector<std::unique_ptr<ChartCell>> m_symptomLines;
    std::vector<std::unique_ptr<ChartCell>> m_gridCells;
    SplitterLayout m_layout;
};

// The line a symptom-text scroll shows: a rubric whose text holds "]" has its bracketed prefix replaced by
// "[" and the repertory abbreviation; any other rubric is shown as it is, without a prefix. At most 499
// characters of the text are used.
std::string ComposeScrolledSymptomLine(std::string_view text, int nType);

} // namespace quillon
