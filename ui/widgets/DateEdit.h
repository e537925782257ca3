#pragma once

#include "core/DayNumber.h"

#include <QDateEdit>

// A date field with a drop-down calendar (weeks from Sunday) that reports when the
// calendar opens and closes. Dates cross its interface as day numbers.
namespace tenvik {

class DateEdit : public QDateEdit {
    Q_OBJECT
public:
    explicit DateEdit(QWidget* parent = nullptr);

    DayNumber dayNumber() const; // the whole day shown
    void setDayNumber(DayNumber d);

    // Opens and closes the drop-down calendar, as a click on its arrow does.
    void openPicker();
    void closePicker();
    bool isPickerOpen() const;

signals:
    void pickerOpened();
    void pickerClosed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

QDate DayNumberToQDate(DayNumber d);
DayNumber QDateToDayNumber(QDate date);

} // namespace tenvik
