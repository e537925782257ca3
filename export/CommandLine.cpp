#include "export/CommandLine.h"

#include "core/IsoDate.h"
#include "core/Profile.h"
#include "core/Rotation.h"
#include "export/Feeds.h"

#include <algorithm>
#include <charconv>
#include <utility>

namespace tenvik {
namespace {

OptionError Problem(OptionProblem problem, std::string_view option = {}, std::string_view value = {})
{
    return OptionError{problem, std::string(option), std::string(value), 0, 0};
}

std::variant<DayNumber, OptionError> DateOption(std::string_view option, std::string_view text)
{
    const auto day = ParseIsoDate(text);
    if (!day)
        return Problem(OptionProblem::NotADate, option, text);
    if (*day < MinViewDate || *day > MaxViewDate) {
        OptionError error = Problem(OptionProblem::DateOutsideCalendar, option, text);
        error.first = MinViewDate;
        error.last = MaxViewDate;
        return error;
    }
    return *day;
}

std::variant<int, OptionError> YearOption(std::string_view text)
{
    int year = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), year);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size())
        return Problem(OptionProblem::NotAYear, "--year", text);
    if (year < CalendarYear(MinViewDate) || year > CalendarYear(MaxViewDate)) {
        OptionError outside = Problem(OptionProblem::YearOutsideCalendar, "--year", text);
        outside.first = MinViewDate;
        outside.last = MaxViewDate;
        return outside;
    }
    return year;
}

// Fills target from an optional date option; an error replaces nothing.
std::optional<OptionError> ReadDate(std::string_view option, const std::optional<std::string>& text,
                                    std::optional<DayNumber>& target)
{
    if (!text)
        return std::nullopt;
    auto day = DateOption(option, *text);
    if (auto* error = std::get_if<OptionError>(&day))
        return *error;
    target = std::get<DayNumber>(day);
    return std::nullopt;
}

} // namespace

