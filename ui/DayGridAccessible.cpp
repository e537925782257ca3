// The month grid as screen readers see it: a table of seven columns headed by the weekday
// names, one cell per day, whose focused cell is the selected day. The grid holds the
// keyboard; the cells never take it, so the table tells which cell stands for the focus.
#include "ui/Main.h"
#include "ui/MainAccessibility.h"
#include "ui/MainState.h"
#include "ui/widgets/CellGrid.h"
#include "ui/widgets/DayCell.h"
#include "ui/widgets/Image.h"
#include "ui/widgets/Label.h"
#include "ui/widgets/Text.h"
#include "ui/widgets/WidgetAccessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include <algorithm>

namespace tenvik::Main {
namespace {

constexpr int DaysPerWeek = 7;

// The index of a grid cell's rectangle in the window; -1 for every other object.
int CellIndexOf(const QObject* object)
{
    if (MainForm == nullptr)
        return -1;
    const auto& cells = MainForm->gR;
    const auto it = std::find(cells.begin(), cells.end(), object);
    return it == cells.end() ? -1 : static_cast<int>(it - cells.begin());
}

QAccessibleInterface* InterfaceOf(QObject* object)
{
    return object == nullptr ? nullptr : QAccessible::queryAccessibleInterface(object);
}

class DayGridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit DayGridAccessible(CellGrid* grid) : QAccessibleWidget(grid, QAccessible::Table) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    int childCount() const override { return static_cast<int>(items().size()); }

    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        return InterfaceOf(items()[static_cast<std::size_t>(index)]);
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (child == nullptr)
            return -1;
        const auto it = std::find(items().begin(), items().end(), child->object());
        return it == items().end() ? -1 : static_cast<int>(it - items().begin());
    }

    QAccessibleInterface* focusChild() const override
    {
        if (QAccessibleInterface* selected = child(SelectedCell()))
            return selected;
        return QAccessibleWidget::focusChild();
    }

    QAccessibleInterface* caption() const override
    {
        return MainForm == nullptr ? nullptr : InterfaceOf(MainForm->lblMonthName);
    }
    QAccessibleInterface* summary() const override { return nullptr; }

    QAccessibleInterface* cellAt(int row, int column) const override
    {
        if (row < 0 || column < 0 || column >= DaysPerWeek)
            return nullptr;
        return child(row * DaysPerWeek + column);
    }

    int selectedCellCount() const override { return SelectedCell() >= 0 ? 1 : 0; }
    QList<QAccessibleInterface*> selectedCells() const override
    {
        if (QAccessibleInterface* selected = child(SelectedCell()))
            return {selected};
        return {};
    }

    QString columnDescription(int column) const override
    {
        if (MainForm == nullptr || column < 0 || column >= DaysPerWeek)
            return {};
        return MainForm->lblDOW[static_cast<std::size_t>(column)]->text();
    }
    QString rowDescription(int) const override { return {}; }
    int columnCount() const override { return DaysPerWeek; }
    int rowCount() const override { return (childCount() + DaysPerWeek - 1) / DaysPerWeek; }

    // One day is selected, with the keys or a click; never a whole row or column.
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }

    // The grid keeps its cells for the window's life; only their texts change.
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    const std::vector<QWidget*>& items() const { return static_cast<CellGrid*>(widget())->items(); }
};

class DayCellAccessible : public QAccessibleWidget, public QAccessibleTableCellInterface {
public:
    DayCellAccessible(QWidget* cell, int index) : QAccessibleWidget(cell, QAccessible::Cell), m_index(index) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.selectable = true;
        state.focusable = true;
        if (isSelected()) {
            state.selected = true;
            const QWidget* grid = widget()->parentWidget();
            state.focused = widget()->hasFocus() || (grid != nullptr && grid->hasFocus());
        }
        return state;
    }

    bool isSelected() const override { return m_index == SelectedCell(); }

    QList<QAccessibleInterface*> columnHeaderCells() const override
    {
        if (MainForm == nullptr)
            return {};
        if (QAccessibleInterface* header = InterfaceOf(MainForm->lblDOW[static_cast<std::size_t>(columnIndex())]))
            return {header};
        return {};
    }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_index % DaysPerWeek; }
    int rowIndex() const override { return m_index / DaysPerWeek; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    int m_index;
};

QAccessibleInterface* WindowAccessibleFactory(const QString&, QObject* object)
{
    if (object == nullptr || !object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (MainForm != nullptr && object == MainForm->gloCal)
        return new DayGridAccessible(MainForm->gloCal);
    if (const int cell = CellIndexOf(object); cell >= 0)
        return new DayCellAccessible(widget, cell);
    // Painted texts read as text and pictures as pictures, not as empty panes.
    if (qobject_cast<Text*>(object) != nullptr)
        return new QAccessibleWidget(widget, QAccessible::StaticText);
    if (qobject_cast<Image*>(object) != nullptr)
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    return WidgetAccessibleInterface(object);
}

} // namespace

void InstallWindowAccessibility()
{
    static const bool installed = (QAccessible::installFactory(WindowAccessibleFactory), true);
    Q_UNUSED(installed);
}

} // namespace tenvik::Main
