#include "ui/widgets/DateEdit.h"

#include <QCalendarWidget>
#include <QCoreApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionComboBox>

#include <algorithm>
#include <cmath>

namespace tenvik {

namespace {
// Day 0, 30 December 1899, as a Julian day.
constexpr qint64 JulianDayOfDayZero = 2415019;
} // namespace

QDate DayNumberToQDate(DayNumber d)
{
    if (std::isnan(d))
        d = 0;
    // Saturating first keeps every input inside what both QDate and the program encode.
    d = std::clamp(d, MinEncodableDate, MaxEncodableDate);
    return QDate::fromJulianDay(static_cast<qint64>(std::trunc(d)) + JulianDayOfDayZero);
}

DayNumber QDateToDayNumber(QDate date)
{
    if (!date.isValid())
        return 0;
    return static_cast<DayNumber>(date.toJulianDay() - JulianDayOfDayZero);
}

DateEdit::DateEdit(QWidget* parent) : QDateEdit(parent)
{
    setCalendarPopup(true);
    // The widest range QDateEdit takes, which the settings file keeps to as well; the
    // window clamps dates to its own range.
    setDateRange(DayNumberToQDate(MinFieldDate), DayNumberToQDate(MaxFieldDate));
    // The calendar is made when it is first needed: it is a whole month view with its own
    // icons, and most fields never open it.
}

QCalendarWidget* DateEdit::calendarWidget() const
{
    QCalendarWidget* calendar = QDateEdit::calendarWidget();
    if (m_pickerWindow == nullptr && calendar != nullptr) {
        calendar->setFirstDayOfWeek(Qt::Sunday);
        // The calendar sits in a popup window of QDateEdit's own that lives as long as the
        // edit; its showing and hiding is the picker opening and closing, however caused.
        m_pickerWindow = calendar->window();
        m_pickerWindow->installEventFilter(const_cast<DateEdit*>(this));
    }
    return calendar;
}

QRect DateEdit::arrowRect() const
{
    QStyleOptionComboBox arrowOption;
    arrowOption.initFrom(this);
    arrowOption.editable = true;
    arrowOption.subControls = QStyle::SC_All;
    return style()->subControlRect(QStyle::CC_ComboBox, &arrowOption, QStyle::SC_ComboBoxArrow, this);
}

DayNumber DateEdit::dayNumber() const
{
    return QDateToDayNumber(date());
}

void DateEdit::setDayNumber(DayNumber d)
{
    setDate(DayNumberToQDate(d));
}

void DateEdit::openPicker()
{
    if (isPickerOpen() || !isEnabled())
        return;
    // QDateEdit opens its calendar only from a press on its arrow (it then syncs, places
    // and shows the popup), so the press is what we send.
    const QPoint arrow = arrowRect().center();
    QMouseEvent press(QEvent::MouseButtonPress, arrow, mapToGlobal(arrow), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(this, &press);
}

void DateEdit::closePicker()
{
    if (isPickerOpen())
        m_pickerWindow->hide();
}

bool DateEdit::isPickerOpen() const
{
    return m_pickerWindow != nullptr && m_pickerWindow->isVisible();
}

void DateEdit::mousePressEvent(QMouseEvent* event)
{
    // A press on the arrow opens the calendar, so that is when it is made ready.
    if (arrowRect().contains(event->position().toPoint()))
        calendarWidget();
    QDateEdit::mousePressEvent(event);
}

bool DateEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_pickerWindow) {
        if (event->type() == QEvent::Show)
            emit pickerOpened();
        else if (event->type() == QEvent::Hide)
            emit pickerClosed();
    }
    return QDateEdit::eventFilter(watched, event);
}

} // namespace tenvik
