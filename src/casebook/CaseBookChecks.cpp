// The rules of what the case book accepts.
#include "casebook/CaseBookChecks.h"

#include "casedata/Translatable.h"

namespace quillon {
namespace {

int Digits(std::string_view text, std::size_t at, std::size_t count)
{
    int value = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

int DaysInMonth(int year, int month)
{
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

} // namespace

std::size_t CharacterCount(std::string_view utf8)
{
    std::size_t count = 0;
    for (const char c : utf8)
        if ((static_cast<unsigned char>(c) & 0xc0) != 0x80)
            ++count;
    return count;
}

std::string TooLong(const char* field, std::string_view utf8, std::size_t bound)
{
    // The byte count bounds the character count from above: most texts are decided without counting.
    if (utf8.size() <= bound || CharacterCount(utf8) <= bound)
        return {};
    return FormatText(translate("Message", "\"%1\" is longer than %2 characters"), {field, std::to_string(bound)});
}

std::string AnalysisTextsProblem(const AnalysisRecord& a)
{
    for (std::string reason : {TooLong("name", a.name, kMaxCaseBookName), TooLong("notes", a.notes, kMaxCaseBookNote),
             TooLong("caption", a.caption, kMaxCaseBookCaption)})
        if (!reason.empty())
            return reason;
    if (a.topRemedies.size() > kMaxTopRemedies)
        return FormatText(translate("Message", "\"%1\" holds more than %2 entries"),
            {"topRemedies", std::to_string(kMaxTopRemedies)});
    for (const std::string& remedy : a.topRemedies)
        if (std::string reason = TooLong("topRemedies", remedy, kMaxCaseBookShortText); !reason.empty())
            return reason;
    if (a.steps.size() > kMaxSteps)
        return FormatText(
            translate("Message", "\"%1\" holds more than %2 entries"), {"steps", std::to_string(kMaxSteps)});
    for (const std::string& step : a.steps)
        if (std::string reason = TooLong("steps", step, kMaxStepLength); !reason.empty())
            return reason;
    return {};
}

std::string PrescriptionTextsProblem(const PrescriptionRecord& p)
{
    for (std::string reason : {TooLong("remedyName", p.remedyName, kMaxCaseBookShortText),
             TooLong("potency", p.potency, kMaxCaseBookShortText),
             TooLong("repetition", p.repetition, kMaxCaseBookShortText), TooLong("note", p.note, kMaxCaseBookNote)})
        if (!reason.empty())
            return reason;
    return {};
}

bool IsCalendarDate(std::string_view t)
{
    if (t.size() != 10 || t[4] != '-' || t[7] != '-')
        return false;
    const int year = Digits(t, 0, 4), month = Digits(t, 5, 2), day = Digits(t, 8, 2);
    return year >= 1 && month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(year, month);
}

bool IsCaseBookTime(std::string_view t)
{
    if (t.size() != 20 || t[10] != 'T' || t[13] != ':' || t[16] != ':' || t[19] != 'Z'
        || !IsCalendarDate(t.substr(0, 10)))
        return false;
    const int hour = Digits(t, 11, 2), minute = Digits(t, 14, 2), second = Digits(t, 17, 2);
    return hour >= 0 && hour < 24 && minute >= 0 && minute < 60 && second >= 0 && second < 60;
}

} // namespace quillon
