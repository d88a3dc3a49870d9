// Building the case-record and follow-up pages.
#include "caserecord/CaseRecordPage.h"

#include "casedata/CaseStore.h"
#include "casedata/MessageSink.h"
#include "casedata/PracticeFolder.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <new>

namespace quillon {

namespace {

// ---- Case record -------------------------------------------------------------------------------

constexpr std::string_view kHead
    = "<HTML><HEAD><TITLE>Full Case Record</TITLE></HEAD>"
      "<BODY>"
      "<TABLE BORDER=0 WIDTH=100%>"
      "<TR>"
      "<TD colspan=\"3\" VALIGN=\"MIDDLE\" ALIGN=\"CENTER\"><BR>"
      "<B><U><I><FONT SIZE=\"5\">Full Case Record</FONT></I></U><FONT SIZE=\"5\"></FONT></B>"
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

// Subtitle of every field, by field number.
constexpr std::array<const char*, kCaseRecordFieldCount> kSubtitles = {
    // 0-1 Complaints
    "Chief Complaints", "Associated Complaints",
    // 2-8 Appearance
    "Height", "Weight", "Built", "Hair", "Gait", "Skin/Nails", "Comments",
    // 9-23 General
    "Appetite", "Thirst", "Habits", "Craving", "Aversion", "Aggravation", "Flatulence/Intestinal", "Eructations",
    "Stool", "Urine", "Perspiration", "Sleep", "Dreams", "Sexual Functions", "Others",
    // 24-35 Systemic
    "Head", "Face", "Eyes/Vision", "Ears/Hearing", "Nose", "Mouth/Toungue", "Teeth/Gums", "GIT", "Respiratory",
    "Urinary", "Extremities", "Genetalia",
    // 36-38 Mind
    "Emotional", "Intellectual", "Subconscious",
    // 39-44 Thermal
    "Weather/Season", "Sun", "Fan/Air Condition", "Bath", "Covering", "Getting Wet",
    // 45-51 Female
    "Menses: Menarche/LMP/Menopause/Cycle", "Menses Before", "Menses During", "Menses After", "Leucorrhoea",
    "Pregnancy, Labour, Puerperium", "Others",
    // 52-56 Fever
    "Chill", "Heat", "Sweat", "Thirst", "Periodicity",
    // 57-58 Life Space
    "Developmental Landmarks", "Life Situation",
    // 59-60 Examination
    "General", "Systemic",
    // 61 Investigation
    "Investigation",
    // 62-63 History
    "Past History", "Family History",
    // 64-74 Mental State
    "Anger", "Sadness", "Love", "Hate", "Fear", "Fright", "Anxiety Agitation", "Anxiety Anticipatory",
    "Anxiety Depression", "Guilt", "Conflict",
    // 75 Notes/Observations
    "Notes/Observations",
    // 76-84 Thermal, second run
    "Ice", "Ice Cream", "Cold Drinks", "Cold Water", "Cold Food", "WarmFood", "Hot Food", "Hot Drink", "Hot Water",
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
    {"Complaints", Layout::Text, {{{0, 1}}}, 1},
    {"Appearance", Layout::Mixed, {{{2, 8}}}, 1},
    {"Mind", Layout::Text, {{{36, 38}}}, 1},
    {"Mental State", Layout::Labelled, {{{64, 74}}}, 1},
    {"General", Layout::Mixed, {{{9, 23}}}, 1},
    {"Systemic", Layout::Labelled, {{{24, 35}}}, 1},
    {"Thermal", Layout::Thermal, {{{39, 44}, {76, 84}, {85, 93}}}, 3},
    {"Fever", Layout::Labelled, {{{52, 56}}}, 1},
    {"Female", Layout::Text, {{{45, 51}}}, 1},
    {"Life Space", Layout::Text, {{{57, 58}}}, 1},
    {"History", Layout::Text, {{{62, 63}}}, 1},
    {"Examination", Layout::Text, {{{59, 60}}}, 1},
    {"Investigation", Layout::UntitledText, {{{61, 61}}}, 1},
    {"Notes/Observations", Layout::UntitledText, {{{75, 75}}}, 1},
}};

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
        m_page += kHead;
        for (const Section& section : kSections) {
            if (!IsShown(section))
                continue;
            m_page += kSectionHeaderStart;
            m_page += section.title;
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
        m_page += subtitle;
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
        AppendLabelCells(label);
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
                AppendLabelCells("Thermal State");
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

constexpr std::string_view kFollowupHead
    = "<html><head><title>Patient Followup</title></head>"
      "<body>"
      "<table border=\"0\" width=\"100%\">"
      "<tr><td width=\"100%\">"
      "<p align=\"center\"><b><u><i><font size=\"5\">Patient Followup</font></i></u></b>"
      "</td></tr>"
      "<tr><td width=\"100%\">&nbsp</td></tr>";

constexpr std::string_view kFollowupTail = "</table></body></html>";

constexpr std::string_view kDateStart = "<tr><td width=\"100%\" bgcolor=\"#C8C8C8\" align=\"CENTER\" valign=\"MIDDLE\">"
                                        "<p ALIGN=\"left\"><font size=\"4\" name=\"subheading\" face=\"Arial\"><b><i>";
constexpr std::string_view kDateEnd = "</i></b></font></td></tr>";

constexpr std::string_view kComplaintsStart
    = "<tr><td>"
      "<table border=\"1\" width=\"100%\" bordercolor=\"#C0C0C0\" cellspacing=\"0\">"
      "<tr><td width=\"15%\" valign=\"top\" align=\"left\"><b>Complaints :</b></td>"
      "<td width=\"85%\" colspan=\"3\"><font color=\"#800000\" face=\"Times New Roman\">";
constexpr std::string_view kComplaintsEnd = "<br><br></font></td></tr>";

constexpr std::string_view kRemedyStart
    = "<tr>"
      "<td width=\"15%\"><b>Rx</b></td>"
      "<td width=\"15%\"><b>Potency</b></td>"
      "<td width=\"30%\"><b>Repetition</b></td>"
      "<td width=\"40%\"><b>Evaluation</b></td>"
      "</tr>"
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
    = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

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
    std::string out = std::to_string(day);
    out += ' ';
    out += kMonthNames[static_cast<std::size_t>(month - 1)];
    out += ", ";
    out += std::to_string(year);
    return out;
}

std::string BuildCaseRecordPage(const std::vector<std::string>& fields)
{
    std::string page = CaseRecordPageBuilder(fields).Build();
    ReplaceAll(page, "\n", "<BR>");
    return page;
}

std::string BuildFollowupPage(const std::vector<FollowupRecord>& records)
{
    std::string page(kFollowupHead);
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
                page += text;
                page += kComplaintsEnd;
                break;
            case 2:
                page += kRemedyStart;
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
