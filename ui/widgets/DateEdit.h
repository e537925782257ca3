#pragma once

#include "core/DayNumber.h"

#include <QDateEdit>

// A date field with a drop-down calendar (weeks from Sunday) that reports when the
// calendar opens and closes, however that happens; a date picked in the calendar is
// already the field's date when pickerClosed comes. Dates cross its interface as day
// numbers. The field takes MinFieldDate to MaxFieldDate (the years 100 to 9999); the window
// clamps dates to its range.
namespace tenvik {

class DateEdit : public QDateEdit {
    Q_OBJECT
public:
    explicit DateEdit(QWidget* parent = nullptr);

    DayNumber dayNumber() const; // the whole day shown
    void setDayNumber(DayNumber d);

    // The drop-down calendar, made on the first call (QDateEdit's own, set up to start its
    // weeks on Sunday and to report opening and closing).
    QCalendarWidget* calendarWidget() const;

    // Opens and closes the drop-down calendar, as a click on its arrow does.
    void openPicker();
    void closePicker();
    bool isPickerOpen() const;

signals:
    void pickerOpened();
    void pickerClosed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QRect arrowRect() const;

    mutable QWidget* m_pickerWindow = nullptr; // the calendar's popup, owned by QDateEdit; made on demand
};

// Day 0 is 30 December 1899. The time of day is dropped (truncated towards zero); NaN
// reads as day 0 and values beyond the years 1 to 9999 saturate at that range's ends.
QDate DayNumberToQDate(DayNumber d);
// An invalid date gives day 0.
DayNumber QDateToDayNumber(QDate date);

} // namespace tenvik
