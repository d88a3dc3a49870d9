// The Drug List: the chart's remedy rows in display order, the abbreviation search and where the chart's
// remedy bar lands for the row the list selects.
#pragma once

#include "state/ChartRow.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillon {

// The longest search text; the rest of what is typed is ignored.
inline constexpr std::size_t kDrugSearchLength = 8;
// What an empty search box searches for.
inline constexpr const char* kDrugSearchDefault = "A";

// The three fields a list row is drawn with, cut as the drawing cuts them.
struct DrugListFields
{
    std::string abbreviation; // up to the first ':', at most 29 characters
    std::string totality; // up to the next ':', at most 9 characters
    std::string covered; // up to the next ':', at most 9 characters
};

// The line the list holds for a row, "abbreviation:totality:covered:"; the search reads it from its start.
std::string DrugListLine(const ChartRow& row);
// The fields a line is drawn with (at most its first 47 characters are read).
DrugListFields SplitDrugListRow(std::string_view line);

// What a change of the search text does to the list and to the chart.
struct DrugSearchResult
{
    int found = -1; // the first row beginning with the text, -1 when none does
    int selected = -1; // the row selected afterwards (the first row when none matched, -1 for an empty list)
    int sent = -1; // the display index the chart is told to scroll to: the found row, or -1
};

class CDrugListModel final
{
public:
    // rows: the chart's remedy rows in display order, copied.
    explicit CDrugListModel(const std::vector<ChartRow>& rows);

    int Count() const { return static_cast<int>(m_rows.size()); }
    const ChartRow& Row(int i) const { return m_rows.at(static_cast<std::size_t>(i)); }
    // The lines the list shows, one per row.
    const std::vector<std::string>& Lines() const { return m_lines; }

    // Searches with the first 8 characters of `text` (single-byte), or "A" when it is empty, for the first
    // row that begins with them, letter case ignored.
    DrugSearchResult Search(std::string_view text) const;

private:
    std::vector<ChartRow> m_rows;
    std::vector<std::string> m_lines;
};

// The remedy bar's position for a display index the drug list sends: the bar never leaves its range
// 0..maximum, so -1 (no match) shows the first column and an index past the maximum the last page.
int ClampRemedyPosition(int index, int maximum) noexcept;

} // namespace quillon
