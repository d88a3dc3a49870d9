// Building the case-record and follow-up pages.
#include "caserecord/CaseRecordPage.h"

#include "casedata/CaseStore.h"
#include "casedata/MessageSink.h"
#include "casedata/PracticeFolder.h"
#include "casedata/Translatable.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <new>

namespace quillon {

namespace {

// ---- Case record -------------------------------------------------------------------------------

// The page's context for the translators: its headings and labels are read in the user's language.
constexpr const char* kPageContext = "CaseRecordPage";

constexpr const char* kCaseRecordHeading = QT_TRANSLATE_NOOP("CaseRecordPage", "Full Case Record");

// The head of the page, its title and heading around the translated "Full Case Record".
constexpr std::string_view kHeadStart = "<HTML><HEAD><TITLE>";
constexpr std::string_view kHeadTitleEnd = "</TITLE></HEAD>"
                                           "<BODY>"
                                           "<TABLE BORDER=0 WIDTH=100%>"
                                           "<TR>"
                                           "<TD colspan=\"3\" VALIGN=\"MIDDLE\" ALIGN=\"CENTER\"><BR>"
                                           "<B><U><I><FONT SIZE=\"5\">";
constexpr std::string_view kHeadEnd
    = "</FONT></I></U><FONT SIZE=\"5\"></FONT></B>"
      "<TR><TD WIDTH=\"100%\" VALIGN=\"MIDDLE\" ALIGN=\"CENTER\" COLSPAN=\"3\">&nbsp<P>&nbsp</TD></TR>";

constexpr std::string_view kSectionHeaderStart
    = "<TR><TD WIDTH=\"100%\" BGCOLOR=\"#C8C8C8\" VALIGN=\"MIDDLE\" ALIGN=\"CENTER\" COLSPAN=\"3\">"
      "<FONT name=subheading SIZE=\"4\" FACE=\"Arial\">"
      "<P ALIGN=\"CENTER\"><B><FONT SIZE=\"4\"><I>";
constexpr std::string_view kSectionHeaderEnd = "</I></FONT></B></P></TD></TR>";

constexpr std::string_view kSubtitleStart = "<TR><TD WIDTH=\"100%\" COLSPAN=\"4\"><B><U>";
constexpr std::string_view kSubtitleEnd = "</U> :</B></TD></TR>";

constexpr std::string_view kTextStart
    = "<TR><TD WIDTH=\"100%\" COLSPAN=\"4\"><FONT COLOR=\"MAROON\" FACE=\"Arial\" SIZE=\"3\" name=\"bodytxt\">";
constexpr std::string_view kTextEnd = "<BR></FONT><BR></TD></TR>";

constexpr std::string_view kLabelStart = "<TR><TD WIDTH=\"20%\" VALIGN=\"TOP\"><B>";
constexpr std::string_view kLabelEnd = "</B></TD><TD WIDTH=\"5%\" VALIGN=\"TOP\"><B>:</B></TD>";

constexpr std::string_view kValueStart
    = "<TD WIDTH=\"75%\" COLSPAN=\"2\"><FONT COLOR=\"MAROON\" FACE=\"Arial\" name=\"bodytxt\" SIZE=\"3\">";
constexpr std::string_view kValueEnd = "</FONT></TD></TR>";

constexpr std::string_view kSpacer = "<TR><TD WIDTH=\"100%\" COLSPAN=\"4\"><BR></TD></TR>";

// Subtitle of every field, by field number. The thermal-state flags are codes (cold and hot in fifths) and stay as
// they are.
constexpr std::array<const char*, kCaseRecordFieldCount> kSubtitles = {
    // 0-1 Complaints
    QT_TRANSLATE_NOOP("CaseRecordPage", "Chief Complaints"),
    QT_TRANSLATE_NOOP("CaseRecordPage", "Associated Complaints"),
    // 2-8 Appearance
    QT_TRANSLATE_NOOP("CaseRecordPage", "Height"), QT_TRANSLATE_NOOP("CaseRecordPage", "Weight"),
    QT_TRANSLATE_NOOP("CaseRecordPage", "Built"), QT_TRANSLATE_NOOP("CaseRecordPage", "Hair"),
    QT_TRANSLATE_NOOP("CaseRecordPage", "Gait"), QT_TRANSLATE_NOOP("CaseRecordPage", "Skin/Nails"),
    QT_TRANSLATE_NOOP("CaseRecordPage", "Comments"),
    // 9-23 General
    QT_TRANSLATE_NOOP("CaseRecordPage", "Appetite"), QT_TRANSLATE_NOOP("CaseRecordPage", "Thirst"),
    QT_TRANSLATE_NOOP("CaseRecordPage", "Habits"), QT_TRANSLATE_NOOP("CaseRecordPage", "Craving"),
    QT_TRANSLATE_NOOP("CaseRecordPage", "Aversion"), QT_TRANSLATE_NOOP("CaseRecordPage", "Aggravation"),
    QT_TRANSLATE_NOOP("CaseRecordPage", "Flatulence/Intestinal"), QT_TRANSLATE_NOOP("CaseRecordPage", "Eructations"),
    QT_TRANSLATE_NOOP("CaseRecordPage", "Stool"), QT_TRANSLATE_NOOP("CaseRecordPage", "Urine"),
    QT_TRANSLATE_NOOP("CaseRecordPage", "Perspiration"), QT_TRANSLATE_NOOP("CaseRecordPage", "Sleep"),
    QT_TRANSLATE_NOOP("CaseRecordPage", "Dreams"), QT_TRANSLATE_NOOP("CaseRecordPage", "Sexual Functions"),
    QT_TRANSLATE_NOOP("CaseRecordPage", "Others"),
    // 24-35 Systemic
    QT_TRANSLATE_NOOP("CaseRecordPage", "Head"), QT_TRANSLATE_NOOP("CaseRecordPage", "Face"),
    QT_TRANSLATE_NOOP("CaseRecordPage", "Eyes/Vision"), QT_TRANSLATE_NOOP("CaseRecordPage", "Ears/Hearing"),
    QT_TRANSLATE_NOOP("CaseRecordPage", "Nose"), QT_TRANSLATE_NOOP("CaseRecordPage", "Mouth/Toungue"),
    QT_TRANSLATE_NOOP("CaseRecordPage", "Teeth/Gums"), QT_TRANSLATE_NOOP("CaseRecordPage", "GIT"),
    QT_TRANSLATE_NOOP("CaseRecordPage", "Respiratory"), QT_TRANSLATE_NOOP("CaseRecordPage", "Urinary"),
    QT_TRANSLATE_NOOP("CaseRecordPage", "Extremities"), QT_TRANSLATE_NOOP("CaseRecordPage", "Genetalia"),
    // 36-38 Mind
    QT_TRANSLATE_NOOP("CaseRecordPage", "Emotional"), QT_TRANSLATE_NOOP("CaseRecordPage", "Intellectual"),
    QT_TRANSLATE_NOOP("CaseRecordPage", "Subconscious"),
    // 39-44 Thermal
    QT_TRANSLATE_NOOP("CaseRecordPage", "Weather/Season"), QT_TRANSLATE_NOOP("CaseRecordPage", "Sun"),
    QT_TRANSLATE_NOOP("CaseRecordPage", "Fan/Air Condition"), QT_TRANSLATE_NOOP("CaseRecordPage", "Bath"),
    QT_TRANSLATE_NOOP("CaseRecordPage", "Covering"), QT_TRANSLATE_NOOP("CaseRecordPage", "Getting Wet"),
    // 45-51 Female
    QT_TRANSLATE_NOOP("CaseRecordPage", "Menses: Menarche/LMP/Menopause/Cycle"),
    QT_TRANSLATE_NOOP("CaseRecordPage", "Menses Before"), QT_TRANSLATE_NOOP("CaseRecordPage", "Menses During"),
    QT_TRANSLATE_NOOP("CaseRecordPage", "Menses After"), QT_TRANSLATE_NOOP("CaseRecordPage", "Leucorrhoea"),
    QT_TRANSLATE_NOOP("CaseRecordPage", "Pregnancy, Labour, Puerperium"), QT_TRANSLATE_NOOP("CaseRecordPage", "Others"),
    // 52-56 Fever
    QT_TRANSLATE_NOOP("CaseRecordPage", "Chill"), QT_TRANSLATE_NOOP("CaseRecordPage", "Heat"),
    QT_TRANSLATE_NOOP("CaseRecordPage", "Sweat"), QT_TRANSLATE_NOOP("CaseRecordPage", "Thirst"),
    QT_TRANSLATE_NOOP("CaseRecordPage", "Periodicity"),
    // 57-58 Life Space
    QT_TRANSLATE_NOOP("CaseRecordPage", "Developmental Landmarks"),
    QT_TRANSLATE_NOOP("CaseRecordPage", "Life Situation"),
    // 59-60 Examination
    QT_TRANSLATE_NOOP("CaseRecordPage", "General"), QT_TRANSLATE_NOOP("CaseRecordPage", "Systemic"),
    // 61 Investigation
    QT_TRANSLATE_NOOP("CaseRecordPage", "Investigation"),
    // 62-63 History
    QT_TRANSLATE_NOOP("CaseRecordPage", "Past History"), QT_TRANSLATE_NOOP("CaseRecordPage", "Family History"),
    // 64-74 Mental State
    QT_TRANSLATE_NOOP("CaseRecordPage", "Anger"), QT_TRANSLATE_NOOP("CaseRecordPage", "Sadness"),
    QT_TRANSLATE_NOOP("CaseRecordPage", "Love"), QT_TRANSLATE_NOOP("CaseRecordPage", "Hate"),
    QT_TRANSLATE_NOOP("CaseRecordPage", "Fear"), QT_TRANSLATE_NOOP("CaseRecordPage", "Fright"),
    QT_TRANSLATE_NOOP("CaseRecordPage", "Anxiety Agitation"),
    QT_TRANSLATE_NOOP("CaseRecordPage", "Anxiety Anticipatory"),
    QT_TRANSLATE_NOOP("CaseRecordPage", "Anxiety Depression"), QT_TRANSLATE_NOOP("CaseRecordPage", "Guilt"),
    QT_TRANSLATE_NOOP("CaseRecordPage", "Conflict"),
    // 75 Notes/Observations
    QT_TRANSLATE_NOOP("CaseRecordPage", "Notes/Observations"),
    // 76-84 Thermal, second run
    QT_TRANSLATE_NOOP("CaseRecordPage", "Ice"), QT_TRANSLATE_NOOP("CaseRecordPage", "Ice Cream"),
    QT_TRANSLATE_NOOP("CaseRecordPage", "Cold Drinks"), QT_TRANSLATE_NOOP("CaseRecordPage", "Cold Water"),
    QT_TRANSLATE_NOOP("CaseRecordPage", "Cold Food"), QT_TRANSLATE_NOOP("CaseRecordPage", "WarmFood"),
    QT_TRANSLATE_NOOP("CaseRecordPage", "Hot Food"), QT_TRANSLATE_NOOP("CaseRecordPage", "Hot Drink"),
    QT_TRANSLATE_NOOP("CaseRecordPage", "Hot Water"),
    // 85-93 Thermal-state flags
    "C5H0", "C4H1", "C3H2", "C2H1", "CH", "C1H2", "C2H3", "C1H4", "C0H5"};

enum class Layout {
    Text, // subtitle row and text row per field, no spacer after the section
    UntitledText, // text row per field
    Labelled, // label and value per field, then a spacer
    Mixed, // label and value, but "Comments"/"Others" as subtitle and text after a spacer
    Thermal // text fields as label and value, the flags gathered in one "Thermal State" row
};

struct FieldRun
{
    std::size_t first;
    std::size_t last; // inclusive
};

struct Section
{
    const char* title;
    Layout layout;
    std::array<FieldRun, 3> runs;
    std::size_t runCount;
};

// The sections in display order, each with its fields in the order they are shown.
constexpr std::array<Section, 14> kSections = {{
    {QT_TRANSLATE_NOOP("CaseRecordPage", "Complaints"), Layout::Text, {{{0, 1}}}, 1},
    {QT_TRANSLATE_NOOP("CaseRecordPage", "Appearance"), Layout::Mixed, {{{2, 8}}}, 1},
    {QT_TRANSLATE_NOOP("CaseRecordPage", "Mind"), Layout::Text, {{{36, 38}}}, 1},
    {QT_TRANSLATE_NOOP("CaseRecordPage", "Mental State"), Layout::Labelled, {{{64, 74}}}, 1},
    {QT_TRANSLATE_NOOP("CaseRecordPage", "General"), Layout::Mixed, {{{9, 23}}}, 1},
    {QT_TRANSLATE_NOOP("CaseRecordPage", "Systemic"), Layout::Labelled, {{{24, 35}}}, 1},
    {QT_TRANSLATE_NOOP("CaseRecordPage", "Thermal"), Layout::Thermal, {{{39, 44}, {76, 84}, {85, 93}}}, 3},
    {QT_TRANSLATE_NOOP("CaseRecordPage", "Fever"), Layout::Labelled, {{{52, 56}}}, 1},
    {QT_TRANSLATE_NOOP("CaseRecordPage", "Female"), Layout::Text, {{{45, 51}}}, 1},
    {QT_TRANSLATE_NOOP("CaseRecordPage", "Life Space"), Layout::Text, {{{57, 58}}}, 1},
    {QT_TRANSLATE_NOOP("CaseRecordPage", "History"), Layout::Text, {{{62, 63}}}, 1},
    {QT_TRANSLATE_NOOP("CaseRecordPage", "Examination"), Layout::Text, {{{59, 60}}}, 1},
    {QT_TRANSLATE_NOOP("CaseRecordPage", "Investigation"), Layout::UntitledText, {{{61, 61}}}, 1},
    {QT_TRANSLATE_NOOP("CaseRecordPage", "Notes/Observations"), Layout::UntitledText, {{{75, 75}}}, 1},
}};

// A fixed text of the page in the user's language, made safe to place in the page.
std::string PageText(const char* source)
{
    return EscapeField(translate(kPageContext, source));
}

bool IsFlag(std::size_t field) noexcept
{
    return field >= kFirstThermalFlag;
}

template <typename Visit> void ForEachField(const Section& section, Visit visit)
{
    for (std::size_t r = 0; r < section.runCount; ++r)
        for (std::size_t i = section.runs[r].first; i <= section.runs[r].last; ++i)
            visit(i);
}

class CaseRecordPageBuilder
{
public:
    explicit CaseRecordPageBuilder(const std::vector<std::string>& fields) : m_fields(fields) {}

