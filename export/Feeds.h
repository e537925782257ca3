#pragma once

#include "core/DayNumber.h"
#include "core/Profile.h"
#include "export/CalendarEvents.h"
#include "export/EventPhrases.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The calendars a department publishes for its members to subscribe to: one per
// assignment group, one per platoon and one of the paydays, each the same for everyone
// who subscribes to it. A feed is a pure function of the agency, the pay-period start and
// the days it covers: nothing in it comes from the clock, so that publishing again with
// the same settings writes the same bytes and web servers' ETags and phones' caches hold.
namespace tenvik {

// The days every feed covers, both included.
struct FeedWindow {
    DayNumber first = 0;
    DayNumber last = 0;
};

// From the first day of the quarter before today's to the end of next year. Today
// enters only through its quarter, so every day of a quarter gives the same window: a
// weekly re-publish changes nothing until the next quarter moves the window on.
FeedWindow DefaultFeedWindow(DayNumber today);

enum class FeedKind {
    Group,   // the duty days and RDOs of one assignment group
    Platoon, // every duty day of one platoon, without RDOs
    Paydays, // the paydays and the first day of each pay period
};

struct Feed {
    FeedKind kind = FeedKind::Group;
    std::string code;     // "A1" … "B7" for a group, "A" or "B" for a platoon, empty for the paydays
    std::string fileName; // "a1.ics", "a.ics", "paydays.ics"
};

// The fourteen groups in the assignment box's order, then the two platoons, then the paydays.
std::vector<Feed> PublishedFeeds();

// The calendar names a subscriber's program shows, beside the group feeds' "agency - group".
struct FeedNames {
    std::string platoon = "%1 - %2 platoon"; // agency, platoon letter
    std::string paydays = "%1 - Paydays";    // agency
};

std::string FeedCalendarName(const Feed& feed, std::string_view agency, const FeedNames& names = {});

// Events of the feed over the window; profile gives the agency and the pay-period start
// (its group is not read).
std::vector<DayEvent> FeedEvents(const Feed& feed, const FeedWindow& window, const UserProfile& profile,
                                 const EventPhrases& phrases = {});

// The calendar file of the feed. Its DTSTAMP is the window's first day at midnight UTC:
// a stamp from the data, the same for every run over the same window.
std::string FeedText(const Feed& feed, const FeedWindow& window, const UserProfile& profile,
                     const EventPhrases& phrases = {}, const FeedNames& names = {});

// The address the published folder is served at, as a publisher gives it: http:// or
// https://, a host, an optional path; no query, fragment, space, quote or angle bracket.
// Returned with one trailing slash, so that a file name completes it; nothing when it is
// no such address.
std::optional<std::string> FeedBaseUrl(std::string_view given);

// "https://calendar.example.org/shifts/a1.ics" for a base and a file name, and the same
// with webcal:// in place of the scheme: the form that tells a phone to subscribe.
std::string FeedUrl(std::string_view base, std::string_view fileName);
std::string WebcalUrl(std::string_view base, std::string_view fileName);

} // namespace tenvik
