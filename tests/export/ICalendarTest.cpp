#include "export/ICalendar.h"

#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <string>
#include <vector>

namespace tenvik {
namespace {

using namespace std::chrono;

const sys_seconds Stamp = sys_days{year{2026} / 12 / 10} + hours{14} + minutes{5} + seconds{9};

DayNumber Day(int y, int m, int d)
{
    return EncodeDate(y, m, d);
}

// The physical lines, without their CRLF; fails on a bare LF or CR.
std::vector<std::string> PhysicalLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "the text does not end with CRLF";
        if (end == std::string::npos)
            break;
        const std::string line = text.substr(start, end - start);
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << line;
        lines.push_back(line);
        start = end + 2;
    }
    return lines;
}

std::string Unfold(const std::string& text)
{
    std::string unfolded;
    for (const std::string& line : PhysicalLines(text)) {
        if (!line.empty() && line.front() == ' ')
            unfolded += line.substr(1);
        else
            unfolded += (unfolded.empty() ? "" : "\n") + line;
    }
    return unfolded;
}

TEST(ICalendarTest, EscapesWhatTextValuesMayNotHoldPlain)
{
    struct Case {
        std::string_view text;
        std::string_view escaped;
    };
    const Case cases[] = {
        {"Velmora Fire", "Velmora Fire"},
        {"Fire, Rescue; EMS", "Fire\\, Rescue\\; EMS"},
        {"C:\\roster", "C:\\\\roster"},
        {"one\ntwo\r\nthree\rfour", "one\\ntwo\\nthree\\nfour"},
        {"tab\tkept, bell\a and DEL\x7F dropped", "tab\tkept\\, bell and DEL dropped"},
        {"N\xC3\xB8rd \xE2\x80\x93 \xF0\x9F\x9A\x92", "N\xC3\xB8rd \xE2\x80\x93 \xF0\x9F\x9A\x92"},
        {"Latin-1 \xF8 and a cut \xE2\x80", "Latin-1 \xEF\xBF\xBD and a cut \xEF\xBF\xBD\xEF\xBF\xBD"},
        {"\xC0\xAF overlong", "\xEF\xBF\xBD\xEF\xBF\xBD overlong"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text));
        EXPECT_EQ(EscapeText(c.text), c.escaped);
    }
}

TEST(ICalendarTest, FoldsAt75OctetsBetweenCharacters)
{
    const std::string ascii75(75, 'a');
    EXPECT_EQ(FoldLine("SUMMARY:x"), "SUMMARY:x\r\n");
    EXPECT_EQ(FoldLine(ascii75), ascii75 + "\r\n");
    EXPECT_EQ(FoldLine(ascii75 + "b"), ascii75 + "\r\n b\r\n");

    // Two-, three- and four-octet characters placed so that octet 75 falls inside one.
    const std::vector<std::string> lines = {
        std::string(74, 'a') + "\xC3\xB8" + "tail",
        std::string(73, 'a') + "\xE2\x80\x93\xE2\x80\x93",
        std::string(72, 'a') + std::string(40, 'x') + "\xF0\x9F\x9A\x92",
        "DESCRIPTION:" +
            [] {
                std::string many;
                for (int i = 0; i < 100; ++i)
                    many += "\xC3\xB8\xE2\x80\x93\xF0\x9F\x9A\x92";
                return many;
            }(),
    };
    for (const std::string& line : lines) {
        SCOPED_TRACE(line);
        const std::string folded = FoldLine(line);
        const std::vector<std::string> physical = PhysicalLines(folded);
        ASSERT_GT(physical.size(), 1u);
        for (std::size_t i = 0; i < physical.size(); ++i) {
            EXPECT_LE(physical[i].size(), 75u);
            if (i > 0) {
                ASSERT_EQ(physical[i].front(), ' ');
                ASSERT_GT(physical[i].size(), 1u);
                EXPECT_NE(static_cast<unsigned char>(physical[i][1]) & 0xC0, 0x80) << "a character was split";
            }
        }
        // Only full lines are folded: a fold that left room would not be needed.
        EXPECT_GE(physical.front().size(), 72u);
        EXPECT_EQ(Unfold(folded), line);
    }
}

