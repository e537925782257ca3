#pragma once

#include "core/DayNumber.h"

#include <QDateEdit>

#include <optional>

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

    // Set, the field leaves a typed date to its owner: Enter reports returnPressed rather
    // than going on to the window, and leaving the field after typing reports textLeft; a
    // text the owner does not take (it does not set a date) stays as typed, where QDateEdit
    // would put its last date back.
    void setReportsTypedDates(bool on) { m_reportsTypedDates = on; }
    // The date the text as it stands reads as in the display format; nothing when it reads
    // as no date the field holds.
    std::optional<DayNumber> typedDayNumber() const;
    // Whether the user has typed since the field last had a date set or picked.
    bool isTextTyped() const { return m_textTyped; }

signals:
    void pickerOpened();
    void pickerClosed();
    void returnPressed();
    void textLeft();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QRect arrowRect() const;

    mutable QWidget* m_pickerWindow = nullptr; // the calendar's popup, owned by QDateEdit; made on demand
    bool m_reportsTypedDates = false;
    bool m_textTyped = false;
};

} // namespace tenvik
