#include "export/Feeds.h"

#include "core/AsciiText.h"
#include "core/Rotation.h"
#include "export/ICalendar.h"

#include <algorithm>
#include <chrono>

namespace tenvik {
namespace {

std::string Lowered(std::string_view text)
{
    std::string lowered;
    for (const char c : text)
        lowered += AsciiLower(c);
    return lowered;
}

} // namespace

FeedWindow DefaultFeedWindow(DayNumber today)
{
    const CivilDate date = DecodeDate(today);
    const int quarterMonth = (date.month - 1) / 3 * 3 + 1;
    const DayNumber quarterStart = EncodeDate(date.year, quarterMonth, 1);
    const DayNumber first = std::max(MonthStep(quarterStart, -3), MinViewDate);
    const DayNumber last =
        std::min(EncodeDate(std::min(date.year + 1, CalendarYear(MaxViewDate)), 12, 31), MaxViewDate);
    return {first, last};
}

std::vector<Feed> PublishedFeeds()
{
    std::vector<Feed> feeds;
    for (const std::string_view code : AssignmentCodes) {
        if (code != NoGroupCode)
            feeds.push_back({FeedKind::Group, std::string(code), Lowered(code) + ".ics"});
    }
    for (const std::string_view platoon : {"A", "B"})
        feeds.push_back({FeedKind::Platoon, std::string(platoon), Lowered(platoon) + ".ics"});
    feeds.push_back({FeedKind::Paydays, {}, "paydays.ics"});
    return feeds;
}

std::string FeedCalendarName(const Feed& feed, std::string_view agency, const FeedNames& names)
{
    switch (feed.kind) {
    case FeedKind::Group:
        return ProfileTitle(UserProfile{std::string(agency), feed.code, DefaultPayPeriodStart});
    case FeedKind::Platoon:
        return FillIn(names.platoon, {agency, feed.code});
    case FeedKind::Paydays:
        break;
    }
    return FillIn(names.paydays, {agency});
}

std::vector<DayEvent> FeedEvents(const Feed& feed, const FeedWindow& window, const UserProfile& profile,
                                 const EventPhrases& phrases)
{
    UserProfile owner = profile;
    switch (feed.kind) {
    case FeedKind::Group:
        owner.group = feed.code;
        return EventsFor(window.first, window.last, owner, {true, true, false, false}, phrases);
    case FeedKind::Platoon:
        return PlatoonEventsFor(window.first, window.last, feed.code.front(), profile.agency, phrases);
    case FeedKind::Paydays:
        break;
    }
    owner.group = std::string(NoGroupCode);
    return EventsFor(window.first, window.last, owner, {false, false, true, true}, phrases);
}

std::string FeedText(const Feed& feed, const FeedWindow& window, const UserProfile& profile,
                     const EventPhrases& phrases, const FeedNames& names)
{
    const CivilDate first = DecodeDate(window.first);
    const std::chrono::sys_days stamp{std::chrono::year{first.year} / first.month / first.day};
    return ICalendarText(FeedEvents(feed, window, profile, phrases), FeedCalendarName(feed, profile.agency, names),
                         stamp);
}

std::optional<std::string> FeedBaseUrl(std::string_view given)
{
    std::string_view rest;
    for (const std::string_view scheme : {"https://", "http://"}) {
        if (given.size() > scheme.size() && Lowered(given.substr(0, scheme.size())) == scheme)
            rest = given.substr(scheme.size());
    }
    if (rest.empty() || rest.front() == '/')
        return std::nullopt;
    for (const char c : given) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= 0x20 || byte == 0x7F || c == '"' || c == '\'' || c == '<' || c == '>' || c == '?' || c == '#'
            || c == '\\' || c == '`')
            return std::nullopt;
    }
    std::string base(given);
    if (base.back() != '/')
        base += '/';
    return base;
}

std::string FeedUrl(std::string_view base, std::string_view fileName)
{
    return std::string(base) + std::string(fileName);
}

std::string WebcalUrl(std::string_view base, std::string_view fileName)
{
    const std::size_t colon = base.find(':');
    return "webcal" + std::string(base.substr(colon)) + std::string(fileName);
}

} // namespace tenvik