    std::string Build()
    {
        m_page.reserve(4096 + TotalFieldLength() * 2);
        const std::string heading = PageText(kCaseRecordHeading);
        m_page += kHeadStart;
        m_page += heading;
        m_page += kHeadTitleEnd;
        m_page += heading;
        m_page += kHeadEnd;
        for (const Section& section : kSections) {
            if (!IsShown(section))
                continue;
            m_page += kSectionHeaderStart;
            m_page += PageText(section.title);
            m_page += kSectionHeaderEnd;
            switch (section.layout) {
            case Layout::Text:
            case Layout::UntitledText: AppendTextBody(section); break;
            case Layout::Labelled: AppendLabelledBody(section); break;
            case Layout::Mixed: AppendMixedBody(section); break;
            case Layout::Thermal: AppendThermalBody(section); break;
            }
        }
        return m_page;
    }

private:
    const std::string& Field(std::size_t i) const
    {
        static const std::string empty;
        return i < m_fields.size() ? m_fields[i] : empty;
    }

    std::size_t TotalFieldLength() const
    {
        std::size_t total = 0;
        for (const std::string& field : m_fields)
            total += field.size();
        return total;
    }

    bool IsShown(const Section& section) const
    {
        bool shown = false;
        ForEachField(section, [&](std::size_t i) {
            if (IsFlag(i) ? Field(i) == "TRUE" : !Field(i).empty())
                shown = true;
        });
        return shown;
    }

