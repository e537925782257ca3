#include "app/ExportCommandLine.h"
#include "app/WindowCommandLine.h"
#include "core/IsoDate.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tenvik {
namespace {

using namespace Qt::StringLiterals;

const DayNumber Today = EncodeDate(2026, 12, 10);

std::variant<ExportCommand, UsageError> Parse(QStringList arguments)
{
    arguments.prepend(QStringLiteral("tenvik-export"));
    return ExportCommandLine().parse(arguments, Today);
}

QString ErrorOf(const QStringList& arguments)
{
    const auto parsed = Parse(arguments);
    if (const auto* error = std::get_if<UsageError>(&parsed))
        return error->message;
    return {};
}

TEST(ExportCommandLineTest, TakesEveryOptionInBothForms)
{
    const auto parsed = Parse({u"--ics"_s, u"-"_s, u"--pdf=year.pdf"_s, u"--from"_s, u"2027-03-01"_s,
                               u"--to=2027-05-31"_s, u"--year"_s, u"2028"_s, u"--group"_s, u"b7"_s, u"--paper"_s,
                               u"letter"_s, u"--no-duty"_s, u"--no-rdo"_s, u"--no-paydays"_s, u"--no-pay-periods"_s});
    ASSERT_TRUE(std::holds_alternative<ExportCommand>(parsed)) << std::get<UsageError>(parsed).message.toStdString();
    const ExportCommand& command = std::get<ExportCommand>(parsed);
    EXPECT_EQ(command.action, ExportCommand::Action::Export);
    EXPECT_EQ(command.icsName, QStringLiteral("-"));
    EXPECT_EQ(command.pdfName, QStringLiteral("year.pdf"));
    EXPECT_EQ(FormatIsoDate(command.request.from), "2027-03-01");
    EXPECT_EQ(FormatIsoDate(command.request.to), "2027-05-31");
    EXPECT_EQ(command.request.year, 2028);
    EXPECT_EQ(command.request.group, "B7");
    EXPECT_EQ(command.request.paper, Paper::Letter);
    EXPECT_FALSE(command.request.kinds.duty || command.request.kinds.rdo || command.request.kinds.payday
                 || command.request.kinds.payPeriodStart);

    const auto records =
        Parse({u"--entries-csv"_s, u"e.csv"_s, u"--pay-periods-csv=-"_s, u"--ics"_s, u"c.ics"_s, u"--with-entries"_s});
    ASSERT_TRUE(std::holds_alternative<ExportCommand>(records)) << std::get<UsageError>(records).message.toStdString();
    EXPECT_EQ(std::get<ExportCommand>(records).entriesCsvName, QStringLiteral("e.csv"));
    EXPECT_EQ(std::get<ExportCommand>(records).payPeriodsCsvName, QStringLiteral("-"));
    EXPECT_TRUE(std::get<ExportCommand>(records).request.withEntries);
    const auto import = Parse({u"--import-csv"_s, u"old.csv"_s, u"--add"_s});
    ASSERT_TRUE(std::holds_alternative<ExportCommand>(import));
    EXPECT_EQ(std::get<ExportCommand>(import).importName, QStringLiteral("old.csv"));
    EXPECT_TRUE(std::get<ExportCommand>(import).request.addToEntries);

#ifndef _WIN32
    // A publish covers the quarter before today's to the end of next year unless told.
    const auto publish = Parse({u"--publish"_s, u"feeds"_s, u"--base-url=https://calendar.example.org/shifts"_s,
                                u"--agency"_s, u"Velmora Fire"_s, u"--pay-period-start"_s, u"2027-01-03"_s});
    ASSERT_TRUE(std::holds_alternative<ExportCommand>(publish)) << std::get<UsageError>(publish).message.toStdString();
    const ExportRequest& published = std::get<ExportCommand>(publish).request;
    EXPECT_EQ(std::get<ExportCommand>(publish).publishName, QStringLiteral("feeds"));
    EXPECT_TRUE(published.publish);
    EXPECT_EQ(published.baseUrl, "https://calendar.example.org/shifts/");
    EXPECT_EQ(published.agency, "Velmora Fire");
    EXPECT_EQ(published.payPeriodStart, EncodeDate(2027, 1, 3));
    EXPECT_EQ(FormatIsoDate(published.from), "2026-07-01");
    EXPECT_EQ(FormatIsoDate(published.to), "2027-12-31");
#endif

    // Help and version win over everything else, mistakes included.
    for (const QStringList& arguments :
         {QStringList{u"--help"_s}, QStringList{u"--ics"_s, u"a"_s, u"-h"_s, u"--colour"_s}}) {
        const auto help = Parse(arguments);
        ASSERT_TRUE(std::holds_alternative<ExportCommand>(help));
        EXPECT_EQ(std::get<ExportCommand>(help).action, ExportCommand::Action::Help);
    }
    const auto version = Parse({u"-v"_s});
    ASSERT_TRUE(std::holds_alternative<ExportCommand>(version));
    EXPECT_EQ(std::get<ExportCommand>(version).action, ExportCommand::Action::Version);
}

TEST(ExportCommandLineTest, SaysWhatIsWrong)
{
    struct Case {
        QStringList arguments;
        const char* message;
    };
    const Case cases[] = {
        {{},
         "nothing to do: give --ics FILE, --pdf FILE, --entries-csv FILE, --pay-periods-csv FILE, --import-csv "
         "FILE or --publish FOLDER"},
        {{u"--year"_s, u"2027"_s}, "nothing to do"},
        {{u"--ics"_s}, "--ics needs a file name (- for standard output)"},
        {{u"--ics"_s, u"--pdf"_s, u"y.pdf"_s}, "--ics needs a file name"},
        {{u"--ics="_s}, "--ics needs a file name"},
        {{u"--pdf"_s, u"y"_s, u"--group"_s}, "--group needs a group (RDO, A1 to A7, B1 to B7)"},
        {{u"--ics"_s, u"a"_s, u"--ics"_s, u"b"_s}, "--ics is given twice"},
        {{u"--pdf"_s, u"y"_s, u"--year"_s, u"2027"_s, u"--year"_s, u"2028"_s}, "--year is given twice"},
        {{u"--ics"_s, u"a"_s, u"--from"_s, u"2027-01-01"_s, u"--from"_s, u"2027-02-01"_s}, "--from is given twice"},
        {{u"--ics"_s, u"a"_s, u"--from"_s, u"2026-02-30"_s},
         "--from: '2026-02-30' is not a date; write it as yyyy-MM-dd"},
        {{u"--ics"_s, u"a"_s, u"--to"_s, u"2061-01-01"_s},
         "--to: 2061-01-01 is outside the calendar's range, 1901-01-01 to 2060-12-31"},
        {{u"--ics"_s, u"a"_s, u"--to"_s, u"2020-01-01"_s}, "the range ends before it begins: 2026-12-10 to 2020-01-01"},
        {{u"--pdf"_s, u"y"_s, u"--from"_s, u"2027-01-01"_s},
         "--from and --to set the days of --ics, --pay-periods-csv or --publish; give one of them too"},
#ifdef _WIN32
        {{u"--publish"_s, u"f"_s, u"--base-url"_s, u"https://x/"_s}, "--publish is not available on Windows"},
#else
        {{u"--publish"_s, u"f"_s}, "--publish needs --base-url URL"},
        {{u"--publish"_s, u"f"_s, u"--base-url"_s, u"x"_s, u"--ics"_s, u"a"_s},
         "--publish writes a folder of its own; run it without other files to write"},
        // A publish writes every group's feeds whole: what shapes one's own calendar is refused.
        {{u"--publish"_s, u"f"_s, u"--base-url"_s, u"https://h/"_s, u"--group"_s, u"A1"_s},
         "--group does not go with --publish, which writes every group's feeds whole, for the days of --from and "
         "--to; leave --group out"},
        {{u"--publish"_s, u"f"_s, u"--no-duty"_s}, "--no-duty does not go with --publish"},
        {{u"--publish"_s, u"f"_s, u"--no-rdo"_s}, "--no-rdo does not go with --publish"},
        {{u"--publish"_s, u"f"_s, u"--no-paydays"_s}, "--no-paydays does not go with --publish"},
        {{u"--publish"_s, u"f"_s, u"--no-pay-periods"_s}, "--no-pay-periods does not go with --publish"},
        {{u"--publish"_s, u"f"_s, u"--year"_s, u"2027"_s}, "--year does not go with --publish"},
        {{u"--publish"_s, u"f"_s, u"--paper"_s, u"a4"_s}, "--paper does not go with --publish"},
        {{u"--publish"_s, u"f"_s, u"--base-url"_s, u"ftp://host/"_s},
         "--base-url: 'ftp://host/' is no web address; write it as https://host/path/"},
        {{u"--publish"_s, u"f"_s, u"--base-url"_s, u"https://host/a?b"_s}, "--base-url: 'https://host/a?b' is no"},
        {{u"--publish"_s, u"f"_s, u"--base-url"_s, u"https://h/"_s, u"--from"_s, u"2027-01-01"_s, u"--to"_s,
          u"2026-01-01"_s},
         "the range ends before it begins: 2027-01-01 to 2026-01-01"},
#endif
        {{u"--ics"_s, u"a"_s, u"--base-url"_s, u"https://h/"_s}, "--base-url goes with --publish FOLDER"},
        {{u"--publish"_s}, "--publish needs a folder"},
        {{u"--ics"_s, u"a"_s, u"--pay-period-start"_s, u"2027-13-01"_s},
         "--pay-period-start: '2027-13-01' is not a date"},
        {{u"--ics"_s, u"a"_s, u"--agency"_s}, "--agency needs a name"},
        {{u"--pdf"_s, u"y"_s, u"--with-entries"_s}, "--with-entries puts your entries into --ics; give --ics FILE too"},
        {{u"--entries-csv"_s, u"e.csv"_s, u"--add"_s}, "--add goes with --import-csv FILE"},
        {{u"--import-csv"_s, u"e.csv"_s, u"--pdf"_s, u"y"_s}, "--import-csv reads entries in; run it on its own"},
        {{u"--import-csv"_s}, "--import-csv needs a file name (- for standard input)"},
        {{u"--pay-periods-csv"_s}, "--pay-periods-csv needs a file name (- for standard output)"},
        {{u"--entries-csv"_s, u"-"_s, u"--ics"_s, u"-"_s},
         "--ics and --entries-csv name the same file, standard output; give each its own"},
        {{u"--entries-csv"_s, u"e.csv"_s, u"--pay-periods-csv"_s, u"./e.csv"_s},
         "--entries-csv and --pay-periods-csv name the same file, e.csv; give each its own"},
        {{u"--pdf"_s, u"y"_s, u"--year"_s, u"27"_s}, "--year: 27 is outside the calendar's range, 1901 to 2060"},
        {{u"--pdf"_s, u"y"_s, u"--year"_s, u"2027x"_s}, "--year: '2027x' is not a year"},
        {{u"--pdf"_s, u"y"_s, u"--group"_s, u"C1"_s}, "--group: 'C1' is no group; use RDO, A1 to A7 or B1 to B7"},
        {{u"--pdf"_s, u"y"_s, u"--paper"_s, u"A5"_s}, "--paper: 'A5' is no paper size; use a4 or letter"},
        {{u"--pdf"_s, u"y"_s, u"--no-rdo=1"_s}, "--no-rdo"},
        {{u"--pdf"_s, u"y"_s, u"--colour"_s}, "unknown option '--colour'; see --help"},
        {{u"--pdf"_s, u"y"_s, u"-x"_s}, "unknown option '-x'; see --help"},
        {{u"--pdf"_s, u"y"_s, u"extra"_s}, "unexpected argument 'extra'; see --help"},
        {{u"--ics"_s, u"-"_s, u"--pdf"_s, u"-"_s},
         "--ics and --pdf name the same file, standard output; give each its own"},
        {{u"--ics"_s, u"same"_s, u"--pdf"_s, u"./same"_s},
         "--ics and --pdf name the same file, same; give each its own"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        EXPECT_TRUE(ErrorOf(c.arguments).contains(QString::fromUtf8(c.message))) << ErrorOf(c.arguments).toStdString();
    }
}

// After links are followed: a link to the calendar file is the calendar file.
TEST(ExportCommandLineTest, TheSameFileThroughALinkIsRefused)
{
#ifdef _WIN32
    GTEST_SKIP() << "QFile::link makes a shell shortcut (.lnk) on Windows, which no file call follows";
#endif
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString file = folder.filePath(QStringLiteral("year"));
    const QString link = folder.filePath(QStringLiteral("link"));
    ASSERT_TRUE(QFile::link(file, link));
    EXPECT_TRUE(ErrorOf({u"--ics"_s, file, u"--pdf"_s, link}).contains(QStringLiteral("name the same file")));
    EXPECT_TRUE(ErrorOf({u"--ics"_s, file, u"--pdf"_s, folder.filePath(QStringLiteral("other"))}).isEmpty());
    EXPECT_FALSE(QFile::exists(file));
}

TEST(WindowCommandLineTest, AnswersHelpAndVersionAndRefusesTheRest)
{
    const auto actionOf = [](const QStringList& arguments) {
        const auto parsed = WindowCommandLine().parse(QStringList{QStringLiteral("tenvik")} + arguments);
        if (const auto* error = std::get_if<WindowUsageError>(&parsed))
            return error->message;
        return QString::number(static_cast<int>(std::get<WindowCommand>(parsed).action));
    };
    EXPECT_EQ(actionOf({}), QString::number(static_cast<int>(WindowCommand::Action::Run)));
    EXPECT_EQ(actionOf({u"--help"_s}), QString::number(static_cast<int>(WindowCommand::Action::Help)));
    EXPECT_EQ(actionOf({u"--version"_s}), QString::number(static_cast<int>(WindowCommand::Action::Version)));
    EXPECT_EQ(actionOf({u"--colour"_s}), QStringLiteral("unknown option '--colour'; see --help"));
    EXPECT_EQ(actionOf({u"file.ics"_s}), QStringLiteral("unexpected argument 'file.ics'; see --help"));

    const char* textOnly[] = {"tenvik", "-platform", "xcb", "--version"};
    EXPECT_TRUE(WindowCommandLine::AsksForText(4, textOnly));
    const char* window[] = {"tenvik", "-platform", "xcb"};
    EXPECT_FALSE(WindowCommandLine::AsksForText(3, window));
}

} // namespace
} // namespace tenvik
