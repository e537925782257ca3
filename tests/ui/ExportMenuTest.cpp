#include "WindowFixture.h"

#include "bridge/FilePath.h"
#include "records/EntryStore.h"

#include "print/YearSheet.h"
#include "settings/Color.h"
#include "ui/widgets/DayCell.h"
#include "ui/widgets/Notice.h"
#include "ui/widgets/Switch.h"
#include "ui/widgets/TabControl.h"
#include "ui/widgets/Text.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QPrinter>
#include <QPrinterInfo>

#include <map>
#include <regex>
#include <string>
#include <system_error>

namespace tenvik::test {
namespace {

using namespace Main;

// The window with the file dialog answered by the test: each question is recorded and
// answered with m_answer (empty: the user cancels).
class ExportMenuWindowTest : public WindowTest {
protected:
    TMainForm& openWithDialogs()
    {
        m_form.reset();
        StartupEnvironment environment;
        environment.clock = std::make_shared<FixedClock>(PinnedToday);
        environment.locale = m_locale;
        environment.configBase = FilePathOf(m_config.path());
        environment.fileStore = m_fileStore;
        environment.reportError = [this](QWidget*, const QString& message) { m_reportedErrors.push_back(message); };
        environment.askYesNo = [this](QWidget*, const QString& question) {
            m_questionsAsked.push_back(question);
            return m_answerYes;
        };
        environment.chooseSaveFile = [this](QWidget*, const QString& caption, const QString& suggested,
                                            const QString& filter) {
            m_questions.push_back({caption, suggested, filter});
            return m_answer;
        };
        // The print dialog: the user keeps the paper offered and saves as PDF to
        // m_answer, or cancels when it is empty.
        environment.choosePrinter = [this](QWidget*, QPrinter& printer) {
            m_printers.push_back({printer.docName(), printer.outputFileName(), printer.pageLayout()});
            if (m_answer.isEmpty())
                return false;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(m_answer);
            return true;
        };
        m_form = std::make_unique<TMainForm>(std::move(environment));
        m_form->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(m_form.get()));
        return *m_form;
    }