std::variant<ExportRequest, OptionError> CheckExportOptions(const ExportOptions& options, DayNumber today)
{
    ExportRequest request;
    request.calendar = options.calendar;
    request.sheet = options.sheet;
    request.entriesCsv = options.entriesCsv;
    request.payPeriodsCsv = options.payPeriodsCsv;
    request.importCsv = options.importCsv;
    request.addToEntries = options.addToEntries;
    request.withEntries = options.withEntries;
    request.publish = options.publish;
    request.agency = options.agency;
    request.kinds = options.kinds;

    std::optional<DayNumber> from;
    std::optional<DayNumber> to;
    if (auto error = ReadDate("--from", options.from, from))
        return *error;
    if (auto error = ReadDate("--to", options.to, to))
        return *error;
    std::optional<DayNumber> payPeriodStart;
    if (auto error = ReadDate("--pay-period-start", options.payPeriodStart, payPeriodStart))
        return *error;
    request.payPeriodStart = payPeriodStart;
    std::optional<int> year;
    if (options.year) {
        auto parsed = YearOption(*options.year);
        if (auto* error = std::get_if<OptionError>(&parsed))
            return *error;
        year = std::get<int>(parsed);
    }
    if (options.group) {
        const auto code = AssignmentCodeFor(*options.group);
        if (!code)
            return Problem(OptionProblem::NotAGroup, "--group", *options.group);
        request.group = std::string(*code);
    }
    if (options.paper) {
        request.paper = PaperNamed(*options.paper);
        if (!request.paper)
            return Problem(OptionProblem::NotAPaper, "--paper", *options.paper);
    }

    const bool writes = options.calendar || options.sheet || options.entriesCsv || options.payPeriodsCsv;
    if (options.publish) {
#ifndef TENVIK_PUBLISH
        return Problem(OptionProblem::PublishUnavailable, "--publish");
#endif
        if (writes || options.importCsv)
            return Problem(OptionProblem::PublishWithOutput);
        // A publish writes every group's feeds with every kind of day, on no paper.
        const std::pair<bool, const char*> choices[] = {{options.group.has_value(), "--group"},
                                                        {!options.kinds.duty, "--no-duty"},
                                                        {!options.kinds.rdo, "--no-rdo"},
                                                        {!options.kinds.payday, "--no-paydays"},
                                                        {!options.kinds.payPeriodStart, "--no-pay-periods"},
                                                        {options.year.has_value(), "--year"},
                                                        {options.paper.has_value(), "--paper"}};
        for (const auto& [given, option] : choices) {
            if (given)
                return Problem(OptionProblem::ChoiceWithPublish, option);
        }
        if (!options.baseUrl)
            return Problem(OptionProblem::PublishWithoutBaseUrl);
        const auto base = FeedBaseUrl(*options.baseUrl);
        if (!base)
            return Problem(OptionProblem::NotABaseUrl, "--base-url", *options.baseUrl);
        request.baseUrl = *base;
    } else if (options.baseUrl) {
        return Problem(OptionProblem::BaseUrlWithoutPublish);
    }
    if (options.importCsv && writes)
        return Problem(OptionProblem::ImportWithOutput);
    if (!writes && !options.importCsv && !options.publish)
        return Problem(OptionProblem::NothingToWrite);
    if (options.addToEntries && !options.importCsv)
        return Problem(OptionProblem::AddWithoutImport);
    if (options.withEntries && !options.calendar)
        return Problem(OptionProblem::EntriesWithoutCalendar);
    if ((from || to) && !options.calendar && !options.payPeriodsCsv && !options.publish)
        return Problem(OptionProblem::RangeWithoutCalendar);

    const DayNumber todayInView = std::clamp(static_cast<DayNumber>(WholeDay(today)), MinViewDate, MaxViewDate);
    if (options.publish) {
        const FeedWindow window = DefaultFeedWindow(todayInView);
        request.rangeGiven = from || to;
        request.from = from.value_or(window.first);
        request.to = to.value_or(window.last);
        if (request.from > request.to) {
            OptionError reversed = Problem(OptionProblem::RangeReversed);
            reversed.first = request.from;
            reversed.last = request.to;
            return reversed;
        }
    } else if (from || to) {
        request.rangeGiven = true;
        request.from = from.value_or(todayInView);
        request.to = to.value_or(CalendarFileEnd(request.from));
        if (request.from > request.to) {
            OptionError reversed = Problem(OptionProblem::RangeReversed);
            reversed.first = request.from;
            reversed.last = request.to;
            return reversed;
        }
    } else if (year) {
        request.from = EncodeDate(*year, 1, 1);
        request.to = EncodeDate(*year, 12, 31);
    } else {
        request.from = todayInView;
        request.to = CalendarFileEnd(todayInView);
    }
    request.year = year.value_or(CalendarYear(todayInView));
    return request;
}

bool NeedsRecords(const ExportRequest& request)
{
    return request.entriesCsv || request.payPeriodsCsv || (request.calendar && request.withEntries);
}

std::vector<ExportNotice> NoticesFor(const ExportRequest& request, const UserProfile& profile)
{
    // The pay periods' scheduled hours are the group's duty days.
    const bool calendarWantsGroup =
        (request.calendar && (request.kinds.duty || request.kinds.rdo)) || request.payPeriodsCsv;
    std::vector<ExportNotice> notices;
    // "--group RDO" chooses no group on purpose; only a group never chosen is worth a word.
    if (!profile.HasGroup() && !request.group && (calendarWantsGroup || request.sheet))
        notices.push_back(ExportNotice::NoGroup);
    const bool calendarBefore = calendarWantsGroup && request.to < RdoAnchor;
    const bool sheetBefore = request.sheet && EncodeDate(request.year, 12, 31) < RdoAnchor;
    if (calendarBefore || sheetBefore)
        notices.push_back(ExportNotice::BeforeSchedule);
    return notices;
}

} // namespace tenvik