TEST(ICalendarTest, WritesACompleteCalendarOfAllDayEvents)
{
    UserProfile profile;
    // A group of the platoon that works on the last day of the year.
    profile.group = std::string(1, static_cast<char>(ShiftCodeFor(Day(2026, 12, 31), "RDO"))) + "2";
    profile.agency = "Velmora Fire, Station 3; \"North\"";
    const std::vector<DayEvent> events = EventsFor(Day(2026, 12, 30), Day(2027, 1, 1), profile);
    ASSERT_FALSE(events.empty());
    const std::string text = ICalendarText(events, ProfileTitle(profile), Stamp);

    const std::string unfolded = Unfold(text);
    const std::string head = "BEGIN:VCALENDAR\nVERSION:2.0\nPRODID:-//Quorvell//Tenvik ";
    EXPECT_EQ(unfolded.substr(0, head.size()), head);
    EXPECT_NE(unfolded.find("\nCALSCALE:GREGORIAN\nMETHOD:PUBLISH\n"), std::string::npos);
    EXPECT_NE(unfolded.find("\nREFRESH-INTERVAL;VALUE=DURATION:P1W\nX-PUBLISHED-TTL:P1W\n"), std::string::npos);
    EXPECT_NE(unfolded.find("\nX-WR-CALNAME:Velmora Fire\\, Station 3\\; \"North\" - " + profile.group + "\n"),
              std::string::npos);
    EXPECT_TRUE(text.ends_with("END:VCALENDAR\r\n"));
    EXPECT_EQ(text.find("\r\n\r\n"), std::string::npos);

    // The last day of the year ends on the first of the next.
    const std::string lastDay = "DTSTART;VALUE=DATE:20261231\nDTEND;VALUE=DATE:20270101\n";
    EXPECT_NE(unfolded.find(lastDay), std::string::npos);

    std::set<std::string> uids;
    std::size_t begins = 0;
    std::size_t stamps = 0;
    std::size_t at = 0;
    while ((at = unfolded.find('\n', at)) != std::string::npos) {
        ++at;
        const std::string line = unfolded.substr(at, unfolded.find('\n', at) - at);
        if (line == "BEGIN:VEVENT")
            ++begins;
        if (line == "DTSTAMP:20261210T140509Z")
            ++stamps;
        if (line.starts_with("UID:")) {
            EXPECT_TRUE(uids.insert(line).second) << line;
        }
        EXPECT_NE(line, "BEGIN:VTIMEZONE"); // only a file without events needs one
    }
    EXPECT_EQ(begins, events.size());
    EXPECT_EQ(stamps, events.size());
    EXPECT_EQ(uids.size(), events.size());
}

// A calendar object holds at least one component: a range without events still gives a
// file every program reads.
TEST(ICalendarTest, ACalendarWithoutEventsStillHoldsAComponent)
{
    const std::string unfolded = Unfold(ICalendarText({}, "Velmora Fire", Stamp));
    EXPECT_TRUE(unfolded.starts_with("BEGIN:VCALENDAR\n"));
    EXPECT_TRUE(unfolded.ends_with("\nEND:VTIMEZONE\nEND:VCALENDAR"));
    EXPECT_NE(unfolded.find("\nBEGIN:VTIMEZONE\nTZID:UTC\nBEGIN:STANDARD\n"), std::string::npos);
    EXPECT_EQ(unfolded.find("VEVENT"), std::string::npos);
}

// A calendar program matches events by UID: the same day and kind must give the same
// event, whatever range the file covers.
TEST(ICalendarTest, OverlappingRangesGiveTheSameEventsForTheSameDays)
{
    UserProfile profile;
    profile.group = "B4";
    const auto blocks = [&](DayNumber first, DayNumber last) {
        std::set<std::string> found;
        const std::string text = ICalendarText(EventsFor(first, last, profile), ProfileTitle(profile), Stamp);
        for (std::size_t at = text.find("BEGIN:VEVENT"); at != std::string::npos;
             at = text.find("BEGIN:VEVENT", at + 1))
            found.insert(text.substr(at, text.find("END:VEVENT", at) - at));
        return found;
    };
    const std::set<std::string> first = blocks(Day(2026, 12, 10), Day(2027, 12, 10));
    const std::set<std::string> second = blocks(Day(2027, 6, 1), Day(2028, 6, 1));
    const std::set<std::string> overlap = blocks(Day(2027, 6, 1), Day(2027, 12, 10));
    ASSERT_GT(overlap.size(), 100u);
    for (const std::string& block : overlap) {
        EXPECT_TRUE(first.contains(block)) << block;
        EXPECT_TRUE(second.contains(block)) << block;
    }
}

} // namespace
} // namespace tenvik