    void AppendSubtitleRow(const char* subtitle)
    {
        m_page += kSubtitleStart;
        m_page += PageText(subtitle);
        m_page += kSubtitleEnd;
    }

    void AppendTextRow(const std::string& text)
    {
        m_page += kTextStart;
        m_page += text;
        m_page += kTextEnd;
    }

    void AppendLabelCells(std::string_view label)
    {
        m_page += kLabelStart;
        m_page += label;
        m_page += kLabelEnd;
    }

    void AppendLabelledRow(const char* label, const std::string& value)
    {
        AppendLabelCells(PageText(label));
        m_page += kValueStart;
        m_page += value;
        m_page += kValueEnd;
    }

    void AppendTextBody(const Section& section)
    {
        ForEachField(section, [&](std::size_t i) {
            if (Field(i).empty())
                return;
            if (section.layout == Layout::Text)
                AppendSubtitleRow(kSubtitles[i]);
            AppendTextRow(Field(i));
        });
    }

    void AppendLabelledBody(const Section& section)
    {
        ForEachField(section, [&](std::size_t i) {
            if (!Field(i).empty())
                AppendLabelledRow(kSubtitles[i], Field(i));
        });
        m_page += kSpacer;
    }

    void AppendMixedBody(const Section& section)
    {
        bool rowsWritten = false;
        bool endsWithText = false;
        ForEachField(section, [&](std::size_t i) {
            if (Field(i).empty())
                return;
            const std::string_view subtitle = kSubtitles[i];
            if (subtitle == "Comments" || subtitle == "Others") {
                if (rowsWritten)
                    m_page += kSpacer;
                AppendSubtitleRow(kSubtitles[i]);
                AppendTextRow(Field(i));
                endsWithText = true;
            } else {
                AppendLabelledRow(kSubtitles[i], Field(i));
                endsWithText = false;
            }
            rowsWritten = true;
        });
        if (!endsWithText)
            m_page += kSpacer;
    }

