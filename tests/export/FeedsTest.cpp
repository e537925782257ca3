#include "export/Feeds.h"

#include "core/IsoDate.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace tenvik {
namespace {

DayNumber Day(const char* iso)
{
    return *ParseIsoDate(iso);
}

// Every day of a quarter gives the same window, so a weekly re-publish writes the same
// bytes until the quarter turns.
TEST(FeedsTest, TheDefaultWindowMovesOnlyWithTheQuarter)
{
    struct Case {
        const char* today;
        const char* first;
        const char* last;
    };
    const Case cases[] = {
        {"2026-10-01", "2026-07-01", "2027-12-31"}, {"2026-12-10", "2026-07-01", "2027-12-31"},
        {"2026-12-31", "2026-07-01", "2027-12-31"}, {"2027-01-01", "2026-10-01", "2028-12-31"},
        {"2027-03-31", "2026-10-01", "2028-12-31"}, {"2027-05-15", "2027-01-01", "2028-12-31"},
        {"2060-06-30", "2060-01-01", "2060-12-31"}, // the calendar ends with 2060
        {"1901-02-01", "1901-01-01", "1902-12-31"}, // and begins with 1901
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.today);
        const FeedWindow window = DefaultFeedWindow(Day(c.today));
        EXPECT_EQ(FormatIsoDate(window.first), c.first);
        EXPECT_EQ(FormatIsoDate(window.last), c.last);
    }
}

TEST(FeedsTest, BaseAddressesAreWebAddressesEndingInASlash)
{
    struct Case {
        const char* given;
        const char* base; // nullptr: refused
    };
    const Case cases[] = {
        {"https://calendar.example.org", "https://calendar.example.org/"},
        {"https://calendar.example.org/shifts/", "https://calendar.example.org/shifts/"},
        {"HTTP://127.0.0.1:8080/feeds", "HTTP://127.0.0.1:8080/feeds/"},
        {"calendar.example.org/shifts", nullptr},
        {"ftp://calendar.example.org/", nullptr},
        {"https://", nullptr},
        {"https:///shifts", nullptr},
        {"https://calendar.example.org/a b", nullptr},
        {"https://calendar.example.org/?x=1", nullptr},
        {"https://calendar.example.org/#top", nullptr},
        {"https://calendar.example.org/\"><script>", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.given);
        const auto base = FeedBaseUrl(c.given);
        if (c.base == nullptr)
            EXPECT_FALSE(base.has_value()) << *base;
        else
            EXPECT_EQ(base.value_or("(refused)"), c.base);
    }
    EXPECT_EQ(FeedUrl("https://c.example.org/s/", "a1.ics"), "https://c.example.org/s/a1.ics");
    EXPECT_EQ(WebcalUrl("https://c.example.org/s/", "a1.ics"), "webcal://c.example.org/s/a1.ics");
    EXPECT_EQ(WebcalUrl("http://127.0.0.1:8080/", "b.ics"), "webcal://127.0.0.1:8080/b.ics");
}

TEST(FeedsTest, EveryGroupAPlatoonFeedEachAndThePaydays)
{
    const std::vector<Feed> feeds = PublishedFeeds();
    std::vector<std::string> names;
    for (const Feed& feed : feeds)
        names.push_back(feed.fileName);
    EXPECT_EQ(names,
              (std::vector<std::string>{"a1.ics", "a2.ics", "a3.ics", "a4.ics", "a5.ics", "a6.ics", "a7.ics", "b1.ics",
                                        "b2.ics", "b3.ics", "b4.ics", "b5.ics", "b6.ics", "b7.ics", "a.ics", "b.ics",
                                        "paydays.ics"}));
    EXPECT_EQ(FeedCalendarName(feeds[1], "Velmora Fire"), "Velmora Fire - A2");
    EXPECT_EQ(FeedCalendarName(feeds[15], "Velmora Fire"), "Velmora Fire - B platoon");
    EXPECT_EQ(FeedCalendarName(feeds[16], "Velmora Fire"), "Velmora Fire - Paydays");
}

// A group's feed holds its duty days and RDOs, a platoon's every day it works; between
// them the days of a platoon's seven groups are the platoon's days, each once.
TEST(FeedsTest, AGroupsDaysAndItsPlatoonsDaysAgree)
{
    const FeedWindow window{Day("2027-01-01"), Day("2027-12-31")};
    const UserProfile profile;
    const std::vector<Feed> feeds = PublishedFeeds();
    const auto platoonDays = FeedEvents(feeds[14], window, profile); // a.ics
    ASSERT_GT(platoonDays.size(), 170U);
    for (int group = 0; group < 7; ++group) {
        SCOPED_TRACE(feeds[group].code);
        std::set<DayNumber> days;
        for (const DayEvent& event : FeedEvents(feeds[group], window, profile)) {
            EXPECT_TRUE(event.kind == EventKind::Duty || event.kind == EventKind::Rdo);
            days.insert(event.day);
        }
        EXPECT_EQ(days.size(), platoonDays.size());
        EXPECT_TRUE(std::ranges::all_of(platoonDays, [&](const DayEvent& e) { return days.contains(e.day); }));
    }
    EXPECT_EQ(platoonDays.front().uid, "20270101-duty-a@tenvik.example.org");
    EXPECT_EQ(platoonDays.front().summary, "A platoon on duty");
    for (const DayEvent& event : FeedEvents(feeds[16], window, profile))
        EXPECT_TRUE(event.kind == EventKind::Payday || event.kind == EventKind::PayPeriodStart) << event.uid;
}

// Nothing in a feed comes from the clock: its stamp is the window's first day.
TEST(FeedsTest, AFeedIsTheSameBytesForTheSameSettingsAndDays)
{
    const FeedWindow window{Day("2026-07-01"), Day("2027-12-31")};
    UserProfile profile;
    const Feed feed = PublishedFeeds()[16];
    const std::string text = FeedText(feed, window, profile);
    EXPECT_EQ(text, FeedText(feed, window, profile));
    EXPECT_NE(text.find("\r\nDTSTAMP:20260701T000000Z\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nNAME:Velmora Fire - Paydays\r\n"), std::string::npos);
    profile.payPeriodStart += 14;
    EXPECT_NE(FeedText(feed, window, profile), text);
}

} // namespace
} // namespace tenvik
