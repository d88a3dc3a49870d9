// What a hand-painted grid tells assistive technology: the widget's own entry lists its child widgets with the
// grid as a table among them, with row and column headers, one entry per cell, and the cell the keyboard cursor is on.
#pragma once

#include <QAccessibleWidget>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>

#include <map>
#include <tuple>
#include <utility>

namespace quillon {

// The grid as the widget shows it, in the table's own rows and columns.
class IAccessibleGrid
{
public:
    virtual ~IAccessibleGrid() = default;
    virtual QString GridName() const = 0;
    virtual int GridRows() const = 0;
    virtual int GridColumns() const = 0;
    virtual QString CellText(int row, int column) const = 0;
    virtual QString RowHeader(int row) const = 0;
    virtual QString ColumnHeader(int column) const = 0;
    // Where the cell lies in the widget's pixels; empty while it is scrolled out of sight.
    virtual QRect CellRect(int row, int column) const = 0;
    // The whole grid in the widget's pixels.
    virtual QRect GridRect() const = 0;
    // The keyboard cursor's cell, or {-1, -1}.
    virtual std::pair<int, int> CursorCell() const { return {-1, -1}; }
    // A chosen cell (the periodic table's selection); the cursor's cell counts as chosen too.
    virtual bool CellChosen(int row, int column) const { return CursorCell() == std::pair{row, column}; }
    // The child widget that reads after the grid, so that the widget's entries follow the page; none: the grid
    // reads after every child widget.
    virtual const QWidget* WidgetAfterGrid() const { return nullptr; }
};

// A widget that paints a grid and hands it out.
class IAccessibleGridOwner
{
public:
    virtual ~IAccessibleGridOwner() = default;
    virtual const IAccessibleGrid& AccessibleGrid() const = 0;
};

// Makes every widget that is an IAccessibleGridOwner describe itself with its grid (once per run).
void EnableGridAccessibility();
// The grid's rows or columns changed: the cell entries handed out so far are dropped.
void AnnounceGridChanged(QWidget* owner);
// The cursor moved: the cell it is on takes the focus, as assistive technology hears it.
void AnnounceGridCursor(QWidget* owner);
// Hears every cell announced, whether or not a screen reader listens (Qt passes the events on only while one
// does); for tests.
using GridAnnouncementListener = void (*)(QAccessibleInterface* cell);
void SetGridAnnouncementListener(GridAnnouncementListener listener);

class CGridTableAccessible;

// The entry of the grid's widget.
class CGridOwnerAccessible final : public QAccessibleWidget
{
public:
    explicit CGridOwnerAccessible(QWidget* widget);
    ~CGridOwnerAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* focusChild() const override;
    QAccessibleInterface* childAt(int x, int y) const override;

    CGridTableAccessible* Table() const;

private:
    // The table's place among the entries.
    int TableIndex() const;

    QAccessible::Id m_tableId = 0;
};

// The grid as a table; cells and headers are made when first asked for and kept until the grid changes.
class CGridTableAccessible final : public QAccessibleInterface, public QAccessibleTableInterface
{
public:
    explicit CGridTableAccessible(QWidget* widget) : m_pWidget(widget) {}
    ~CGridTableAccessible() override;

    // The grid, asked of the widget each time: a widget on its way out (its own destructor has run) has none,
    // and the table is then invalid. Grid() only while isValid().
    const IAccessibleGrid* GridOrNull() const;
    const IAccessibleGrid& Grid() const { return *GridOrNull(); }
    QWidget* Widget() const { return m_pWidget; }
    // Drops the cells and headers handed out.
    void Reset();
    // kind 0: a cell; 1: a row header (column -1); 2: a column header (row -1).
    QAccessibleInterface* Entry(int kind, int row, int column) const;
    // The grid's rectangle in screen pixels for a rectangle in the widget's.
    QRect ToScreen(const QRect& r) const;

    // QAccessibleInterface
    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Table; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // QAccessibleTableInterface
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override { Reset(); }

private:
    QPointer<QWidget> m_pWidget;
    mutable std::map<std::tuple<int, int, int>, QAccessible::Id> m_entries;
};

} // namespace quillon
