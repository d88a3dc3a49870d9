// Geometry of the repertorisation chart.
#include "chart/ChartGeometry.h"

#include "engine/RepertoryTable.h"

#include <algorithm>

namespace quillon {

namespace {

// Scales a design value with truncation toward zero, in 64 bits so that no screen size overflows.
int Scale(int value, int pixels, int design) noexcept
{
    return static_cast<int>(static_cast<long long>(value) * pixels / design);
}

constexpr std::size_t kMaxScrolledText = 499;

// The row labels are drawn at chart-frame offsets from x0, so their hot spots keep their start places relative
// to x0, whatever the screen's width, and narrow with the chart frame where it is narrower than the screen.
void PlaceLabelHotSpots(const ChartGeometry& g, SplitterLayout& layout) noexcept
{
    const int dx = g.Cx(layout.gridOrigin) - g.Cx(kInitialGridOrigin);
    const auto x = [&g, dx](int design) { return Scale(design, g.ChartWidth(), kControlFrameWidth) + dx; };
    layout.totalityHotSpot = {x(185), g.Sy(112), x(250), g.Sy(127)};
    layout.coveredHotSpot = {x(155), g.Sy(128), x(250), g.Sy(145)};
    layout.nameHotSpot = {x(165), g.Sy(94), x(250), g.Sy(111)};
}

} // namespace

ChartGeometry::ChartGeometry(int screenWidth, int screenHeight, const ChartArea& area) : m_area(area)
{
    m_nWidth = std::max(screenWidth, 1);
    m_nHeight = std::max(screenHeight, 1);
    m_nChartWidth = area.width > 0 ? std::clamp(area.width - kChartRightMargin, 1, m_nWidth) : m_nWidth;
    if (area.fit && area.viewHeight > 0) {
        m_nRows = 1;
        while (m_nRows < kMaxFittedSymptoms && HeightForRows(m_nRows + 1) <= area.viewHeight)
            ++m_nRows;
    }
    m_nBottomShift = Cy(LastRowBottom(m_nRows)) - Cy(LastRowBottom(kVisibleSymptoms));
    MakeCells();
    LayOutCells(kInitialGridOrigin);
    // The start layout: the splitter's marks and bars where a release at the first column's edge puts them,
    // but the strips and grip of the design.
    m_layout = SplitterAt(InitialSplitterX());
    m_layout.gridOrigin = kInitialGridOrigin;
    PlaceLabelHotSpots(*this, m_layout);
    m_layout.grip = ChartToPixels({350, 445, 360, 475});
    m_layout.grip.top += m_nBottomShift;
    m_layout.grip.bottom += m_nBottomShift;
    m_layout.remedyNameStrip = ChartToPixels({kInitialGridOrigin, 100, 839, 161});
    m_layout.coveredRowStrip = ChartToPixels({kInitialGridOrigin, 182, 839, 205});
}

ChartGeometry::ChartGeometry(const ChartGeometry& other)
    : m_nWidth(other.m_nWidth),
      m_nHeight(other.m_nHeight),
      m_area(other.m_area),
      m_nChartWidth(other.m_nChartWidth),
      m_nRows(other.m_nRows),
      m_nColumns(other.m_nColumns),
      m_nBottomShift(other.m_nBottomShift),
      m_layout(other.m_layout)
{
    MakeCells();
    LayOutCells(other.m_nGridOrigin);
}

ChartGeometry& ChartGeometry::operator=(const ChartGeometry& other)
{
    if (this != &other) {
        m_nWidth = other.m_nWidth;
        m_nHeight = other.m_nHeight;
        m_area = other.m_area;
        m_nChartWidth = other.m_nChartWidth;
        m_nRows = other.m_nRows;
        m_nColumns = other.m_nColumns;
        m_nBottomShift = other.m_nBottomShift;
        m_layout = other.m_layout;
        MakeCells();
        LayOutCells(other.m_nGridOrigin);
    }
    return *this;
}

ChartGeometry::~ChartGeometry() = default;

void ChartGeometry::SetScreenSize(int screenWidth, int screenHeight) noexcept
{
    m_nWidth = std::max(screenWidth, 1);
    m_nHeight = std::max(screenHeight, 1);
    m_nChartWidth = m_area.width > 0 ? std::clamp(m_area.width - kChartRightMargin, 1, m_nWidth) : m_nWidth;
}

int ChartGeometry::LastRowBottom(int rows) const noexcept
{
    return kChartTop + kRowPitch * (rows + kFirstSymptomLine - 1) + 20;
}

int ChartGeometry::HeightForRows(int rows) const noexcept
{
    return Sy(kFormBottom) + Cy(LastRowBottom(rows)) - Cy(LastRowBottom(kVisibleSymptoms));
}

int ChartGeometry::FittedColumns(int gridOrigin) const noexcept
{
    const int limit = m_area.viewWidth > 0 ? m_area.viewWidth - kChartRightMargin : m_nChartWidth;
    int columns = 0;
    while (columns < kDrawnColumns && Cx(gridOrigin + kColumnPitch * columns + 30) <= limit)
        ++columns;
    return std::max(columns, 1);
}

ScrollRange ChartGeometry::SymptomRange(int symptomCount) const noexcept
{
    if (!m_area.fit)
        return SymptomScrollRange(symptomCount);
    if (symptomCount > m_nRows)
        return {symptomCount - m_nRows, true};
    return {std::max(symptomCount, 0), false};
}

ScrollRange ChartGeometry::RemedyRange(int remedyCount) const noexcept
{
    if (!m_area.fit)
        return RemedyScrollRange(remedyCount);
    if (remedyCount > m_nColumns)
        return {remedyCount - m_nColumns, true};
    return {std::max(remedyCount, 0), false};
}

// A fitted page keeps as many rows or columns in sight across the step as the specified page does.
int ChartGeometry::SymptomPage() const noexcept
{
    return m_area.fit ? std::max(m_nRows - (kVisibleSymptoms - kSymptomPage), 1) : kSymptomPage;
}

int ChartGeometry::RemedyPage() const noexcept
{
    return m_area.fit ? std::max(m_nColumns - (kVisibleRemedies + 1 - kRemedyPage), 1) : kRemedyPage;
}

int ChartGeometry::Sx(int x) const noexcept
{
    return Scale(x, m_nWidth, kControlFrameWidth);
}
int ChartGeometry::Sy(int y) const noexcept
{
    return Scale(y, m_nHeight, kControlFrameHeight);
}
int ChartGeometry::Cx(int x) const noexcept
{
    return Scale(x, m_nChartWidth, kChartFrameWidth);
}
int ChartGeometry::Cy(int y) const noexcept
{
    return Scale(y, m_nHeight, kChartFrameHeight);
}

ChartRect ChartGeometry::ControlToPixels(const ChartRect& d) const noexcept
{
    return {Sx(d.left), Sy(d.top), Sx(d.right), Sy(d.bottom)};
}

ChartRect ChartGeometry::ChartToPixels(const ChartRect& d) const noexcept
{
    return {Cx(d.left), Cy(d.top), Cx(d.right), Cy(d.bottom)};
}

void ChartGeometry::MakeCells()
{
    m_symptomLines.clear();
    m_gridCells.clear();
    // The specified grid's last row holds 18 cells; a fitted grid's rows are whole.
    const int cells = m_area.fit ? kGridColumns * SymptomLineCount() : kGridCellCount;
    m_symptomLines.reserve(static_cast<std::size_t>(SymptomLineCount()));
    m_gridCells.reserve(static_cast<std::size_t>(cells));
    for (int k = 0; k < SymptomLineCount(); ++k)
        m_symptomLines.push_back(std::make_unique<ChartCell>());
    for (int key = 0; key < cells; ++key)
        m_gridCells.push_back(std::make_unique<ChartCell>());
}

void ChartGeometry::LayOutCells(int gridOrigin)
{
    m_nGridOrigin = gridOrigin;
    if (m_area.fit)
        m_nColumns = FittedColumns(gridOrigin);
    for (int k = 0; k < SymptomLineCount(); ++k) {
        const int top = kChartTop + kRowPitch * k;
        m_symptomLines[static_cast<std::size_t>(k)]->rect = {75, top, gridOrigin - 5, top + 20};
    }
    for (int key = 0; key < GridCellCount(); ++key) {
        const int row = key / kGridColumns;
        const int column = key % kGridColumns;
        const int left = gridOrigin + kColumnPitch * column;
        const int top = kChartTop + kRowPitch * row;
        m_gridCells[static_cast<std::size_t>(key)]->rect = {left, top, left + 30, top + 20};
    }
}

const ChartCell* ChartGeometry::SymptomLine(int k) const noexcept
{
    if (k < 0 || k >= SymptomLineCount())
        return nullptr;
    return m_symptomLines[static_cast<std::size_t>(k)].get();
}

const ChartCell* ChartGeometry::GridCell(int key) const noexcept
{
    if (key < 0 || key >= GridCellCount())
        return nullptr;
    return m_gridCells[static_cast<std::size_t>(key)].get();
}

ChartRect ChartGeometry::SymptomLineRect(int k) const noexcept
{
    const ChartCell* cell = SymptomLine(k);
    return cell ? ChartToPixels(cell->rect) : ChartRect{};
}

ChartRect ChartGeometry::GridCellRect(int key) const noexcept
{
    const ChartCell* cell = GridCell(key);
    return cell ? ChartToPixels(cell->rect) : ChartRect{};
}

bool ChartGeometry::InLabelHotSpot(int x, int y) const noexcept
{
    return m_layout.totalityHotSpot.Contains(x, y) || m_layout.coveredHotSpot.Contains(x, y)
        || m_layout.nameHotSpot.Contains(x, y);
}

ChartRect ChartGeometry::DropZoneRect(DropZone zone) const noexcept
{
    switch (zone) {
    case DropZone::Clipboard1: return {Sx(95), Sy(41), Sx(120), Sy(66)};
    case DropZone::Clipboard2: return {Sx(124), Sy(41), Sx(150), Sy(66)};
    case DropZone::Clipboard3: return {Sx(155), Sy(41), Sx(180), Sy(66)};
    case DropZone::SymptomsCovered: return {Sx(597), Sy(41), Sx(623), Sy(66)};
    case DropZone::None: break;
    }
    return {};
}

DropZone ChartGeometry::DropZoneAt(int x, int y) const noexcept
{
    for (DropZone zone : {DropZone::Clipboard1, DropZone::Clipboard2, DropZone::Clipboard3, DropZone::SymptomsCovered})
        if (DropZoneRect(zone).Contains(x, y))
            return zone;
    return DropZone::None;
}

int ChartGeometry::InitialSplitterX() const noexcept
{
    return Cx(kInitialGridOrigin - 5);
}

SplitterLayout ChartGeometry::SplitterAt(int x) const noexcept
{
    SplitterLayout layout;
    // The parts under the chart follow its last row down.
    const int dy = m_nBottomShift;
    layout.marks[0] = {x + Sx(3), Sy(316) + dy, x + Sx(3) + Sx(2), Sy(316) + Sy(18) + dy};
    layout.marks[1] = {x - Sx(2), Sy(316) + dy, x - Sx(2) + Sx(2), Sy(316) + Sy(18) + dy};
    layout.marks[2] = {x - Sx(2), Sy(316) + dy, x - Sx(2) + Sx(6), Sy(316) + Sy(2) + dy};
    layout.marks[3] = {x - Sx(2), Sy(333) + dy, x - Sx(2) + Sx(6), Sy(333) + Sy(2) + dy};
    layout.grip = {x - Sx(3), Sy(315) + dy, x + Sx(5), Sy(335) + dy};
    layout.remedyNameStrip = {x, Sy(70), Sx(839), Sy(115)};
    layout.coveredRowStrip = {x, Sy(128), Sx(639), Sy(144)};
    layout.gridOrigin = static_cast<int>(static_cast<long long>(x) * kChartFrameWidth / m_nChartWidth) + 5;
    PlaceLabelHotSpots(*this, layout);
    layout.symptomTextBar = {Sx(57), Sy(318) + dy, Sx(57) + x - Sx(68), Sy(318) + Sy(15) + dy};
    int barRight = x + Sx(8) + (Sx(620) - x);
    if (m_area.fit && m_area.viewWidth > 0) // a fitted bar ends inside the view
        barRight = std::max(std::min(barRight, m_area.viewWidth - Sx(4)), x + Sx(28));
    layout.remedyBar = {x + Sx(8), Sy(318) + dy, barRight, Sy(318) + Sy(15) + dy};
    return layout;
}

void ChartGeometry::ReleaseSplitter(int x)
{
    m_layout = SplitterAt(x);
    LayOutCells(m_layout.gridOrigin);
}

void ChartGeometry::KeepGridOrigin(int x0)
{
    m_layout = SplitterAt(Cx(x0 - 5));
    m_layout.gridOrigin = x0;
    PlaceLabelHotSpots(*this, m_layout);
    LayOutCells(x0);
}

ChartHit ChartGeometry::HitTest(int x, int y, int symptomPosition, const std::function<bool(int)>& symptomExists,
    int remedyPosition, int remedyCount) const
{
    ChartHit result;
    for (int k = kFirstSymptomLine; k < SymptomLineCount(); ++k) {
        if (!SymptomLineRect(k).Contains(x, y))
            continue;
        const int index = symptomPosition + k - kFirstSymptomLine;
        if (symptomExists && symptomExists(index)) {
            result.hit = true;
            result.onSymptom = true;
            result.symptom = index;
            return result;
        }
    }
    for (int i = 0; i < m_nColumns; ++i) {
        if (!GridCellRect(i).Contains(x, y))
            continue;
        result.remedy = remedyPosition + i;
        if (result.remedy < remedyCount) {
            result.hit = true;
            return result;
        }
    }
    return result;
}

int ChartGeometry::TotalityColumnAt(int x, int y) const noexcept
{
    for (int i = 0; i < m_nColumns; ++i)
        if (GridCellRect(i).Contains(x, y))
            return i;
    return -1;
}

int ChartGeometry::SymptomLineAt(int x, int y) const noexcept
{
    for (int k = kFirstSymptomLine; k < SymptomLineCount(); ++k)
        if (SymptomLineRect(k).Contains(x, y))
            return k;
    return -1;
}

ChartRect ChartGeometry::SymptomArea() const noexcept
{
    const ChartRect first = SymptomLineRect(kFirstSymptomLine);
    const ChartRect last = SymptomLineRect(SymptomLineCount() - 1);
    return {first.left - 2, first.top - 2, first.right + 2, last.bottom + 2};
}

ChartRect ChartGeometry::GradeArea() const noexcept
{
    const ChartRect first = GridCellRect(GridKey(kFirstSymptomLine, 0));
    const ChartRect last = GridCellRect(GridKey(kFirstSymptomLine, m_nColumns - 1));
    const ChartRect bottom = GridCellRect(GridKey(SymptomLineCount() - 1, 0));
    return {first.left - 1, first.top - 1, last.right + 1, bottom.bottom + 1};
}

ChartRect ChartGeometry::HeaderRowArea() const noexcept
{
    const ChartRect first = GridCellRect(0);
    const ChartRect last = GridCellRect(GridKey(1, m_nColumns - 1));
    return {first.left - 1, first.top - 1, last.right + 1, last.bottom + 1};
}

ChartRect ChartGeometry::RemedyNameArea() const noexcept
{
    // The names rise to the right from the column's left edge at y 140; 80 design units cover 14 characters.
    return ChartToPixels({m_nGridOrigin - 5, 60, m_nGridOrigin + kColumnPitch * m_nColumns + 80, kChartTop - 1});
}

std::string ComposeScrolledSymptomLine(std::string_view text, int nType)
{
    text = text.substr(0, kMaxScrolledText);
    const std::size_t bracket = text.find(']');
    if (bracket == std::string_view::npos)
        return std::string(text);
    std::string line = "[";
    line += RepertoryAbbreviation(nType);
    line += text.substr(bracket);
    return line;
}

} // namespace quillon
