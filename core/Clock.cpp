#include "core/Clock.h"

#include <chrono>
#include <ctime>

namespace tenvik {

CivilDate SystemClock::LocalDate() const
{
    // localtime_r rather than std::chrono::current_zone: GCC 12's libstdc++ has no
    // time-zone database. Windows has the same call as localtime_s, arguments swapped.
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    const bool converted = localtime_s(&local, &now) == 0;
#else
    const bool converted = localtime_r(&now, &local) != nullptr;
#endif
    if (now != static_cast<std::time_t>(-1) && converted)
        return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};

    // The C library could not convert the time: the UTC date is the nearest answer.
    const std::chrono::year_month_day utc{std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now())};
    return {static_cast<int>(utc.year()), static_cast<int>(static_cast<unsigned>(utc.month())),
            static_cast<int>(static_cast<unsigned>(utc.day()))};
}

DayNumber TodayDate(const Clock& clock)
{
    return EncodeDate(clock.LocalDate());
}

int ClockYear(const Clock& clock)
{
    return clock.LocalDate().year;
}

} // namespace tenvik
