// One recorded symptom of a visit, as read from the patient's ".rsy" file.
#pragma once

#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace quillon {

// Symptom kinds as stored in the file.
inline constexpr int kKindMind = 'M';
inline constexpr int kKindGeneral = 'G';
inline constexpr int kKindRest = 'F';

// A remedy code is written as two base-222 digits, the high one offset by 33 and the low one by 34;
// the absolute value is part of the rule.
constexpr int DecodeRemedyCode(std::uint8_t high, std::uint8_t low) noexcept
{
    const int value = 222 * high + low - 7360;
    return value < 0 ? -value : value;
}

constexpr int DecodeGrade(std::uint8_t digit) noexcept
{
    return static_cast<int>(digit) - '0';
}

struct CSymptomRecord
{
    int m_nLength = 0; // record length in the file, header included
    int m_nLevel = 0; // the word after the remedy entries; chooses the line style in the materia medica
    int m_nRemedyCount = 0; // N, at least 1
    std::vector<std::uint8_t> m_pRemedies; // 3 * N bytes of entries (grade digit, code high, code low), then a 0
    std::string m_pszText;
    int m_nType = 0; // repertory index
    int m_nKind = 0; // 'M', 'G' or 'F'
    int m_nTailWord1 = 26; // kept, not interpreted
    int m_nTailWord2 = -1; // kept, not interpreted

    int Grade(int entry) const noexcept { return DecodeGrade(m_pRemedies[3 * static_cast<std::size_t>(entry)]); }
    int RemedyCode(int entry) const noexcept
    {
        const std::size_t at = 3 * static_cast<std::size_t>(entry);
        return DecodeRemedyCode(m_pRemedies[at + 1], m_pRemedies[at + 2]);
    }
};

} // namespace quillon
