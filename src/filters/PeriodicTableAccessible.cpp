// The periodic table's accessible table.
#include "filters/PeriodicTableAccessible.h"

#include "casedata/TextCodec.h"
#include "filters/MineralFilter.h"

#include <QCoreApplication>

namespace quillon {

namespace {

// The lanthanides and actinides stand under groups 4 to 18.
constexpr int kBlockFirstColumn = 3;
constexpr int kBlockLength = kBlockCells / 2;

const CElementCell* ElementAt(const CMineralFilterModel& model, int row, int column)
{
    const int cell = PeriodicCellAt(row, column);
    return cell < 0 || model.Cell(cell).IsBlank() ? nullptr : &model.Cell(cell);
}

QString FromData(const std::string& bytes)
{
    return QString::fromStdString(Cp1252ToUtf8(bytes)).trimmed();
}

} // namespace

int PeriodicCellAt(int row, int column) noexcept
{
    if (column < 0 || column >= kTableColumns || row < 0 || row >= kPeriodicTableRows)
        return -1;
    if (row < kPeriodicTableRows - 2) {
        const int cell = kTableColumns * row + column;
        return cell < kMainCells && !IsGapCell(cell) ? cell : -1;
    }
    const int j = column - kBlockFirstColumn;
    return j >= 0 && j < kBlockLength ? kMainCells + kBlockLength * (row - (kPeriodicTableRows - 2)) + j : -1;
}

QString CPeriodicTableGrid::GridName() const
{
    return QCoreApplication::translate("CPeriodicTableGrid", "Periodic table");
}

int CPeriodicTableGrid::GridColumns() const
{
    return kTableColumns;
}

QString CPeriodicTableGrid::CellText(int row, int column) const
{
    const CElementCell* cell = ElementAt(m_model, row, column);
    if (!cell)
        return {};
    const QString name = FromData(cell->name);
    const QString symbol = FromData(cell->symbol);
    return name.isEmpty() ? symbol : QStringLiteral("%1 (%2)").arg(name, symbol);
}

QString CPeriodicTableGrid::RowHeader(int row) const
{
    if (row == kPeriodicTableRows - 2)
        return QCoreApplication::translate("CPeriodicTableGrid", "Lanthanides");
    if (row == kPeriodicTableRows - 1)
        return QCoreApplication::translate("CPeriodicTableGrid", "Actinides");
    return QCoreApplication::translate("CPeriodicTableGrid", "Period %1").arg(row + 1);
}

QString CPeriodicTableGrid::ColumnHeader(int column) const
{
    return QCoreApplication::translate("CPeriodicTableGrid", "Group %1").arg(column + 1);
}

QRect CPeriodicTableGrid::CellRect(int row, int column) const
{
    const CElementCell* cell = ElementAt(m_model, row, column);
    return cell ? QRect(cell->rect.left, cell->rect.top, kCellSize, kCellSize) : QRect();
}

QRect CPeriodicTableGrid::GridRect() const
{
    const quillon::CellRect first = CellRectOf(0);
    const quillon::CellRect last = CellRectOf(kCellCount - 1);
    return QRect(QPoint(first.left, first.top), QPoint(CellRectOf(kTableColumns - 1).right, last.bottom));
}

bool CPeriodicTableGrid::CellChosen(int row, int column) const
{
    const CElementCell* cell = ElementAt(m_model, row, column);
    return cell && cell->selected;
}

} // namespace quillon
