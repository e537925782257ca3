#pragma once

#include "export/CalendarEvents.h"

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

// Calendar files (iCalendar, RFC 5545) of all-day events, in the form every calendar
// program reads: UTF-8, CRLF line ends, lines folded at 75 octets.
namespace tenvik {

// TEXT value escaping: backslash, semicolon, comma and line breaks. Control characters a
// TEXT value may not hold are dropped, and bytes that are no UTF-8 become U+FFFD, so a
// stray byte in the agency name cannot make the file unreadable.
std::string EscapeText(std::string_view text);

// One content line, CRLF included, folded so that no physical line exceeds 75 octets and
// no fold splits a UTF-8 character. A continuation line starts with one space.
std::string FoldLine(std::string_view line);

// The whole file. calendarName names the calendar a program creates on import; stamp is
// the DTSTAMP of every event, the moment the file was made.
std::string ICalendarText(const std::vector<DayEvent>& events, std::string_view calendarName,
                          std::chrono::sys_seconds stamp);

} // namespace tenvik
