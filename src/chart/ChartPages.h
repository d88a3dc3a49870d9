// The printed chart as data: pages of a layout of their own, sized by the paper's printable area, each holding
// every cell of its block of remedies and symptoms, the totality and covered rows, the rubrics whole (wrapped
// at blanks) and a header. The printing side measures the texts and paints the pages as they stand here.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillon {

struct PatientContext;
class CRepEngine;
class CRepMethods;

// Fonts of the printed chart; their sizes in points.
enum class PageFont : int { Title, Header, RemedyName, RowLabel, Rubric, Count };
double PageFontPoints(PageFont font) noexcept;
bool PageFontBold(PageFont font) noexcept;

// Measures texts (UTF-8) in points. The core has no fonts: the side that paints supplies the measures, so that
// the layout and the painting agree.
class IPageTextMeasure
{
public:
    virtual ~IPageTextMeasure() = default;
    virtual double Width(PageFont font, std::string_view text) const = 0;
    // The distance from one line to the next.
    virtual double LineHeight(PageFont font) const = 0;
};

// A rectangle in points from the top-left corner of the printable area.
struct PageRect
{
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;

    double Right() const noexcept { return left + width; }
    double Bottom() const noexcept { return top + height; }
    bool operator==(const PageRect&) const = default;
};

enum class PageInk : int { Black, RemedyName, Totality, Covered, Grade };
enum class PageAlign : int { Left, Centre, Right };

// One line of text in its box, centred vertically; an upward text reads from the box's bottom to its top.
struct PageText
{
    PageRect box;
    PageFont font = PageFont::Rubric;
    PageInk ink = PageInk::Black;
    PageAlign align = PageAlign::Left;
    bool upward = false;
    std::string text; // UTF-8
};

// Rows of the grid above the symptoms.
inline constexpr int kTotalityRow = -2;
inline constexpr int kCoveredRow = -1;

// One box of the grid: a remedy (display row) against a symptom (active index) or one of the two count rows.
struct PageCell
{
    int remedy = 0;
    int symptom = 0;
    PageRect box;
    std::string text; // the grade, totality or count; empty for a remedy absent from the symptom
};

struct ChartPage
{
    int remedyFrom = 0; // display rows [remedyFrom, remedyTo)
    int remedyTo = 0;
    int symptomFrom = 0; // active symptoms [symptomFrom, symptomTo)
    int symptomTo = 0;
    std::vector<PageText> texts; // header, row labels, remedy names and rubric lines
    std::vector<PageCell> cells; // every cell of the block, the count rows first, then row by row
    std::vector<PageRect> frames; // the boxes of the rubric column
    std::vector<PageRect> shaded; // every other symptom row, to guide the eye across
};

struct ChartPageLayout
{
    double width = 0; // the printable area in points
    double height = 0;
    std::vector<ChartPage> pages;
};

// Whose chart it is, as the data files hold the texts (Windows-1252).
struct ChartPagesHeader
{
    std::string patientName;
    std::string regNo;
    std::string visitDate;
    std::string caption; // the methods and filter in force
};

// The header of everything that leaves the chart's screen (its printed and PDF pages, the covered report): the
// current patient and visit, and the methods and filters that made the rows shown.
ChartPagesHeader RecordedChartHeader(const PatientContext& patient, const CRepMethods& methods);

// The pages of the chart for a printable area of width x height points: as many remedy columns and symptom rows
// as the area holds, remedies' blocks outside and symptoms' blocks inside. A rubric too long for a whole page
// continues on the next, its row repeated with its cells.
ChartPageLayout LayOutChartPages(const CRepEngine& engine, const ChartPagesHeader& header, double width, double height,
    const IPageTextMeasure& measure);

// Lines of a text no wider than `width`, broken at blanks; a word wider than a line is broken inside.
std::vector<std::string> WrapPageText(
    std::string_view text, double width, PageFont font, const IPageTextMeasure& measure);

} // namespace quillon
