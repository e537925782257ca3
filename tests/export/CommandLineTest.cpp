#include "core/IsoDate.h"
#include "export/CommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tenvik {
namespace {

const DayNumber Today = EncodeDate(2026, 12, 10);

ExportOptions Calendar()
{
    ExportOptions options;
    options.calendar = true;
    return options;
}

ExportOptions Sheet()
{
    ExportOptions options;
    options.sheet = true;
    return options;
}

ExportRequest Accepted(const ExportOptions& options, DayNumber today = Today)
{
    const auto checked = CheckExportOptions(options, today);
    if (const auto* error = std::get_if<OptionError>(&checked)) {
        ADD_FAILURE() << "refused: " << static_cast<int>(error->problem) << " " << error->option << " " << error->value;
        return {};
    }
    return std::get<ExportRequest>(checked);
}

TEST(ExportOptionsTest, RangesAndYears)
{
    struct Case {
        const char* name;
        ExportOptions options;
        const char* from;
        const char* to;
        int year;
    };
    const auto with = [](ExportOptions options, auto&& change) {
        change(options);
        return options;
    };
    const Case cases[] = {
        {"today and the next 365 days", Calendar(), "2026-12-10", "2027-12-10", 2026},
        {"from", with(Calendar(), [](auto& o) { o.from = "2027-03-01"; }), "2027-03-01", "2028-02-29", 2026},
        {"to", with(Calendar(), [](auto& o) { o.to = "2027-01-31"; }), "2026-12-10", "2027-01-31", 2026},
        {"one day", with(Calendar(), [](auto& o) { o.from = o.to = "2026-01-01"; }), "2026-01-01", "2026-01-01", 2026},
        {"a year", with(Calendar(), [](auto& o) { o.year = "2028"; }), "2028-01-01", "2028-12-31", 2028},
        {"sheet", Sheet(), "2026-12-10", "2027-12-10", 2026},
        {"both", with(Calendar(), [](auto& o) { o.sheet = true, o.year = "1901", o.from = "2030-05-05"; }),
         "2030-05-05", "2031-05-05", 1901},
        {"the calendar ends in 2060", with(Calendar(), [](auto& o) { o.from = "2060-06-01"; }), "2060-06-01",
         "2060-12-31", 2026},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ExportRequest request = Accepted(c.options);
        EXPECT_EQ(FormatIsoDate(request.from), c.from);
        EXPECT_EQ(FormatIsoDate(request.to), c.to);
        EXPECT_EQ(request.year, c.year);
    }

    const ExportRequest late = Accepted(Calendar(), EncodeDate(2060, 6, 1));
    EXPECT_EQ(FormatIsoDate(late.to), "2060-12-31");
}

TEST(ExportOptionsTest, GroupPaperAndKinds)
{
    ExportOptions options = Calendar();
    options.sheet = true;
    options.group = "b7";
    options.paper = "Letter";
    options.kinds.payday = false;
    const ExportRequest request = Accepted(options);
    EXPECT_TRUE(request.calendar);
    EXPECT_TRUE(request.sheet);
    EXPECT_EQ(request.group, "B7");
    EXPECT_EQ(request.paper, Paper::Letter);
    EXPECT_FALSE(request.kinds.payday);
    EXPECT_TRUE(request.kinds.rdo);

    options.group = "rdo";
    options.paper = "a4";
    EXPECT_EQ(Accepted(options).group, "RDO");
    EXPECT_EQ(Accepted(options).paper, Paper::A4);
    EXPECT_FALSE(Accepted(Calendar()).group.has_value());
    EXPECT_FALSE(Accepted(Calendar()).paper.has_value());
}

TEST(ExportOptionsTest, ProblemsAreNamedWithWhatCausedThem)
{
    struct Case {
        const char* name;
        ExportOptions options;
        OptionProblem problem;
        const char* option;
        const char* value;
    };
    const auto with = [](ExportOptions options, auto&& change) {
        change(options);
        return options;
    };
    const Case cases[] = {
        {"nothing", ExportOptions{}, OptionProblem::NothingToWrite, "", ""},
        {"a year alone", with(ExportOptions{}, [](auto& o) { o.year = "2027"; }), OptionProblem::NothingToWrite, "",
         ""},
        {"no such day", with(Calendar(), [](auto& o) { o.from = "2026-02-30"; }), OptionProblem::NotADate, "--from",
         "2026-02-30"},
        {"US order", with(Calendar(), [](auto& o) { o.from = "12/10/2026"; }), OptionProblem::NotADate, "--from",
         "12/10/2026"},
        {"short month", with(Calendar(), [](auto& o) { o.to = "2026-1-5"; }), OptionProblem::NotADate, "--to",
         "2026-1-5"},
        {"after 2060", with(Calendar(), [](auto& o) { o.to = "2061-01-01"; }), OptionProblem::DateOutsideCalendar,
         "--to", "2061-01-01"},
        {"a range for the sheet", with(Sheet(), [](auto& o) { o.from = "2027-01-01"; }),
         OptionProblem::RangeWithoutCalendar, "", ""},
        {"two digits", with(Sheet(), [](auto& o) { o.year = "27"; }), OptionProblem::YearOutsideCalendar, "--year",
         "27"},
        {"letters", with(Sheet(), [](auto& o) { o.year = "2027x"; }), OptionProblem::NotAYear, "--year", "2027x"},
        {"no group", with(Sheet(), [](auto& o) { o.group = "C1"; }), OptionProblem::NotAGroup, "--group", "C1"},
        {"a platoon", with(Sheet(), [](auto& o) { o.group = "A"; }), OptionProblem::NotAGroup, "--group", "A"},
        {"A5", with(Sheet(), [](auto& o) { o.paper = "A5"; }), OptionProblem::NotAPaper, "--paper", "A5"},
        {"entries without a calendar", with(Sheet(), [](auto& o) { o.withEntries = true; }),
         OptionProblem::EntriesWithoutCalendar, "", ""},
        {"add without import", with(Sheet(), [](auto& o) { o.addToEntries = true; }), OptionProblem::AddWithoutImport,
         "", ""},
        {"import and write", with(Calendar(), [](auto& o) { o.importCsv = true; }), OptionProblem::ImportWithOutput, "",
         ""},
        {"a range for the entries",
         with(ExportOptions{},
              [](auto& o) {
                  o.entriesCsv = true;
                  o.to = "2027-01-01";
              }),
         OptionProblem::RangeWithoutCalendar, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto checked = CheckExportOptions(c.options, Today);
        const auto* error = std::get_if<OptionError>(&checked);
        ASSERT_NE(error, nullptr);
        EXPECT_EQ(error->problem, c.problem);
        EXPECT_EQ(error->option, c.option);
        EXPECT_EQ(error->value, c.value);
    }

    ExportOptions reversed = Calendar();
    reversed.to = "2020-01-01";
    const auto checked = CheckExportOptions(reversed, Today);
    const auto* error = std::get_if<OptionError>(&checked);
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->problem, OptionProblem::RangeReversed);
    EXPECT_EQ(FormatIsoDate(error->first), "2026-12-10");
    EXPECT_EQ(FormatIsoDate(error->last), "2020-01-01");
}

// An export that leaves days out without being asked says so; one asked to does not.
TEST(ExportOptionsTest, NoticesForWhatIsLeftOut)
{
    struct Case {
        const char* name;
        ExportOptions options;
        const char* savedGroup;
        std::vector<ExportNotice> notices;
    };
    const auto with = [](ExportOptions options, auto&& change) {
        change(options);
        return options;
    };
    const Case cases[] = {
        {"a group", Calendar(), "A2", {}},
        {"no group", Calendar(), "RDO", {ExportNotice::NoGroup}},
        {"no group, printed", Sheet(), "RDO", {ExportNotice::NoGroup}},
        {"no group on purpose", with(Calendar(), [](auto& o) { o.group = "RDO"; }), "A2", {}},
        {"no group, nor duty days or RDOs asked for",
         with(Calendar(), [](auto& o) { o.kinds.duty = o.kinds.rdo = false; }),
         "RDO",
         {}},
        {"wholly before the schedule",
         with(Calendar(), [](auto& o) { o.from = "2011-01-01", o.to = "2012-01-16"; }),
         "A2",
         {ExportNotice::BeforeSchedule}},
        {"its first day", with(Calendar(), [](auto& o) { o.from = "2011-01-01", o.to = "2012-01-17"; }), "A2", {}},
        {"a year before it", with(Sheet(), [](auto& o) { o.year = "2011"; }), "A2", {ExportNotice::BeforeSchedule}},
        {"the year it begins", with(Sheet(), [](auto& o) { o.year = "2012"; }), "A2", {}},
        {"both",
         with(Sheet(), [](auto& o) { o.year = "1950"; }),
         "RDO",
         {ExportNotice::NoGroup, ExportNotice::BeforeSchedule}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ExportRequest request = Accepted(c.options);
        UserProfile profile;
        profile.group = request.group.value_or(c.savedGroup);
        EXPECT_EQ(NoticesFor(request, profile), c.notices);
    }
}

} // namespace
} // namespace tenvik
