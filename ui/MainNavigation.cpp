// Moving the calendar: month buttons, Today, keys, the footer picker, clicks on days,
// page changes and the Back buttons.
#include "bridge/QtText.h"
#include "core/Clock.h"
#include "core/MonthGrid.h"
#include "settings/LocaleDate.h"
#include "ui/Main.h"
#include "ui/MainState.h"
#include "ui/MainUnit.h"
#include "ui/widgets/ColorComboBox.h"
#include "ui/widgets/DateEdit.h"
#include "ui/widgets/DayCell.h"
#include "ui/widgets/Label.h"
#include "ui/widgets/Notice.h"
#include "ui/widgets/TabControl.h"
#include "ui/widgets/Tag.h"

#include <QKeyEvent>

namespace tenvik {

using namespace Main;

namespace {

DayNumber StepMonths(DayNumber date, int months)
{
    return static_cast<DayNumber>(WholeDay(MonthStep(date, months)));
}

} // namespace

void TMainForm::bNextClick()
{
    CurrentDate = StepMonths(CurrentDate, +1);
    UpdateView();
}

void TMainForm::bPrevClick()
{
    CurrentDate = StepMonths(CurrentDate, -1);
    UpdateView();
}

void TMainForm::bTodayClick()
{
    CurrentDate = TodayDate(*TheClock);
    UpdateView();
}

// Only the key counts: Shift, Ctrl or Alt held with it change nothing. Every key that
// reaches the window is consumed and refreshes the view, which puts the focus back on
// the grid.
void TMainForm::FormKeyDown(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_PageUp:
        CurrentDate = StepMonths(CurrentDate, -1);
        SavedDate = CurrentDate;
        break;
    case Qt::Key_PageDown:
        CurrentDate = StepMonths(CurrentDate, +1);
        SavedDate = CurrentDate;
        break;
    case Qt::Key_End:
        CurrentDate = SavedDate;
        break;
    case Qt::Key_Home:
        CurrentDate = TodayDate(*TheClock);
        break;
    case Qt::Key_Left:
        CurrentDate -= 1;
        SavedDate = CurrentDate;
        break;
    case Qt::Key_Up:
        CurrentDate -= 7;
        SavedDate = CurrentDate;
        break;
    case Qt::Key_Right:
        CurrentDate += 1;
        SavedDate = CurrentDate;
        break;
    case Qt::Key_Down:
        CurrentDate += 7;
        SavedDate = CurrentDate;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // The selected day's entries, from the calendar; a held key opens them once.
        if (tabCtrl->currentWidget() == tabCalendar && !event->isAutoRepeat())
            openDayEntries();
        break;
    default:
        break;
    }
    event->accept();
    UpdateView();
}

void TMainForm::FormKeyUp(QKeyEvent*)
{
}

void TMainForm::deDateOpenPicker()
{
}

void TMainForm::deDateClosePicker()
{
    // The edit is clamped too, so it shows the date the calendar goes to.
    if (deDate->dayNumber() < MinViewDate)
        deDate->setDayNumber(MinViewDate);
    if (deDate->dayNumber() > MaxViewDate)
        deDate->setDayNumber(MaxViewDate);
    CurrentDate = deDate->dayNumber();
    SavedDate = CurrentDate;
    // Disabled for a moment so that it gives up the keyboard focus.
    deDate->setEnabled(false);
    deDate->setEnabled(true);
    UpdateView();
}

void TMainForm::deDateKeyDown()
{
    goToTypedDate();
}

void TMainForm::deDateExit()
{
    goToTypedDate();
}

void TMainForm::goToTypedDate()
{
    const auto typed = deDate->typedDayNumber();
    if (!typed || *typed < MinViewDate || *typed > MaxViewDate) {
        //: %1 is what the user typed into the date field, %2 and %3 the first and the last date
        //: the calendar shows
        lblDateNotice->showMessage(tr("\u201C%1\u201D is no date from %2 to %3")
                                       .arg(deDate->text(), FromStd(FormatShortDate(MinViewDate, LocaleFormats)),
                                            FromStd(FormatShortDate(MaxViewDate, LocaleFormats))));
        return;
    }
    lblDateNotice->hide();
    deDate->setDayNumber(*typed);
    deDateClosePicker();
}

void TMainForm::gR00Click(Rectangle* sender)
{
    const int cell = TagOf(*sender);
    if (cell < 0 || cell >= GridCellCount)
        return;
    const DayNumber clicked = CellDates[static_cast<std::size_t>(cell)];
    // Within the 42 consecutive days the month number alone tells the shown month from
    // its neighbours; a day of a neighbouring month does nothing at all.
    if (!SameMonthNumber(clicked, CurrentDate))
        return;
    sender->setFocus(Qt::MouseFocusReason);
    CurrentDate = clicked;
    RefreshAll(); // same month, same grid
}

// A long tap on the grid is swallowed (the grid layout accepts the gesture).
void TMainForm::gloCalGesture()
{
}

void TMainForm::tabCtrlChange()
{
    ccbColor->hide();
    dePPStart->hide();
    lblToolbar2->setRawText(SettingsTitle());
    UpdateView();
}

void TMainForm::sbBack2Click()
{
    tabCtrl->setCurrentWidget(tabCalendar);
}

} // namespace tenvik
