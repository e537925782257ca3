#include "ui/widgets/DateEdit.h"

#include "bridge/QtDate.h"

#include <QCalendarWidget>
#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionComboBox>

namespace tenvik {

DateEdit::DateEdit(QWidget* parent) : QDateEdit(parent)
{
    setCalendarPopup(true);
    // The widest range QDateEdit takes, which the settings file keeps to as well; the
    // window clamps dates to its own range.
    setDateRange(DayNumberToQDate(MinFieldDate), DayNumberToQDate(MaxFieldDate));
    // The calendar is made when it is first needed: it is a whole month view with its own
    // icons, and most fields never open it.
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] { m_textTyped = true; });
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
    m_textTyped = false;
}

std::optional<DayNumber> DateEdit::typedDayNumber() const
{
    // Read by the display format alone: QDateEdit's own reading mends what it can, and
    // would take 2/31 for the last day of February.
    const QDate date = QDate::fromString(text().trimmed(), displayFormat());
    if (!date.isValid() || date < minimumDate() || date > maximumDate())
        return std::nullopt;
    return QDateToDayNumber(date);
}

void DateEdit::keyPressEvent(QKeyEvent* event)
{
    if (m_reportsTypedDates && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        event->accept();
        emit returnPressed();
        return;
    }
    QDateEdit::keyPressEvent(event);
}

void DateEdit::focusOutEvent(QFocusEvent* event)
{
    // Opening the calendar takes the focus for a moment; the picker's close says the rest.
    if (m_reportsTypedDates && m_textTyped && event->reason() != Qt::PopupFocusReason) {
        emit textLeft();
        if (m_textTyped) {
            // Not taken: QDateEdit's own handling would put the last date back.
            QWidget::focusOutEvent(event);
            return;
        }
    }
    QDateEdit::focusOutEvent(event);
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
        if (event->type() == QEvent::Show) {
            emit pickerOpened();
        } else if (event->type() == QEvent::Hide) {
            m_textTyped = false; // the picker's date is the field's now
            emit pickerClosed();
        }
    }
    return QDateEdit::eventFilter(watched, event);
}

} // namespace tenvik