    std::string readOutput(const QString& name) const
    {
        QFile file(configPath(name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        return file.readAll().toStdString();
    }

    struct Question {
        QString caption;
        QString suggested;
        QString filter;
    };
    std::vector<Question> m_questions;
    struct PrintQuestion {
        QString document;
        QString file; // the PDF file offered; empty where there are printers to offer
        QPageLayout layout;
    };
    std::vector<PrintQuestion> m_printers;
    QString m_answer;
};

// A PDF without the moment it was written, the one thing two writings of a year differ in.
std::string Timeless(std::string pdf)
{
    return std::regex_replace(pdf, std::regex("/CreationDate \\(D:[0-9Z+'-]*\\)"), "/CreationDate ()");
}

// A right click through the window system, as the platform delivers it: the press goes
// to the widget under the mouse and so does the context menu Qt makes of it.
void RightClick(TMainForm& w, QWidget& widget)
{
    const QPoint at = widget.mapTo(&w, widget.rect().center());
    QTest::mouseClick(w.windowHandle(), Qt::RightButton, {}, at);
}

std::vector<TAlphaColor> CellFills(const TMainForm& w)
{
    std::vector<TAlphaColor> fills;
    for (const Rectangle* cell : w.gR)
        fills.push_back(cell->fillColor());
    return fills;
}

TEST_F(ExportMenuWindowTest, RightClickOnTheGridOpensTheMenuAndChangesNothing)
{
    TMainForm& w = openWithDialogs();
    GoTo(Day(2026, 12, 16));
    const std::vector<TAlphaColor> fills = CellFills(w);
    const DayNumber saved = SavedDate;

    // A day of the month, a leading day and a cell that takes no clicks.
    for (int cell : {0, 11, 20, 40}) {
        SCOPED_TRACE(cell);
        RightClick(w, *w.gR[static_cast<std::size_t>(cell)]);
        ASSERT_TRUE(w.pmCalendar->isVisible());
        EXPECT_EQ(CurrentDate, Day(2026, 12, 16));
        EXPECT_EQ(SavedDate, saved);
        EXPECT_EQ(CellFills(w), fills);
        EXPECT_EQ(w.tabCtrl->currentWidget(), w.tabCalendar);
        w.pmCalendar->hide();
    }
    const QList<QAction*> actions = w.pmCalendar->actions();
    ASSERT_EQ(actions.size(), 5);
    EXPECT_EQ(actions[0], w.miExportCalendar);
    EXPECT_EQ(actions[0]->text(), QStringLiteral("Export to Calendar\u2026"));
    EXPECT_EQ(actions[1], w.miPrintYear);
    EXPECT_EQ(actions[1]->text(), QStringLiteral("Print Year\u2026"));
    EXPECT_TRUE(actions[2]->isSeparator());
    EXPECT_EQ(actions[3], w.miDayEntries);
    EXPECT_EQ(actions[3]->text(), QStringLiteral("Day Entries\u2026"));
    EXPECT_EQ(actions[4], w.miMyRecords);
    EXPECT_EQ(actions[4]->text(), QStringLiteral("My Records\u2026"));
    EXPECT_TRUE(m_questions.empty());
}

// The events of the file, read back: {(yyyymmdd, kind): summary}.
std::map<std::pair<std::string, std::string>, std::string> Events(const std::string& file)
{
    std::string unfolded = std::regex_replace(file, std::regex("\r\n "), "");
    std::map<std::pair<std::string, std::string>, std::string> events;
    const std::regex event(
        "UID:(\\d{8})-([a-z]+)(?:-[ab][1-7])?@tenvik\\.example\\.org\r\n(?:[^\r]*\r\n)*?SUMMARY:([^\r]*)\r\n");
    for (auto it = std::sregex_iterator(unfolded.begin(), unfolded.end(), event); it != std::sregex_iterator(); ++it)
        events[{(*it)[1].str(), (*it)[2].str()}] = (*it)[3].str();
    return events;
}

std::string BasicDate(DayNumber day)
{
    const CivilDate date = DecodeDate(day);
    return QStringLiteral("%1%2%3")
        .arg(date.year, 4, 10, QLatin1Char('0'))
        .arg(date.month, 2, 10, QLatin1Char('0'))
        .arg(date.day, 2, 10, QLatin1Char('0'))
        .toStdString();
}

// Today and the next 365 days, month by month through the window: every day's colour,
// underline and pay-period label on the grid must match the events of the file.
TEST_F(ExportMenuWindowTest, ExportToCalendarAgreesWithTheGridForEveryDay)
{
    writeSettings("[Config]\nAgency=Ostrand Fire\nRDO=A2\nShowPaydays=1\nShowDebit=0\nShowPayPeriods=1\n"
                  "PPStart=1/3/2021\n");
    TMainForm& w = openWithDialogs();
    m_answer = configPath(QStringLiteral("mine.ics"));
    w.miExportCalendar->trigger();

    ASSERT_EQ(m_questions.size(), 1u);
    EXPECT_EQ(m_questions[0].caption, QStringLiteral("Export to Calendar"));
    EXPECT_TRUE(m_questions[0].suggested.endsWith(QStringLiteral("/Tenvik.ics")));
    EXPECT_TRUE(m_questions[0].filter.contains(QStringLiteral("*.ics")));
    EXPECT_TRUE(m_reportedErrors.empty());
    const auto events = Events(readOutput(QStringLiteral("mine.ics")));
    ASSERT_FALSE(events.empty());

    std::map<std::pair<std::string, std::string>, std::string> fromGrid;
    const DayNumber first = Today;
    const DayNumber last = Today + 365;
    for (DayNumber month = FirstOfMonth(first); month <= last; month = MonthStep(month, 1)) {
        GoTo(month);
        for (std::size_t cell = 0; cell < CellDates.size(); ++cell) {
            const DayNumber day = CellDates[cell];
            if (day < first || day > last || !SameMonthNumber(day, month))
                continue;
            // The selected day shows its code as the fill, every other one as the number's colour.
            const TAlphaColor code = SameDay(day, CurrentDate) ? w.gR[cell]->fillColor() : w.gT[cell]->color();
            const std::string date = BasicDate(day);
            if (code == colors::Red) // the A platoon: group A2 is on duty
                fromGrid[{date, "duty"}] = "On duty - A2";
            else if (code == colors::Fuchsia)
                fromGrid[{date, "rdo"}] = "RDO - A2";
            if (w.gT[cell]->underline())
                fromGrid[{date, "payday"}] = "Payday - Ostrand Fire";
            if (!w.gX[cell]->text().isEmpty())
                fromGrid[{date, "pp"}] = w.gX[cell]->text().toStdString() + " begins - Ostrand Fire";
        }
    }
    EXPECT_EQ(events, fromGrid);
    EXPECT_EQ(fromGrid.count({BasicDate(Day(2026, 12, 27)), "pp"}), 1u); // PP1 from 3 January 2021
}

// The user's entries go into the file only on a yes, as tenvik-export's --with-entries
// writes them; on a no the records are not even opened.
TEST_F(ExportMenuWindowTest, ExportToCalendarAddsTheEntriesOnlyWhenAsked)
{
    TMainForm& w = openWithDialogs();
    m_answer = configPath(QStringLiteral("mine.ics"));
    w.miExportCalendar->trigger();
    ASSERT_EQ(m_questionsAsked.size(), 1u);
    EXPECT_TRUE(m_questionsAsked[0].contains(QStringLiteral("entries")));
    EXPECT_FALSE(w.recordsOpened());
    EXPECT_EQ(readOutput(QStringLiteral("mine.ics")).find("My entries"), std::string::npos);

    records::Entry trade;
    trade.day = static_cast<int>(WholeDay(Today + 3));
    trade.kind = records::EntryKind::Trade;
    trade.colleague = "Dana Ruiz";
    trade.hours = records::Hours::Whole(24);
    ASSERT_NE(w.recordsStore(), nullptr);
    ASSERT_TRUE(w.recordsStore()->Add(trade));
    m_answerYes = true;
    w.miExportCalendar->trigger();
    const std::string file = std::regex_replace(readOutput(QStringLiteral("mine.ics")), std::regex("\r\n "), "");
    EXPECT_NE(file.find("SUMMARY:Worked for Dana Ruiz (24 h)\r\n"), std::string::npos) << file;
    EXPECT_NE(file.find("UID:" + BasicDate(Today + 3) + "-entry-"), std::string::npos);
    EXPECT_TRUE(m_reportedErrors.empty());
}

TEST_F(ExportMenuWindowTest, PrintYearOffersThePrintDialogAndSavesThePdfTenvikExportWrites)
{
    writeSettings("[Config]\nRDO=B5\n");
    TMainForm& w = openWithDialogs();
    GoTo(Day(2027, 3, 5));
    m_answer = configPath(QStringLiteral("year.pdf"));
    w.miPrintYear->trigger();

    ASSERT_EQ(m_printers.size(), 1u);
    EXPECT_TRUE(m_questions.empty());
    EXPECT_EQ(m_printers[0].document, QStringLiteral("Tenvik 2027"));
    EXPECT_EQ(m_printers[0].layout.orientation(), QPageLayout::Landscape);
    EXPECT_TRUE(m_printers[0].layout.pageSize().isEquivalentTo(PageSizeOf(UserPaper())));
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        EXPECT_TRUE(m_printers[0].file.endsWith(QStringLiteral("/Tenvik 2027.pdf")))
            << m_printers[0].file.toStdString();
    }
    EXPECT_TRUE(m_reportedErrors.empty());

    const std::string pdf = readOutput(QStringLiteral("year.pdf"));
    EXPECT_TRUE(pdf.starts_with("%PDF-"));
    EXPECT_NE(pdf.find("/Count 1"), std::string::npos);
    UserProfile profile;
    profile.agency = "Velmora Fire";
    profile.group = "B5";
    profile.payPeriodStart = PayPeriodStart;
    const QByteArray expected = YearSheetPdf(2027, profile, m_locale, PageSizeOf(UserPaper()));
    EXPECT_EQ(Timeless(pdf), Timeless(expected.toStdString()));
    EXPECT_EQ(CurrentDate, Day(2027, 3, 5));
}

TEST_F(ExportMenuWindowTest, ExportsSayWhenTheyAreDoneAndTheNoticeGoesByItself)
{
    TMainForm& w = openWithDialogs();
    EXPECT_FALSE(w.lblNotice->isVisible());
    w.lblNotice->setDuration(std::chrono::milliseconds(50));
    const std::pair<QAction*, const char*> exports[] = {{w.miExportCalendar, "mine.ics"}, {w.miPrintYear, "year.pdf"}};
    for (const auto& [action, file] : exports) {
        SCOPED_TRACE(file);
        m_answer = configPath(QString::fromLatin1(file));
        action->trigger();
        ASSERT_TRUE(QFile::exists(m_answer));
        EXPECT_TRUE(w.lblNotice->isVisible());
        EXPECT_TRUE(w.lblNotice->text().contains(QString::fromLatin1(file))) << w.lblNotice->text().toStdString();
        EXPECT_TRUE(w.rect().contains(w.lblNotice->geometry()));
        // It takes no click: the grid below it still does.
        EXPECT_TRUE(w.lblNotice->testAttribute(Qt::WA_TransparentForMouseEvents));
        EXPECT_TRUE(QTest::qWaitFor([&] { return !w.lblNotice->isVisible(); }, 2000));
    }
    EXPECT_EQ(w.lblNotice->text(), QStringLiteral("Year 2026 saved to year.pdf"));

    // A failure says so and nothing else.
    m_answer = configPath(QStringLiteral("no/such/folder/mine.ics"));
    w.miExportCalendar->trigger();
    EXPECT_EQ(m_reportedErrors.size(), 1u);
    EXPECT_FALSE(w.lblNotice->isVisible());
}

TEST_F(ExportMenuWindowTest, CancelWritesNothingAndAFailedWriteIsReported)
{
    TMainForm& w = openWithDialogs();
    m_answer.clear();
    w.miExportCalendar->trigger();
    w.miPrintYear->trigger();
    EXPECT_EQ(m_questions.size(), 1u);
    EXPECT_EQ(m_printers.size(), 1u);
    EXPECT_TRUE(m_reportedErrors.empty());
    EXPECT_FALSE(w.lblNotice->isVisible());

    m_answer = configPath(QStringLiteral("no/such/folder/mine.ics"));
    w.miExportCalendar->trigger();
    m_answer = configPath(QStringLiteral("no/such/folder/year.pdf"));
    w.miPrintYear->trigger();
    ASSERT_EQ(m_reportedErrors.size(), 2u);
    EXPECT_TRUE(m_reportedErrors[0].startsWith(
        QStringLiteral("Unable to write to ")
        + QDir::toNativeSeparators(configPath(QStringLiteral("no/such/folder/mine.ics")))))
        << m_reportedErrors[0].toStdString();
    EXPECT_TRUE(m_reportedErrors[1].contains(QStringLiteral("year.pdf")));
    EXPECT_FALSE(QFile::exists(configPath(QStringLiteral("no/such/folder/mine.ics"))));
    EXPECT_FALSE(w.lblNotice->isVisible());
}

// The file dialog may name a link, a pipe or a folder: the window writes as the command
// line does.
TEST_F(ExportMenuWindowTest, ExportsKeepLinks)
{
#ifdef _WIN32
    GTEST_SKIP() << "QFile::link makes a shell shortcut (.lnk) on Windows, which no file call follows";
#endif
    TMainForm& w = openWithDialogs();
    const QString target = configPath(QStringLiteral("synced/Tenvik.ics"));
    ASSERT_TRUE(QDir().mkpath(configPath(QStringLiteral("synced"))));
    ASSERT_TRUE(QFile::link(target, configPath(QStringLiteral("Tenvik.ics"))));
    m_answer = configPath(QStringLiteral("Tenvik.ics"));
    w.miExportCalendar->trigger();
    EXPECT_TRUE(m_reportedErrors.empty());
    EXPECT_TRUE(QFileInfo(m_answer).isSymLink());
    EXPECT_TRUE(readOutput(QStringLiteral("synced/Tenvik.ics")).starts_with("BEGIN:VCALENDAR\r\n"));
}

TEST_F(ExportMenuWindowTest, ExportsRefuseFolders)
{
    TMainForm& w = openWithDialogs();
    ASSERT_TRUE(QDir().mkpath(configPath(QStringLiteral("synced"))));
    m_answer = configPath(QStringLiteral("synced"));
    w.miPrintYear->trigger();
    ASSERT_EQ(m_reportedErrors.size(), 1u);
    EXPECT_TRUE(
        m_reportedErrors[0].endsWith(QString::fromStdString(std::make_error_code(std::errc::is_a_directory).message())))
        << m_reportedErrors[0].toStdString();
    EXPECT_TRUE(QFileInfo(m_answer).isDir());
}

} // namespace
} // namespace tenvik::test
