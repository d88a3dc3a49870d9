// The mineral filter without its dialog: the table, the remedies' element codes and their ranking, the single and
// the row-and-column selection, and OK's kept and excluded lists.
#pragma once

#include "casedata/MessageSink.h"
#include "casedata/PracticeFolder.h"
#include "filters/FilterFiles.h"
#include "filters/FilterTypes.h"
#include "filters/PeriodicTable.h"
#include "state/KingdomFilterState.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quillon {

struct CElementRank
{
    int count = 0;
    int element = 0;
};

inline constexpr int kRankEntries = 10; // entries 0..8 hold the ranking, entry 9 is spare
inline constexpr int kShownRanks = 4;
inline constexpr int kElementSlots = 256; // one counter per value of an element byte

// Ranks the counters: up to nine elements (2 to 199; hydrogen takes no part) in descending order of count, ties by
// ascending element number, elements with count 0 never.
std::array<CElementRank, kRankEntries> RankElements(const std::array<int, kElementSlots>& counts);

// The file images the dialog opens with; an absent file is a null pointer.
struct MineralFilterFiles
{
    const std::string* periodText = nullptr;
    const std::string* lanthText = nullptr;
    const std::string* groupList = nullptr;
    const std::string* mineralCodes = nullptr;
};

class CMineralFilterModel final
{
public:
    explicit CMineralFilterModel(IMessageSink& sink) : m_sink(sink) {}

    // Opening: reads the four files from the folder, reporting each that cannot be read; the dialog opens with
    // what could be loaded.
    void Load(const CPracticeFolder& folder, const std::vector<FilterRemedy>& remedies);
    void LoadImages(const MineralFilterFiles& files, const std::vector<FilterRemedy>& remedies);

    const CellTable& Cells() const { return m_mapCells; }
    const CElementCell& Cell(int i) const { return m_mapCells[static_cast<std::size_t>(i)]; }
    int HitTest(int x, int y) const noexcept { return HitTestCell(m_mapCells, x, y); }
    const std::vector<std::string>& Groups() const { return m_groups; }
    const std::array<CElementRank, kRankEntries>& Ranks() const { return m_aRank; }
    int ElementCount(int element) const;
    // The rank entry (0..3) a cell is coloured with, or -1.
    int ShownRankOfCell(int cell) const;

    // Pointer movement: true when the element label changed; its text is HoverText().
    bool MouseMove(int x, int y);
    const std::string& HoverText() const { return m_strHover; }

    // The left button at a point, or on a cell (-1: no cell).
    void LeftButton(int x, int y) { LeftButtonOnCell(HitTest(x, y)); }
    void LeftButtonOnCell(int cell);
    // The right button at a point, or on a cell (-1: no cell).
    void RightButton(int x, int y) { RightButtonOnCell(HitTest(x, y)); }
    void RightButtonOnCell(int cell);
    // The "Vertical" and "Horizontal" boxes after a click has set them to `checked`.
    void VerticalClicked(bool checked);
    // What the user did in the dialog, as quillon-report's mineral steps (left=CELL right=CELL vertical
    // horizontal group=N); a click that meets no cell is written with cell 1, which no click can meet.
    const std::vector<std::string>& Steps() const { return m_arrSteps; }
    void HorizontalClicked(bool checked);
    bool IsVertical() const { return m_bVertical; }
    bool IsHorizontal() const { return m_bHorizontal; }

    // The "Basic Group" list position, -1 when none.
    void SelectGroup(int index);

    // OK: what the chart removes, the two texts, and the application's no-selection flag.
    MineralFilterResult Ok(KingdomFilterState& state) const;

    // State of the selection rules.
    int SelectedCount() const { return m_nSelectedCount; }

    struct MineralEntry
    {
        RemedyKey key = 0;
        MineralCode code;
    };
    const std::vector<MineralEntry>& Minerals() const { return m_mapMinerals; }

private:
    CElementCell& MutableCell(int i) { return m_mapCells[static_cast<std::size_t>(i)]; }
    bool IsSelectable(int cell) const { return cell >= 0 && cell < kCellCount && !Cell(cell).IsBlank(); }
    void AppendColumnText(int column);
    void AppendRowText(int row);

    IMessageSink& m_sink;
    CellTable m_mapCells;
    std::vector<MineralEntry> m_mapMinerals;
    std::array<int, kElementSlots> m_anElementCount{};
    std::array<CElementRank, kRankEntries> m_aRank{};
    std::vector<std::string> m_groups;
    int m_nSelectedGroup = -1;
    std::vector<std::string> m_arrSteps;
    std::string m_strElements;
    std::string m_strHover;
    int m_nHoverCell = 0;
    int m_nLastRightCell = 0;
    int m_nAnchorCell = 0;
    bool m_bGroupSelection = false;
    int m_nSelectedCount = 0;
    bool m_bRowColumnToggle = false;
    bool m_bVertical = true;
    bool m_bHorizontal = true;
};

} // namespace quillon
