// Geometry of the repertorisation chart: the design frames, the chart cells, the hot spots, drop zones and
// splitter of the form, the hit test and the scroll ranges. Everything here is in whole pixels or design units.
#pragma once

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
inline constexpr int kVisibleSymptoms = 11;
inline constexpr int kGridColumns = 26; // keys are 26 x row + column
inline constexpr int kGridCellCount = 330; // rows 0..11 full, row 12 has columns 0..17
inline constexpr int kDrawnColumns = 25;
inline constexpr int kGridCoveredRowKey = 26; // first cell of the symptoms-covered row
inline constexpr int kGridFirstGradeKey = 52; // first cell of the first grade row
inline constexpr int kColumnPitch = 35;
inline constexpr int kRowPitch = 22;
inline constexpr int kChartTop = 160;
inline constexpr int kRemedyNameY = 140;

// Scroll bar rules of the chart.
inline constexpr int kSymptomPage = 3;
inline constexpr int kRemedyPage = 11;
inline constexpr int kSymptomTextPage = 3;
inline constexpr int kSymptomTextMaximum = 150;
inline constexpr int kVisibleRemedies = 13; // the remedy bar is shown only with more remedies than this

struct ScrollRange
{
    int maximum = 0;
    bool shown = false;
};
ScrollRange SymptomScrollRange(int symptomCount) noexcept;
ScrollRange RemedyScrollRange(int remedyCount) noexcept;

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
    ChartGeometry(int screenWidth = 1024, int screenHeight = 768);
    ChartGeometry(const ChartGeometry& other);
    ChartGeometry& operator=(const ChartGeometry& other);
    ~ChartGeometry();

    void SetScreenSize(int screenWidth, int screenHeight) noexcept;
    int ScreenWidth() const noexcept { return m_nWidth; }
    int ScreenHeight() const noexcept { return m_nHeight; }

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

    // The symptom lines 2..12 against the symptoms from symptomPosition on, then the totality cells against
    // the remedies from remedyPosition on. symptomExists says whether an active symptom index is present.
    ChartHit HitTest(int x, int y, int symptomPosition, const std::function<bool(int)>& symptomExists,
        int remedyPosition, int remedyCount) const;
    // Right-button choices: which totality cell (display index) or symptom line lies under the point.
    int TotalityColumnAt(int x, int y) const noexcept; // -1 when none
    int SymptomLineAt(int x, int y) const noexcept; // line number 2..12, -1 when none

    // Pixel areas a partial repaint covers.
    ChartRect SymptomArea() const noexcept; // symptom lines 2..12
    ChartRect GradeArea() const noexcept; // grade rows 2..12, columns 0..24
    ChartRect HeaderRowArea() const noexcept; // totality and covered rows, columns 0..24
    ChartRect RemedyNameArea() const noexcept; // the slanted names above the columns

private:
    void MakeCells();

    int m_nWidth = 1024;
    int m_nHeight = 768;
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
