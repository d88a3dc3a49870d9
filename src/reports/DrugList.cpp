// The Drug List model.
#include "reports/DrugList.h"

#include "casedata/TextCodec.h"

#include <algorithm>

namespace quillon {
namespace {

constexpr std::size_t kRowReadLength = 47;
constexpr std::size_t kAbbreviationField = 29;
constexpr std::size_t kNumberField = 9;

// The text up to the next ':' (or the end) from `at`, cut to `limit`; `at` moves past the ':'.
std::string NextField(std::string_view row, std::size_t& at, std::size_t limit)
{
    if (at >= row.size())
        return {};
    const std::size_t colon = row.find(':', at);
    const std::size_t end = colon == std::string_view::npos ? row.size() : colon;
    std::string field(row.substr(at, std::min(end - at, limit)));
    at = end == row.size() ? end : end + 1;
    return field;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) noexcept
{
    return text.size() >= prefix.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

} // namespace

std::string DrugListLine(const ChartRow& row)
{
    return row.name + ':' + std::to_string(row.totality) + ':' + std::to_string(row.covered) + ':';
}

DrugListFields SplitDrugListRow(std::string_view row)
{
    row = row.substr(0, std::min(row.size(), kRowReadLength));
    std::size_t at = 0;
    DrugListFields fields;
    fields.abbreviation = NextField(row, at, kAbbreviationField);
    fields.totality = NextField(row, at, kNumberField);
    fields.covered = NextField(row, at, kNumberField);
    return fields;
}

CDrugListModel::CDrugListModel(const std::vector<ChartRow>& rows) : m_rows(rows)
{
    m_lines.reserve(m_rows.size());
    for (const ChartRow& row : m_rows)
        m_lines.push_back(DrugListLine(row));
}

DrugSearchResult CDrugListModel::Search(std::string_view text) const
{
    std::string_view prefix = text.substr(0, std::min(text.size(), kDrugSearchLength));
    if (prefix.empty())
        prefix = kDrugSearchDefault;
    DrugSearchResult result;
    const auto match = std::find_if(
        m_lines.begin(), m_lines.end(), [prefix](const std::string& line) { return StartsWithNoCase(line, prefix); });
    if (match != m_lines.end()) {
        result.found = static_cast<int>(match - m_lines.begin());
        result.selected = result.found;
        result.sent = result.found;
    } else if (!m_rows.empty()) {
        result.selected = 0;
    }
    return result;
}

int ClampRemedyPosition(int index, int maximum) noexcept
{
    return std::clamp(index, 0, std::max(maximum, 0));
}

} // namespace quillon
