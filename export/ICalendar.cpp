#include "export/ICalendar.h"

#include "Version.h"
#include "core/IsoDate.h"
#include "settings/Utf8.h"

#include <cstdio>

namespace tenvik {
namespace {

constexpr std::size_t MaxLineOctets = 75;
constexpr std::string_view LineEnd = "\r\n";
constexpr std::string_view ReplacementCharacter = "\xEF\xBF\xBD";
constexpr std::string_view RefreshInterval = "P1W";

constexpr std::string_view ProductId = "-//Quorvell//Tenvik " TENVIK_VERSION "//EN";

std::string Stamp(std::chrono::sys_seconds stamp)
{
    using namespace std::chrono;
    const auto day = floor<days>(stamp);
    const year_month_day date{day};
    const hh_mm_ss time{stamp - day};
    char text[40];
    std::snprintf(text, sizeof text, "%04d%02u%02uT%02d%02d%02dZ", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                  static_cast<int>(time.hours().count()), static_cast<int>(time.minutes().count()),
                  static_cast<int>(time.seconds().count()));
    return text;
}

// A shift blocks the day; a day off, a payday or the start of a pay period does not.
std::string_view Transparency(EventKind kind)
{
    return kind == EventKind::Duty ? "OPAQUE" : "TRANSPARENT";
}

void AppendLine(std::string& file, std::string_view name, std::string_view value)
{
    std::string line{name};
    line += ':';
    line += value;
    file += FoldLine(line);
}

// A calendar object holds at least one component. A range with no event gets this one,
// which no program shows: the time zone no event of the file refers to.
void AppendUtcTimeZone(std::string& file)
{
    AppendLine(file, "BEGIN", "VTIMEZONE");
    AppendLine(file, "TZID", "UTC");
    AppendLine(file, "BEGIN", "STANDARD");
    AppendLine(file, "DTSTART", "19700101T000000");
    AppendLine(file, "TZOFFSETFROM", "+0000");
    AppendLine(file, "TZOFFSETTO", "+0000");
    AppendLine(file, "TZNAME", "UTC");
    AppendLine(file, "END", "STANDARD");
    AppendLine(file, "END", "VTIMEZONE");
}

} // namespace

std::string EscapeText(std::string_view text)
{
    std::string escaped;
    escaped.reserve(text.size());
    while (!text.empty()) {
        const char c = text.front();
        if (c == '\r' || c == '\n') {
            escaped += "\\n";
            text.remove_prefix(text.starts_with("\r\n") ? 2 : 1);
            continue;
        }
        if (c == '\\' || c == ';' || c == ',') {
            escaped += '\\';
            escaped += c;
            text.remove_prefix(1);
            continue;
        }
        const std::size_t length = Utf8CharacterLength(text);
        if (length == 0) {
            escaped += ReplacementCharacter;
            text.remove_prefix(1);
            continue;
        }
        const bool control = (static_cast<unsigned char>(c) < 0x20 && c != '\t') || c == '\x7F';
        if (!control)
            escaped += text.substr(0, length);
        text.remove_prefix(length);
    }
    return escaped;
}

std::string FoldLine(std::string_view line)
{
    std::string folded;
    folded.reserve(line.size() + line.size() / 60 * 3 + 2);
    std::size_t room = MaxLineOctets;
    while (line.size() > room) {
        std::size_t cut = room;
        while (cut > 0 && IsUtf8Continuation(static_cast<unsigned char>(line[cut])))
            --cut;
        if (cut == 0)
            cut = room; // no character starts within reach: not UTF-8, cut by octets
        folded += line.substr(0, cut);
        folded += LineEnd;
        folded += ' ';
        line.remove_prefix(cut);
        room = MaxLineOctets - 1; // the leading space counts
    }
    folded += line;
    folded += LineEnd;
    return folded;
}

std::string ICalendarText(const std::vector<DayEvent>& events, std::string_view calendarName,
                          std::chrono::sys_seconds stamp)
{
    const std::string stampText = Stamp(stamp);
    std::string file;
    file.reserve(200 + events.size() * 330);
    AppendLine(file, "BEGIN", "VCALENDAR");
    AppendLine(file, "VERSION", "2.0");
    AppendLine(file, "PRODID", ProductId);
    AppendLine(file, "CALSCALE", "GREGORIAN");
    // A published calendar, not an invitation; programs that subscribe to the file look
    // for a newer one weekly.
    AppendLine(file, "METHOD", "PUBLISH");
    // The name the older programs read, and the one of RFC 7986.
    AppendLine(file, "X-WR-CALNAME", EscapeText(calendarName));
    AppendLine(file, "NAME", EscapeText(calendarName));
    AppendLine(file, "REFRESH-INTERVAL;VALUE=DURATION", RefreshInterval);
    AppendLine(file, "X-PUBLISHED-TTL", RefreshInterval);
    if (events.empty())
        AppendUtcTimeZone(file);
    for (const DayEvent& event : events) {
        AppendLine(file, "BEGIN", "VEVENT");
        AppendLine(file, "UID", event.uid);
        AppendLine(file, "DTSTAMP", stampText);
        // All-day events: the end date is exclusive, the day after.
        AppendLine(file, "DTSTART;VALUE=DATE", FormatBasicDate(event.day));
        AppendLine(file, "DTEND;VALUE=DATE", FormatBasicDate(event.day + 1));
        AppendLine(file, "SUMMARY", EscapeText(event.summary));
        AppendLine(file, "DESCRIPTION", EscapeText(event.description));
        AppendLine(file, "CATEGORIES", EscapeText(event.category));
        AppendLine(file, "TRANSP", Transparency(event.kind));
        AppendLine(file, "END", "VEVENT");
    }
    AppendLine(file, "END", "VCALENDAR");
    return file;
}

} // namespace tenvik
