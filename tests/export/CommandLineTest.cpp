#include "export/CommandLine.h"
#include "export/IsoDate.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tenvik {
namespace {

const DayNumber Today = EncodeDate(2026, 12, 10);

std::variant<ExportRequest, CommandLineError> Parse(std::vector<std::string_view> args, DayNumber today = Today)
{
    return ParseExportCommandLine(args, today);
}

ExportRequest Accepted(std::vector<std::string_view> args, DayNumber today = Today)
{
    const auto parsed = Parse(std::move(args), today);
    if (const auto* error = std::get_if<CommandLineError>(&parsed)) {
        ADD_FAILURE() << error->message;
        return {};
    }
    return std::get<ExportRequest>(parsed);
}

TEST(ExportCommandLineTest, RangesAndYears)
{
    struct Case {
        std::vector<std::string_view> args;
        const char* from;
        const char* to;
        int year;
    };
    const Case cases[] = {
        {{"--ics", "a.ics"}, "2026-12-10", "2027-12-10", 2026}, // today and the next 365 days
        {{"--ics=a.ics", "--from", "2027-03-01"}, "2027-03-01", "2028-02-29", 2026},
        {{"--ics", "a.ics", "--to", "2027-01-31"}, "2026-12-10", "2027-01-31", 2026},
        {{"--ics", "a.ics", "--from=2026-01-01", "--to=2026-01-01"}, "2026-01-01", "2026-01-01", 2026},
        {{"--ics", "a.ics", "--year", "2028"}, "2028-01-01", "2028-12-31", 2028},
        {{"--pdf", "y.pdf"}, "2026-12-10", "2027-12-10", 2026},
        {{"--pdf", "y.pdf", "--year=1901", "--ics", "a.ics", "--from", "2030-05-05"}, "2030-05-05", "2031-05-05", 1901},
        {{"--ics", "a.ics", "--from", "2060-06-01"}, "2060-06-01", "2060-12-31", 2026}, // the calendar ends in 2060
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.args.back()));
        const ExportRequest request = Accepted(c.args);
        EXPECT_EQ(FormatIsoDate(request.from), c.from);
        EXPECT_EQ(FormatIsoDate(request.to), c.to);
        EXPECT_EQ(request.year, c.year);
    }

    const ExportRequest late = Accepted({"--ics", "a.ics"}, EncodeDate(2060, 6, 1));
    EXPECT_EQ(FormatIsoDate(late.to), "2060-12-31");
}

TEST(ExportCommandLineTest, FilesGroupAndKinds)
{
    const ExportRequest request =
        Accepted({"--ics", "out/cal.ics", "--pdf", "year.pdf", "--group", "b7", "--no-paydays", "--no-rdo"});
    EXPECT_EQ(request.icsPath, "out/cal.ics");
    EXPECT_EQ(request.pdfPath, "year.pdf");
    EXPECT_EQ(request.group, "B7");
    EXPECT_TRUE(request.kinds.duty);
    EXPECT_FALSE(request.kinds.rdo);
    EXPECT_FALSE(request.kinds.payday);
    EXPECT_TRUE(request.kinds.payPeriodStart);
    EXPECT_FALSE(request.help);

    EXPECT_EQ(Accepted({"--ics", "a", "--group", "rdo"}).group, "RDO");
    EXPECT_FALSE(Accepted({"--ics", "a"}).group.has_value());
    EXPECT_FALSE(Accepted({"--ics", "a", "--no-duty", "--no-pay-periods"}).kinds.payPeriodStart);
    EXPECT_TRUE(Accepted({"--help"}).help);
    EXPECT_TRUE(Accepted({"--ics", "a", "-h"}).help);
}

TEST(ExportCommandLineTest, ClearErrors)
{
    struct Case {
        std::vector<std::string_view> args;
        const char* message;
    };
    const Case cases[] = {
        {{}, "nothing to write"},
        {{"--year", "2027"}, "nothing to write"},
        {{"--ics"}, "--ics needs a file name"},
        {{"--ics", "--pdf", "y.pdf"}, "--ics needs a file name"},
        {{"--ics="}, "--ics needs a file name"},
        {{"--ics", "a", "--ics", "b"}, "--ics is given twice"},
        {{"--ics", "a", "--from", "2026-02-30"}, "--from: '2026-02-30' is not a date; write it as yyyy-MM-dd"},
        {{"--ics", "a", "--from", "12/10/2026"}, "--from: '12/10/2026' is not a date"},
        {{"--ics", "a", "--to", "2026-1-5"}, "--to: '2026-1-5' is not a date"},
        {{"--ics", "a", "--to", "2061-01-01"},
         "--to: 2061-01-01 is outside the calendar's range, 1901-01-01 to 2060-12-31"},
        {{"--ics", "a", "--from", "2027-01-02", "--to", "2027-01-01"}, "the range ends before it begins"},
        {{"--ics", "a", "--to", "2020-01-01"}, "the range ends before it begins: 2026-12-10 to 2020-01-01"},
        {{"--pdf", "y", "--from", "2027-01-01"}, "--from and --to set the days of --ics"},
        {{"--pdf", "y", "--year", "27"}, "--year: 27 is outside the calendar's range, 1901 to 2060"},
        {{"--pdf", "y", "--year", "2027x"}, "--year: '2027x' is not a year"},
        {{"--pdf", "y", "--group", "C1"}, "--group: 'C1' is no group; use RDO, A1 to A7 or B1 to B7"},
        {{"--pdf", "y", "--group", "A"}, "is no group"},
        {{"--pdf", "y", "--no-rdo=1"}, "--no-rdo takes no value"},
        {{"--pdf", "y", "--colour"}, "unknown option '--colour'"},
        {{"--pdf", "y", "extra"}, "unexpected argument 'extra'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        const auto parsed = Parse(c.args);
        const auto* error = std::get_if<CommandLineError>(&parsed);
        ASSERT_NE(error, nullptr);
        EXPECT_NE(error->message.find(c.message), std::string::npos) << error->message;
    }
}

} // namespace
} // namespace tenvik
