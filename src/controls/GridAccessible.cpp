// The accessible table of a hand-painted grid.
#include "controls/GridAccessible.h"

#include <QAccessible>
#include <QDialog>
#include <QWidget>

namespace quillon {

namespace {

enum EntryKind : int { kCell = 0, kRowHeader = 1, kColumnHeader = 2 };

// One cell, or one row or column header, of the table; it reads the grid when asked, so it never goes stale.
class CGridEntryAccessible final : public QAccessibleInterface, public QAccessibleTableCellInterface
{
public:
    CGridEntryAccessible(const CGridTableAccessible& table, int kind, int row, int column)
        : m_table(table), m_kind(kind), m_row(row), m_column(column)
    {
    }

    bool isValid() const override
    {
        if (!m_table.isValid())
            return false;
        const IAccessibleGrid& grid = m_table.Grid();
        return (m_kind == kColumnHeader || m_row < grid.GridRows())
            && (m_kind == kRowHeader || m_column < grid.GridColumns());
    }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return const_cast<CGridTableAccessible*>(&m_table); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name || !isValid())
            return {};
        const IAccessibleGrid& grid = m_table.Grid();
        switch (m_kind) {
        case kRowHeader: return grid.RowHeader(m_row);
        case kColumnHeader: return grid.ColumnHeader(m_column);
        default: return grid.CellText(m_row, m_column);
        }
    }

    QRect rect() const override
    {
        if (m_kind != kCell || !isValid())
            return {};
        return m_table.ToScreen(m_table.Grid().CellRect(m_row, m_column));
    }

    QAccessible::Role role() const override
    {
        switch (m_kind) {
        case kRowHeader: return QAccessible::RowHeader;
        case kColumnHeader: return QAccessible::ColumnHeader;
        default: return QAccessible::Cell;
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.readOnly = true;
        if (m_kind != kCell || !isValid())
            return state;
        const IAccessibleGrid& grid = m_table.Grid();
        state.offscreen = grid.CellRect(m_row, m_column).isEmpty();
        state.invisible = state.offscreen;
        state.selectable = true;
        state.selected = isSelected();
        if (grid.CursorCell().first >= 0) {
            state.focusable = true;
            state.focused = grid.CursorCell() == std::pair{m_row, m_column} && m_table.Widget()->hasFocus();
        }
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableCellInterface && m_kind == kCell
            ? static_cast<QAccessibleTableCellInterface*>(this)
            : nullptr;
    }

    // QAccessibleTableCellInterface
    bool isSelected() const override { return isValid() && m_table.Grid().CellChosen(m_row, m_column); }
    QList<QAccessibleInterface*> columnHeaderCells() const override
    {
        return {m_table.Entry(kColumnHeader, -1, m_column)};
    }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {m_table.Entry(kRowHeader, m_row, -1)}; }
    int columnIndex() const override { return m_column; }
    int rowIndex() const override { return m_row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return const_cast<CGridTableAccessible*>(&m_table); }

private:
    const CGridTableAccessible& m_table;
    int m_kind;
    int m_row;
    int m_column;
};

QAccessibleInterface* GridFactory(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (dynamic_cast<const IAccessibleGridOwner*>(widget))
        return new CGridOwnerAccessible(widget);
    return nullptr;
}

GridAnnouncementListener g_listener = nullptr;

CGridTableAccessible* TableOf(QWidget* owner)
{
    auto* entry = dynamic_cast<CGridOwnerAccessible*>(QAccessible::queryAccessibleInterface(owner));
    return entry ? entry->Table() : nullptr;
}

} // namespace

void EnableGridAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(&GridFactory);
        return true;
    }();
    (void)installed;
}

void SetGridAnnouncementListener(GridAnnouncementListener listener)
{
    g_listener = listener;
}

void AnnounceGridChanged(QWidget* owner)
{
    if (CGridTableAccessible* table = TableOf(owner)) {
        table->Reset();
        QAccessibleTableModelChangeEvent event(table, QAccessibleTableModelChangeEvent::ModelReset);
        QAccessible::updateAccessibility(&event);
    }
}

void AnnounceGridCursor(QWidget* owner)
{
    CGridTableAccessible* table = TableOf(owner);
    if (!table || !table->isValid())
        return;
    const auto [row, column] = table->Grid().CursorCell();
    if (QAccessibleInterface* cell = table->cellAt(row, column)) {
        if (g_listener)
            g_listener(cell);
        QAccessibleEvent event(cell, QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    }
}

// --- The widget's entry ---

CGridOwnerAccessible::CGridOwnerAccessible(QWidget* widget)
    : QAccessibleWidget(widget, qobject_cast<QDialog*>(widget) ? QAccessible::Dialog : QAccessible::Client)
{
    m_tableId = QAccessible::registerAccessibleInterface(new CGridTableAccessible(widget));
}

CGridOwnerAccessible::~CGridOwnerAccessible()
{
    QAccessible::deleteAccessibleInterface(m_tableId);
}

CGridTableAccessible* CGridOwnerAccessible::Table() const
{
    return static_cast<CGridTableAccessible*>(QAccessible::accessibleInterface(m_tableId));
}

int CGridOwnerAccessible::childCount() const
{
    return QAccessibleWidget::childCount() + 1;
}

int CGridOwnerAccessible::TableIndex() const
{
    const int widgets = QAccessibleWidget::childCount();
    const CGridTableAccessible* table = Table();
    const QWidget* after = table->isValid() ? table->Grid().WidgetAfterGrid() : nullptr;
    if (!after)
        return widgets;
    const int at = QAccessibleWidget::indexOfChild(QAccessible::queryAccessibleInterface(const_cast<QWidget*>(after)));
    return at < 0 ? widgets : at;
}

QAccessibleInterface* CGridOwnerAccessible::child(int index) const
{
    const int table = TableIndex();
    if (index == table)
        return Table();
    return QAccessibleWidget::child(index < table ? index : index - 1);
}

int CGridOwnerAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    const int table = TableIndex();
    if (child == Table())
        return table;
    const int at = QAccessibleWidget::indexOfChild(child);
    return at < table ? at : at + 1;
}

