#pragma once

#include "core/DayNumber.h"

// The local clock as the calendar sees it: today's civil date. The window is handed a
// Clock, so tests pin "today" with a FixedClock instead of reading the system's.
namespace tenvik {

class Clock {
public:
    virtual ~Clock() = default;
    virtual CivilDate LocalDate() const = 0;
};

class SystemClock final : public Clock {
public:
    CivilDate LocalDate() const override;
};

class FixedClock final : public Clock {
public:
    explicit FixedClock(CivilDate today) : m_today(today) {}
    CivilDate LocalDate() const override { return m_today; }
    void SetToday(CivilDate today) { m_today = today; }

private:
    CivilDate m_today;
};

// A whole day; a clock reading that is no valid date of the years 1 to 9999 gives day 0,
// which the view raises to its first shown day.
DayNumber TodayDate(const Clock& clock);
int ClockYear(const Clock& clock);

} // namespace tenvik