    void AppendThermalCode(std::string_view code)
    {
        if (code.size() < 4) {
            m_page += code;
            return;
        }
        m_page += code[0];
        m_page += "<SUB>";
        m_page += code[1];
        m_page += "</SUB>";
        m_page += code[2];
        m_page += "<SUB>";
        m_page += code[3];
        m_page += "</SUB>";
        m_page += code.substr(4);
    }

    void AppendThermalBody(const Section& section)
    {
        bool stateRowOpen = false;
        ForEachField(section, [&](std::size_t i) {
            const std::string& value = Field(i);
            if (value.empty() || value == "FALSE")
                return;
            if (!IsFlag(i)) {
                AppendLabelledRow(kSubtitles[i], value);
                return;
            }
            if (value != "TRUE")
                return;
            if (!stateRowOpen) {
                AppendLabelCells(PageText(QT_TRANSLATE_NOOP("CaseRecordPage", "Thermal State")));
                m_page += kValueStart;
                stateRowOpen = true;
            } else {
                m_page += ", ";
            }
            AppendThermalCode(kSubtitles[i]);
        });
        if (stateRowOpen)
            m_page += kValueEnd;
        m_page += kSpacer;
    }

    const std::vector<std::string>& m_fields;
    std::string m_page;
};

void ReplaceAll(std::string& text, std::string_view from, std::string_view to)
{
    if (text.find(from) == std::string::npos)
        return;
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    std::size_t start = 0;
    for (std::size_t hit = text.find(from); hit != std::string::npos; hit = text.find(from, start)) {
        out.append(text, start, hit - start);
        out += to;
        start = hit + from.size();
    }
    out.append(text, start, std::string::npos);
    text = std::move(out);
}

// ---- Follow-up ---------------------------------------------------------------------------------

constexpr const char* kFollowupHeading = QT_TRANSLATE_NOOP("CaseRecordPage", "Patient Followup");

// The head of the page, its title and heading around the translated "Patient Followup".
constexpr std::string_view kFollowupHeadStart = "<html><head><title>";
constexpr std::string_view kFollowupHeadTitleEnd = "</title></head>"
                                                   "<body>"
                                                   "<table border=\"0\" width=\"100%\">"
                                                   "<tr><td width=\"100%\">"
                                                   "<p align=\"center\"><b><u><i><font size=\"5\">";
constexpr std::string_view kFollowupHeadEnd = "</font></i></u></b>"
                                              "</td></tr>"
                                              "<tr><td width=\"100%\">&nbsp</td></tr>";

constexpr std::string_view kFollowupTail = "</table></body></html>";

constexpr std::string_view kDateStart = "<tr><td width=\"100%\" bgcolor=\"#C8C8C8\" align=\"CENTER\" valign=\"MIDDLE\">"
                                        "<p ALIGN=\"left\"><font size=\"4\" name=\"subheading\" face=\"Arial\"><b><i>";
constexpr std::string_view kDateEnd = "</i></b></font></td></tr>";

constexpr std::string_view kComplaintsStart
    = "<tr><td>"
      "<table border=\"1\" width=\"100%\" bordercolor=\"#C0C0C0\" cellspacing=\"0\">"
      "<tr><td width=\"15%\" valign=\"top\" align=\"left\"><b>";
constexpr const char* kComplaintsLabel = QT_TRANSLATE_NOOP("CaseRecordPage", "Complaints");
constexpr std::string_view kComplaintsLabelEnd
    = " :</b></td>"
      "<td width=\"85%\" colspan=\"3\"><font color=\"#800000\" face=\"Times New Roman\">";
constexpr std::string_view kComplaintsEnd = "<br><br></font></td></tr>";

// The heading row of a visit's remedy, each cell's start and its translated heading, then the row of values.
struct HeadingCell
{
    std::string_view start;
    const char* heading;
};
constexpr std::array<HeadingCell, 4> kRemedyHeadings = {{
    {"<td width=\"15%\"><b>", QT_TRANSLATE_NOOP("CaseRecordPage", "Rx")},
    {"<td width=\"15%\"><b>", QT_TRANSLATE_NOOP("CaseRecordPage", "Potency")},
    {"<td width=\"30%\"><b>", QT_TRANSLATE_NOOP("CaseRecordPage", "Repetition")},
    {"<td width=\"40%\"><b>", QT_TRANSLATE_NOOP("CaseRecordPage", "Evaluation")},
}};
constexpr std::string_view kHeadingCellEnd = "</b></td>";
constexpr std::string_view kRemedyValuesStart
    = "</tr>"
      "<tr>"
      "<td width=\"15%\" valign=\"top\" align=\"left\"><font face=\"Times New Roman\" color=\"#800000\">";
constexpr std::string_view kPotencyStart
    = "<td width=\"15%\" valign=\"top\" align=\"left\"><font face=\"Times New Roman\" color=\"#800000\">";
constexpr std::string_view kRepetitionStart
    = "<td width=\"30%\" valign=\"top\" align=\"left\"><font face=\"Times New Roman\" color=\"#800000\">";
constexpr std::string_view kEvaluationStart
    = "<td width=\"40%\" valign=\"top\" align=\"left\"><font face=\"Times New Roman\" color=\"#800000\">";
constexpr std::string_view kCellEnd = "</font></td>";
constexpr std::string_view kVisitEnd = "</tr></table></td></tr>"
                                       "<tr><td width=\"100%\" valign=\"top\" align=\"left\">&nbsp</td></tr>";

// The shown fields of a visit: date, complaints, remedy, potency, repetition, evaluation.
constexpr std::size_t kFollowupFields = 6;

constexpr std::array<const char*, 12> kMonthNames
    = {QT_TRANSLATE_NOOP("CaseRecordPage", "Jan"), QT_TRANSLATE_NOOP("CaseRecordPage", "Feb"),
        QT_TRANSLATE_NOOP("CaseRecordPage", "Mar"), QT_TRANSLATE_NOOP("CaseRecordPage", "Apr"),
        QT_TRANSLATE_NOOP("CaseRecordPage", "May"), QT_TRANSLATE_NOOP("CaseRecordPage", "Jun"),
        QT_TRANSLATE_NOOP("CaseRecordPage", "Jul"), QT_TRANSLATE_NOOP("CaseRecordPage", "Aug"),
        QT_TRANSLATE_NOOP("CaseRecordPage", "Sep"), QT_TRANSLATE_NOOP("CaseRecordPage", "Oct"),
        QT_TRANSLATE_NOOP("CaseRecordPage", "Nov"), QT_TRANSLATE_NOOP("CaseRecordPage", "Dec")};

bool ParseNumber(std::string_view text, int& value)
{
    if (text.empty() || text.size() > 9)
        return false;
    for (const char c : text)
        if (c < '0' || c > '9')
            return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

int DaysInMonth(int month, int year) noexcept
{
    static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

} // namespace

std::string FormatFollowupDate(std::string_view date)
{
    const std::size_t slash1 = date.find('/');
    const std::size_t slash2 = slash1 == std::string_view::npos ? slash1 : date.find('/', slash1 + 1);
    if (slash2 == std::string_view::npos || date.find('/', slash2 + 1) != std::string_view::npos)
        return std::string(date);
    int day = 0, month = 0, year = 0;
    if (!ParseNumber(date.substr(0, slash1), day) || !ParseNumber(date.substr(slash1 + 1, slash2 - slash1 - 1), month)
        || !ParseNumber(date.substr(slash2 + 1), year))
        return std::string(date);
    if (year < 100 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(month, year))
        return std::string(date);
    const std::string monthName = translate(kPageContext, kMonthNames[static_cast<std::size_t>(month - 1)]);
    //: A visit's date on the follow-up page: day, abbreviated month name, year ("5 Nov, 2002").
    return FormatText(translate("CaseRecordPage", "%1 %2, %3"), {std::to_string(day), monthName, std::to_string(year)});
}

std::string BuildCaseRecordPage(const std::vector<std::string>& fields)
{
    std::string page = CaseRecordPageBuilder(fields).Build();
    ReplaceAll(page, "\n", "<BR>");
    return page;
}

std::string BuildFollowupPage(const std::vector<FollowupRecord>& records)
{
    const std::string heading = PageText(kFollowupHeading);
    std::string page(kFollowupHeadStart);
    page += heading;
    page += kFollowupHeadTitleEnd;
    page += heading;
    page += kFollowupHeadEnd;
    const std::string complaintsLabel = PageText(kComplaintsLabel);
    std::string remedyHeadings = "<tr>";
    for (const HeadingCell& cell : kRemedyHeadings) {
        remedyHeadings += cell.start;
        remedyHeadings += PageText(cell.heading);
        remedyHeadings += kHeadingCellEnd;
    }
    remedyHeadings += kRemedyValuesStart;
    for (const FollowupRecord& record : records) {
        // A record cut short still closes its table: missing fields show as empty ones.
        const std::size_t count = record.empty() ? 0 : kFollowupFields;
        for (std::size_t position = 0; position < count; ++position) {
            const std::string empty;
            const std::string& field = position < record.size() ? record[position] : empty;
            const std::string_view text = field.empty() ? std::string_view("--") : std::string_view(field);
            switch (position) {
            case 0:
                page += kDateStart;
                page += field.empty() ? std::string("&nbsp") : FormatFollowupDate(field);
                page += kDateEnd;
                break;
            case 1:
                page += kComplaintsStart;
                page += complaintsLabel;
                page += kComplaintsLabelEnd;
                page += text;
                page += kComplaintsEnd;
                break;
            case 2:
                page += remedyHeadings;
                page += text;
                page += kCellEnd;
                break;
            case 3:
                page += kPotencyStart;
                page += text;
                page += kCellEnd;
                break;
            case 4:
                page += kRepetitionStart;
                page += text;
                page += kCellEnd;
                break;
            default:
                page += kEvaluationStart;
                page += text;
                page += kCellEnd;
                page += kVisitEnd;
                break;
            }
        }
    }
    page += kFollowupTail;
    ReplaceAll(page, "\n", "<BR>");
    ReplaceAll(page, " : ", "<BR>");
    return page;
}

std::optional<std::string> BuildPatientPage(
    const CPracticeFolder& folder, const std::string& patientFile, bool caseRecord, IMessageSink& sink)
{
    if (caseRecord && patientFile.empty())
        return std::nullopt;
    try {
        std::vector<std::uint8_t> bytes;
        // An empty registration number names no file (not the hidden ".flw" of the folder).
        const ReadStatus status = patientFile.empty()
            ? ReadStatus::NotFound
            : folder.ReadFile(patientFile + (caseRecord ? ".cas" : ".flw"), bytes);
        if (status == ReadStatus::OutOfMemory)
            throw std::bad_alloc();
        if (status != ReadStatus::Ok) {
            if (caseRecord)
                sink.Show(kMsgNoCaseRecordData, {}, MessageIcon::Warning);
            else
                sink.Show(kMsgNoFollowupData, {}, MessageIcon::Error);
            return std::nullopt;
        }
        if (!caseRecord)
            return BuildFollowupPage(ReadFollowups(bytes));
        if (bytes.empty())
            return std::nullopt;
        std::vector<std::string> fields;
        ReadCaseRecord(bytes, fields);
        return BuildCaseRecordPage(fields);
    } catch (const std::bad_alloc&) {
        sink.Show(kMsgInsufficientMemory);
        return std::nullopt;
    }
}

std::optional<std::filesystem::path> WritePageFile(const CPracticeFolder& folder, std::string_view page)
{
    const std::optional<std::filesystem::path> path = folder.PathForWriting(kPageFileName);
    if (!path || !WriteFileAtomically(*path, page))
        return std::nullopt;
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(*path, error);
    return error ? *path : absolute;
}

} // namespace quillon