QAccessibleInterface* CGridOwnerAccessible::focusChild() const
{
    if (widget()->hasFocus() && Table()->isValid()) {
        const auto [row, column] = Table()->Grid().CursorCell();
        if (QAccessibleInterface* cell = Table()->cellAt(row, column))
            return cell;
    }
    return QAccessibleWidget::focusChild();
}

QAccessibleInterface* CGridOwnerAccessible::childAt(int x, int y) const
{
    if (QAccessibleInterface* found = QAccessibleWidget::childAt(x, y))
        return found;
    return Table()->rect().contains(x, y) ? Table() : nullptr;
}

// --- The table ---

CGridTableAccessible::~CGridTableAccessible()
{
    Reset();
}

void CGridTableAccessible::Reset()
{
    for (const auto& [key, id] : m_entries)
        QAccessible::deleteAccessibleInterface(id);
    m_entries.clear();
}

QAccessibleInterface* CGridTableAccessible::Entry(int kind, int row, int column) const
{
    const auto key = std::make_tuple(kind, row, column);
    if (const auto it = m_entries.find(key); it != m_entries.end())
        return QAccessible::accessibleInterface(it->second);
    auto* entry = new CGridEntryAccessible(*this, kind, row, column);
    m_entries[key] = QAccessible::registerAccessibleInterface(entry);
    return entry;
}

QRect CGridTableAccessible::ToScreen(const QRect& r) const
{
    if (!m_pWidget || r.isEmpty())
        return {};
    return QRect(m_pWidget->mapToGlobal(r.topLeft()), r.size());
}

const IAccessibleGrid* CGridTableAccessible::GridOrNull() const
{
    const auto* owner = dynamic_cast<const IAccessibleGridOwner*>(m_pWidget.data());
    return owner ? &owner->AccessibleGrid() : nullptr;
}

bool CGridTableAccessible::isValid() const
{
    return GridOrNull() != nullptr;
}

QAccessibleInterface* CGridTableAccessible::childAt(int x, int y) const
{
    if (!isValid())
        return nullptr;
    const QPoint local = m_pWidget->mapFromGlobal(QPoint(x, y));
    for (int row = 0; row < rowCount(); ++row) {
        for (int column = 0; column < columnCount(); ++column) {
            if (Grid().CellRect(row, column).contains(local))
                return cellAt(row, column);
        }
    }
    return nullptr;
}

QAccessibleInterface* CGridTableAccessible::parent() const
{
    return isValid() ? QAccessible::queryAccessibleInterface(m_pWidget) : nullptr;
}

QAccessibleInterface* CGridTableAccessible::child(int index) const
{
    const int columns = columnCount();
    if (index < 0 || columns == 0 || index >= childCount())
        return nullptr;
    return cellAt(index / columns, index % columns);
}

int CGridTableAccessible::childCount() const
{
    return rowCount() * columnCount();
}

int CGridTableAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    if (!child || child->parent() != this || child->role() != QAccessible::Cell)
        return -1;
    const auto* cell = const_cast<QAccessibleInterface*>(child)->tableCellInterface();
    return cell ? cell->rowIndex() * columnCount() + cell->columnIndex() : -1;
}

QString CGridTableAccessible::text(QAccessible::Text t) const
{
    return t == QAccessible::Name && isValid() ? Grid().GridName() : QString();
}

QRect CGridTableAccessible::rect() const
{
    return isValid() ? ToScreen(Grid().GridRect()) : QRect();
}

QAccessible::State CGridTableAccessible::state() const
{
    QAccessible::State state;
    state.readOnly = true;
    state.invisible = !isValid() || !m_pWidget->isVisible();
    return state;
}

void* CGridTableAccessible::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this) : nullptr;
}

QAccessibleInterface* CGridTableAccessible::cellAt(int row, int column) const
{
    if (!isValid() || row < 0 || column < 0 || row >= rowCount() || column >= columnCount())
        return nullptr;
    return Entry(kCell, row, column);
}

int CGridTableAccessible::selectedCellCount() const
{
    return static_cast<int>(selectedCells().size());
}

QList<QAccessibleInterface*> CGridTableAccessible::selectedCells() const
{
    QList<QAccessibleInterface*> cells;
    for (int row = 0; row < rowCount(); ++row) {
        for (int column = 0; column < columnCount(); ++column) {
            if (Grid().CellChosen(row, column))
                cells << cellAt(row, column);
        }
    }
    return cells;
}

QString CGridTableAccessible::columnDescription(int column) const
{
    return isValid() ? Grid().ColumnHeader(column) : QString();
}

QString CGridTableAccessible::rowDescription(int row) const
{
    return isValid() ? Grid().RowHeader(row) : QString();
}

int CGridTableAccessible::columnCount() const
{
    return isValid() ? Grid().GridColumns() : 0;
}

int CGridTableAccessible::rowCount() const
{
    return isValid() ? Grid().GridRows() : 0;
}

} // namespace quillon
