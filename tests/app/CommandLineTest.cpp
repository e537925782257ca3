#include "app/ExportCommandLine.h"
#include "app/WindowCommandLine.h"
#include "export/IsoDate.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tenvik {
namespace {

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
    const auto parsed =
        Parse({"--ics", "-", "--pdf=year.pdf", "--from", "2027-03-01", "--to=2027-05-31", "--year", "2028", "--group",
               "b7", "--paper", "letter", "--no-duty", "--no-rdo", "--no-paydays", "--no-pay-periods"});
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

    const auto records = Parse({"--entries-csv", "e.csv", "--pay-periods-csv=-", "--ics", "c.ics", "--with-entries"});
    ASSERT_TRUE(std::holds_alternative<ExportCommand>(records)) << std::get<UsageError>(records).message.toStdString();
    EXPECT_EQ(std::get<ExportCommand>(records).entriesCsvName, QStringLiteral("e.csv"));
    EXPECT_EQ(std::get<ExportCommand>(records).payPeriodsCsvName, QStringLiteral("-"));
    EXPECT_TRUE(std::get<ExportCommand>(records).request.withEntries);
    const auto import = Parse({"--import-csv", "old.csv", "--add"});
    ASSERT_TRUE(std::holds_alternative<ExportCommand>(import));
    EXPECT_EQ(std::get<ExportCommand>(import).importName, QStringLiteral("old.csv"));
    EXPECT_TRUE(std::get<ExportCommand>(import).request.addToEntries);

    // Help and version win over everything else, mistakes included.
    for (const QStringList& arguments : {QStringList{"--help"}, QStringList{"--ics", "a", "-h", "--colour"}}) {
        const auto help = Parse(arguments);
        ASSERT_TRUE(std::holds_alternative<ExportCommand>(help));
        EXPECT_EQ(std::get<ExportCommand>(help).action, ExportCommand::Action::Help);
    }
    const auto version = Parse({"-v"});
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
         "nothing to do: give --ics FILE, --pdf FILE, --entries-csv FILE, --pay-periods-csv FILE or --import-csv "
         "FILE"},
        {{"--year", "2027"}, "nothing to do"},
        {{"--ics"}, "--ics needs a file name (- for standard output)"},
        {{"--ics", "--pdf", "y.pdf"}, "--ics needs a file name"},
        {{"--ics="}, "--ics needs a file name"},
        {{"--pdf", "y", "--group"}, "--group needs a group (RDO, A1 to A7, B1 to B7)"},
        {{"--ics", "a", "--ics", "b"}, "--ics is given twice"},
        {{"--pdf", "y", "--year", "2027", "--year", "2028"}, "--year is given twice"},
        {{"--ics", "a", "--from", "2027-01-01", "--from", "2027-02-01"}, "--from is given twice"},
        {{"--ics", "a", "--from", "2026-02-30"}, "--from: '2026-02-30' is not a date; write it as yyyy-MM-dd"},
        {{"--ics", "a", "--to", "2061-01-01"},
         "--to: 2061-01-01 is outside the calendar's range, 1901-01-01 to 2060-12-31"},
        {{"--ics", "a", "--to", "2020-01-01"}, "the range ends before it begins: 2026-12-10 to 2020-01-01"},
        {{"--pdf", "y", "--from", "2027-01-01"},
         "--from and --to set the days of --ics or --pay-periods-csv; give one of them too"},
        {{"--pdf", "y", "--with-entries"}, "--with-entries puts your entries into --ics; give --ics FILE too"},
        {{"--entries-csv", "e.csv", "--add"}, "--add goes with --import-csv FILE"},
        {{"--import-csv", "e.csv", "--pdf", "y"}, "--import-csv reads entries in; run it on its own"},
        {{"--import-csv"}, "--import-csv needs a file name (- for standard input)"},
        {{"--pay-periods-csv"}, "--pay-periods-csv needs a file name (- for standard output)"},
        {{"--entries-csv", "-", "--ics", "-"},
         "--ics and --entries-csv name the same file, standard output; give each its own"},
        {{"--entries-csv", "e.csv", "--pay-periods-csv", "./e.csv"},
         "--entries-csv and --pay-periods-csv name the same file, e.csv; give each its own"},
        {{"--pdf", "y", "--year", "27"}, "--year: 27 is outside the calendar's range, 1901 to 2060"},
        {{"--pdf", "y", "--year", "2027x"}, "--year: '2027x' is not a year"},
        {{"--pdf", "y", "--group", "C1"}, "--group: 'C1' is no group; use RDO, A1 to A7 or B1 to B7"},
        {{"--pdf", "y", "--paper", "A5"}, "--paper: 'A5' is no paper size; use a4 or letter"},
        {{"--pdf", "y", "--no-rdo=1"}, "--no-rdo"},
        {{"--pdf", "y", "--colour"}, "unknown option '--colour'; see --help"},
        {{"--pdf", "y", "-x"}, "unknown option '-x'; see --help"},
        {{"--pdf", "y", "extra"}, "unexpected argument 'extra'; see --help"},
        {{"--ics", "-", "--pdf", "-"}, "--ics and --pdf name the same file, standard output; give each its own"},
        {{"--ics", "same", "--pdf", "./same"}, "--ics and --pdf name the same file, same; give each its own"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        EXPECT_TRUE(ErrorOf(c.arguments).contains(QString::fromUtf8(c.message))) << ErrorOf(c.arguments).toStdString();
    }
}

// After links are followed: a link to the calendar file is the calendar file.
TEST(ExportCommandLineTest, TheSameFileThroughALinkIsRefused)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString file = folder.filePath(QStringLiteral("year"));
    const QString link = folder.filePath(QStringLiteral("link"));
    ASSERT_TRUE(QFile::link(file, link));
    EXPECT_TRUE(ErrorOf({"--ics", file, "--pdf", link}).contains(QStringLiteral("name the same file")));
    EXPECT_TRUE(ErrorOf({"--ics", file, "--pdf", folder.filePath(QStringLiteral("other"))}).isEmpty());
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
    EXPECT_EQ(actionOf({"--help"}), QString::number(static_cast<int>(WindowCommand::Action::Help)));
    EXPECT_EQ(actionOf({"--version"}), QString::number(static_cast<int>(WindowCommand::Action::Version)));
    EXPECT_EQ(actionOf({"--colour"}), QStringLiteral("unknown option '--colour'; see --help"));
    EXPECT_EQ(actionOf({"file.ics"}), QStringLiteral("unexpected argument 'file.ics'; see --help"));

    const char* textOnly[] = {"tenvik", "-platform", "xcb", "--version"};
    EXPECT_TRUE(WindowCommandLine::AsksForText(4, textOnly));
    const char* window[] = {"tenvik", "-platform", "xcb"};
    EXPECT_FALSE(WindowCommandLine::AsksForText(3, window));
}

} // namespace
} // namespace tenvik
