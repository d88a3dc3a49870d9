// The mineral filter without its dialog.
#include "filters/MineralFilter.h"

#include "casedata/ByteReader.h"
#include "casedata/Translatable.h"

#include <algorithm>

namespace quillon {

std::array<CElementRank, kRankEntries> RankElements(const std::array<int, kElementSlots>& counts)
{
    std::array<CElementRank, kRankEntries> ranks{};
    constexpr int kRanked = kRankEntries - 1;
    for (int element = 2; element <= 199 && element < kElementSlots; ++element) {
        const int count = counts[static_cast<std::size_t>(element)];
        // The first entry with a smaller count takes it; equal counts keep their earlier (smaller) elements first.
        for (int j = 0; j < kRanked; ++j) {
            if (ranks[static_cast<std::size_t>(j)].count < count) {
                for (int k = kRanked - 1; k > j; --k)
                    ranks[static_cast<std::size_t>(k)] = ranks[static_cast<std::size_t>(k - 1)];
                ranks[static_cast<std::size_t>(j)] = {count, element};
                break;
            }
        }
    }
    return ranks;
}

namespace {

bool ReadTextFile(const CPracticeFolder& folder, const char* name, std::string& text)
{
    std::vector<std::uint8_t> bytes;
    if (folder.ReadFile(name, bytes) != ReadStatus::Ok)
        return false;
    text.assign(bytes.begin(), bytes.end());
    return true;
}

} // namespace

void CMineralFilterModel::Load(const CPracticeFolder& folder, const std::vector<FilterRemedy>& remedies)
{
    std::string groupList;
    std::string periodText;
    std::string lanthText;
    std::string mineralCodes;
    MineralFilterFiles files;
    if (ReadTextFile(folder, kOtherGroupFile, groupList))
        files.groupList = &groupList;
    else
        m_sink.Show(QT_TRANSLATE_NOOP("Message", "Error reading File"), kOtherGroupFile, MessageIcon::Error);
    if (ReadTextFile(folder, kPeriodFile, periodText))
        files.periodText = &periodText;
    else
        m_sink.Show(QT_TRANSLATE_NOOP("Message", "Error reading file"), kPeriodFile, MessageIcon::Error);
    if (ReadTextFile(folder, kLanthFile, lanthText))
        files.lanthText = &lanthText;
    else
        m_sink.Show(QT_TRANSLATE_NOOP("Message", "Error reading file"), kLanthFile, MessageIcon::Error);
    if (ReadTextFile(folder, kMineralCodeFile, mineralCodes))
        files.mineralCodes = &mineralCodes;
    else
        m_sink.Show(QT_TRANSLATE_NOOP("Message", "Error reading file"), kMineralCodeFile, MessageIcon::Error);
    LoadImages(files, remedies);
}

void CMineralFilterModel::LoadImages(const MineralFilterFiles& files, const std::vector<FilterRemedy>& remedies)
{
    m_mapMinerals.clear();
    m_anElementCount.fill(0);
    m_groups.clear();
    m_nSelectedGroup = -1;
    m_strElements.clear();
    m_strHover.clear();
    m_nHoverCell = m_nLastRightCell = m_nAnchorCell = m_nSelectedCount = 0;
    m_bGroupSelection = m_bRowColumnToggle = false;
    m_bVertical = m_bHorizontal = true;
    if (files.groupList != nullptr) {
        if (files.groupList->empty())
            m_sink.Show(QT_TRANSLATE_NOOP("Message", "The file is empty"), kOtherGroupFile, MessageIcon::Error);
        else
            m_groups = ReadLineList(AsBytes(*files.groupList));
    }
    // Without the code file no element is counted and no remedy has a group or an element.
    const std::span<const std::uint8_t> codes
        = files.mineralCodes != nullptr ? AsBytes(*files.mineralCodes) : std::span<const std::uint8_t>();
    m_mapMinerals.reserve(remedies.size());
    for (const FilterRemedy& remedy : remedies) {
        MineralEntry entry{remedy.key, ReadMineralCode(codes, remedy.code)};
        for (std::uint8_t element : entry.code.elements)
            if (element != 0 && element != kNoElement)
                ++m_anElementCount[element];
        m_mapMinerals.push_back(entry);
    }
    m_aRank = RankElements(m_anElementCount);
    BuildCells(m_mapCells, files.periodText, files.lanthText, m_sink);
}

int CMineralFilterModel::ElementCount(int element) const
{
    return element >= 0 && element < kElementSlots ? m_anElementCount[static_cast<std::size_t>(element)] : 0;
}

int CMineralFilterModel::ShownRankOfCell(int cell) const
{
    const CElementCell& data = Cell(cell);
    if (data.IsBlank())
        return -1;
    for (int j = 0; j < kShownRanks; ++j) {
        const CElementRank& rank = m_aRank[static_cast<std::size_t>(j)];
        if (rank.count > 0 && rank.element == data.number)
            return j;
    }
    return -1;
}

bool CMineralFilterModel::MouseMove(int x, int y)
{
    const int cell = HitTest(x, y);
    if (cell < 0) {
        m_nHoverCell = 0;
        if (m_strHover.empty())
            return false;
        m_strHover.clear();
        return true;
    }
    const CElementCell& data = Cell(cell);
    if (cell == m_nHoverCell || data.number == 0)
        return false;
    m_strHover = data.name + " " + std::to_string(data.number);
    m_nHoverCell = cell;
    return true;
}

void CMineralFilterModel::LeftButtonOnCell(int cell)
{
    m_arrSteps.push_back("left=" + std::to_string(cell >= 0 && cell < kCellCount ? cell : 1));
    if (m_bGroupSelection) {
        m_sink.Show(QT_TRANSLATE_NOOP("Message", "Unselect group and then select individual element"), {},
            MessageIcon::Information);
        return;
    }
    if (!IsSelectable(cell))
        return;
    CElementCell& data = MutableCell(cell);
    data.selected = !data.selected;
    if (data.selected)
        ++m_nSelectedCount;
    else if (m_nSelectedCount > 0)
        --m_nSelectedCount;
}

void CMineralFilterModel::AppendColumnText(int column)
{
    m_strElements += FormatText(translate("CMineralFilterModel", "For Column %1"), {std::to_string(column)});
}

void CMineralFilterModel::AppendRowText(int row)
{
    if (!m_strElements.empty())
        m_strElements += translate("CMineralFilterModel", "  And ");
    m_strElements += FormatText(translate("CMineralFilterModel", "For Row %1"), {std::to_string(row)});
}

void CMineralFilterModel::RightButtonOnCell(int cell)
{
    m_arrSteps.push_back("right=" + std::to_string(cell >= 0 && cell < kCellCount ? cell : 1));
    m_bRowColumnToggle = !m_bRowColumnToggle;
    m_nLastRightCell = cell >= 0 && cell < kCellCount ? cell : -1;
    if (m_nLastRightCell < 0)
        return;
    if (IsBlockCell(cell)) {
        m_sink.Show(QT_TRANSLATE_NOOP("Message", "Row and column selection is not available"));
        return;
    }
    if (m_bGroupSelection && cell != m_nAnchorCell) {
        m_sink.Show(QT_TRANSLATE_NOOP("Message", "Only one coloumn and row can be selected"));
        return;
    }
    if (m_nSelectedCount >= 1) {
        m_sink.Show(QT_TRANSLATE_NOOP("Message", "Unselect all individual elements and then select group"), {},
            MessageIcon::Information);
        return;
    }
    m_nAnchorCell = cell;
    // Each accepted click on the anchor flips it once: the first selects it with its column and row, the second
    // clears them. (Refused clicks also flip the toggle, so the toggle cannot tell which click this is.)
    const bool anchorSelected = !Cell(cell).selected;
    const int column = cell % kTableColumns;
    const int row = cell / kTableColumns;
    m_strElements.clear();
    if (m_bVertical) {
        AppendColumnText(column);
        for (int i = column; i < kMainCells; i += kTableColumns) {
            if (!IsSelectable(i))
                continue;
            CElementCell& data = MutableCell(i);
            data.selected = !data.selected;
            m_bGroupSelection = data.selected;
        }
    }
    if (m_bHorizontal) {
        AppendRowText(row);
        for (int i = row * kTableColumns; i < row * kTableColumns + kTableColumns && i < kMainCells; ++i) {
            if (!IsSelectable(i))
                continue;
            CElementCell& data = MutableCell(i);
            data.selected = i == m_nAnchorCell ? anchorSelected : !data.selected;
            m_bGroupSelection = data.selected;
        }
    }
}

void CMineralFilterModel::VerticalClicked(bool checked)
{
    if (checked != m_bVertical)
        m_arrSteps.emplace_back("vertical");
    m_bVertical = checked;
    m_strElements.clear();
    const int column = m_nAnchorCell % kTableColumns;
    if (checked) {
        AppendColumnText(column);
    } else {
        for (int i = column; i < kMainCells; i += kTableColumns)
            if (i != m_nAnchorCell && IsSelectable(i))
                MutableCell(i).selected = false;
        m_bGroupSelection = false;
    }
    if (m_bHorizontal)
        AppendRowText(m_nAnchorCell / kTableColumns);
}

void CMineralFilterModel::HorizontalClicked(bool checked)
{
    if (checked != m_bHorizontal)
        m_arrSteps.emplace_back("horizontal");
    m_bHorizontal = checked;
    m_strElements.clear();
    if (m_bVertical)
        AppendColumnText(m_nAnchorCell % kTableColumns);
    const int row = m_nAnchorCell / kTableColumns;
    if (checked) {
        AppendRowText(row);
    } else {
        for (int i = row * kTableColumns; i < row * kTableColumns + kTableColumns && i < kMainCells; ++i)
            if (i != m_nAnchorCell && IsSelectable(i))
                MutableCell(i).selected = false;
        m_bGroupSelection = false;
    }
}

void CMineralFilterModel::SelectGroup(int index)
{
    if (index >= 0 && index < static_cast<int>(m_groups.size()))
        m_arrSteps.push_back("group=" + std::to_string(index + 1));
    m_nSelectedGroup = index >= 0 && index < static_cast<int>(m_groups.size()) ? index : -1;
}

MineralFilterResult CMineralFilterModel::Ok(KingdomFilterState& state) const
{
    MineralFilterResult result;
    const int group = m_nSelectedGroup >= 0 ? m_nSelectedGroup + 1 : -1;
    if (group > 0)
        result.m_strGroup = m_groups[static_cast<std::size_t>(m_nSelectedGroup)];
    result.m_strElements = m_strElements;

    const bool anySelected
        = std::any_of(m_mapCells.begin(), m_mapCells.end(), [](const CElementCell& c) { return c.selected; });
    // Nothing chosen: the chart keeps every remedy, and is told so by the flag.
    state.m_bMineralNoSelection = !anySelected && group == -1;
    if (state.m_bMineralNoSelection)
        return result;

    const auto inGroup = [group](const MineralCode& code) { return static_cast<int>(code.group) == group; };
    std::vector<bool> kept(m_mapMinerals.size(), false);
    // Every selected cell is scanned, in cell order; a name is written only when its pass keeps remedies that no
    // earlier pass kept, and never while a row and column selection is in force, which has its own description.
    for (int i = 0; i < kCellCount; ++i) {
        const CElementCell& cell = Cell(i);
        if (cell.IsBlank())
            continue;
        bool anyAlreadyKept = false;
        for (std::size_t r = 0; r < m_mapMinerals.size(); ++r) {
            const MineralCode& code = m_mapMinerals[r].code;
            const bool hasElement = cell.selected && cell.number > 0 && cell.number < kNoElement
                && std::find(code.elements.begin(), code.elements.end(), cell.number) != code.elements.end();
            if (!inGroup(code) && !hasElement)
                continue;
            if (kept[r])
                anyAlreadyKept = true;
            else
                kept[r] = true;
        }
        if (!anyAlreadyKept && !m_bRowColumnToggle && !m_bGroupSelection && cell.selected)
            result.m_strElements += cell.name + " ";
    }
    // A chosen group keeps its remedies even when the table has no cell to scan.
    for (std::size_t r = 0; r < m_mapMinerals.size(); ++r)
        if (inGroup(m_mapMinerals[r].code))
            kept[r] = true;

    for (std::size_t r = 0; r < m_mapMinerals.size(); ++r) {
        const RemedyKey key = m_mapMinerals[r].key;
        if (!kept[r]
            && std::find(result.m_arrExcluded.begin(), result.m_arrExcluded.end(), key) == result.m_arrExcluded.end())
            result.m_arrExcluded.push_back(key);
    }
    return result;
}

} // namespace quillon
