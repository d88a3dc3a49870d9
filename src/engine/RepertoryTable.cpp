// The repertory table and the chart line of a rubric.
#include "engine/RepertoryTable.h"

namespace quillon {

std::string_view RepertoryAbbreviation(int nType) noexcept
{
    if (nType < 0 || nType >= kRepertoryCount)
        return kRepertoryAbbreviations[0];
    return kRepertoryAbbreviations[static_cast<std::size_t>(nType)];
}

std::string ComposeSymptomLine(std::string_view text, int nType, std::size_t maxText)
{
    text = text.substr(0, maxText);
    const std::string_view abbreviation = RepertoryAbbreviation(nType);
    std::string line;
    line.reserve(text.size() + abbreviation.size() + 3);
    line += '[';
    line += abbreviation;
    if (const std::size_t bracket = text.find(']'); bracket != std::string_view::npos) {
        line += text.substr(bracket);
    } else {
        line += "] ";
        line += text;
    }
    return line;
}

} // namespace quillon
