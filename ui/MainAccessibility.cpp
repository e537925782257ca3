#include "ui/MainAccessibility.h"

#include "core/MonthGrid.h"
#include "ui/DayDescription.h"
#include "ui/Main.h"
#include "ui/MainState.h"
#include "ui/MainUnit.h"
#include "ui/PaintTags.h"
#include "ui/widgets/CellGrid.h"
#include "ui/widgets/DayCell.h"
#include "ui/widgets/Label.h"

#include <QAccessible>
#include <QPointer>

#include <algorithm>

namespace tenvik::Main {
namespace {

// Both setters tell the screen reader of a change even when there is none, so they are
// called only for a new text. Neither repaints.
void SetCellText(QWidget& cell, const QString& text)
{
    if (cell.accessibleName() != text)
        cell.setAccessibleName(text);
    // The same words on hover, for whoever cannot tell the platoon and RDO colours apart.
    if (cell.toolTip() != text)
        cell.setToolTip(text);
}

// The selection the last refresh left. The pointer forgets a cell that is gone, so a
// new window starts afresh.
QPointer<QWidget> LastSelectedCell;
DayNumber LastSelectedDay = 0;

} // namespace

int SelectedCell()
{
    if (MainForm == nullptr)
        return -1;
    const auto it =
        std::find_if(CellDates.begin(), CellDates.end(), [](DayNumber d) { return SameDay(d, CurrentDate); });
    return it == CellDates.end() ? -1 : static_cast<int>(it - CellDates.begin());
}

void RefreshAccessibleTexts()
{
    const TMainForm& form = *MainForm;
    const UserProfile profile = WindowProfile();
    for (int cell = 0; cell < LegendA; ++cell) {
        const auto i = static_cast<std::size_t>(cell);
        SetCellText(*form.gR[i], DayDescription(CellDates[i], MarksFor(CellDates[i], profile), ShownEntries));
    }
    SetCellText(*form.gR[LegendA], LegendDescription(ShiftCode::A));
    SetCellText(*form.gR[LegendB], LegendDescription(ShiftCode::B));

    // The status line's " *" and short date mean little read aloud; it reads as the day
    // it describes.
    const QString status = DayDescription(CurrentDate, MarksFor(CurrentDate, profile), ShownEntries);
    if (form.lblStatus->accessibleName() != status)
        form.lblStatus->setAccessibleName(status);
    // What the line shows stays at hand beside what it says.
    if (form.lblStatus->accessibleDescription() != form.lblStatus->text())
        form.lblStatus->setAccessibleDescription(form.lblStatus->text());
}

void AnnounceSelectedDay()
{
    const TMainForm& form = *MainForm;
    const int cell = SelectedCell();
    QWidget* selected = cell < 0 ? nullptr : form.gR[static_cast<std::size_t>(cell)];
    const bool moved = selected != LastSelectedCell || !SameDay(CurrentDate, LastSelectedDay);
    LastSelectedCell = selected;
    LastSelectedDay = CurrentDate;
    // When the grid gains the keyboard, Qt's own focus notification sends the screen
    // reader to the grid's focused cell; only a move within the grid needs telling.
    if (!moved || selected == nullptr || !form.gloCal->hasFocus())
        return;
    // Sent whether or not a screen reader is known to listen: one event per move, and the
    // desktop's bridge drops it unless one does.
    QAccessibleEvent focus(selected, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

} // namespace tenvik::Main
