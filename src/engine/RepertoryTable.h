// The repertories a rubric can come from, and the chart line that names a rubric's repertory.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace quillon {

inline constexpr int kRepertoryCount = 22;

// Abbreviation of each repertory, indexed by a symptom's repertory index (m_nType).
inline constexpr std::array<std::string_view, kRepertoryCount> kRepertoryAbbreviations{" ", "KT", "PH", "BN", "BR",
    "BG", "CL", "TH", "FR", "SP", "RA", "C", "RB", "LP", "GN", "WD", "AL", "KR", "CO", "MM", "CU", "UR"};

// The repertory each abbreviation stands for; the last four have no name.
inline constexpr std::array<std::string_view, kRepertoryCount> kRepertoryNames{"", "Kent", "Phatak", "Boenning",
    "Boerricke", "Boger", "Clarke", "Therap", "Fever", "Special", "Rare", "Complete", "Roberts", "Lippe", "Gentry",
    "Wards", "Allen", "Knerr", "", "", "", ""};

// The abbreviation of a repertory index; an index outside the table gets the blank of "no repertory".
std::string_view RepertoryAbbreviation(int nType) noexcept;

// At most this many characters of a rubric's text make up its chart line.
inline constexpr std::size_t kMaxSymptomLineText = 290;

// The chart's line for a rubric: a rubric whose text holds "]" has its own bracketed prefix replaced by
// "[" and the repertory abbreviation (the text from the first "]" on is kept); any other rubric is shown
// as "[", the abbreviation, "] " and its text. At most `maxText` characters of the text are used (the chart
// draws the first kMaxSymptomLineText; the chart's text dump takes the whole text).
std::string ComposeSymptomLine(std::string_view text, int nType, std::size_t maxText = kMaxSymptomLineText);

} // namespace quillon
