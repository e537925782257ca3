// The summary of the records: reached from the grid's menu and by Ctrl+R, and what it
// shows of trades, leave and pay periods for the shown year.
#include "WindowFixture.h"

#include "bridge/FilePath.h"
#include "records/RecordsFile.h"
#include "ui/RecordsSummaryDialog.h"
#include "ui/widgets/CellGrid.h"

#include <QAction>
#include <QLabel>
#include <QTableWidget>
#include <QTreeWidget>

#include <filesystem>

namespace tenvik::test {
namespace {

namespace fs = std::filesystem;
using records::Entry;
using records::EntryKind;
using records::Hours;

TEST_F(WindowTest, MyRecordsOpensFromTheMenuAndByCtrlRForTheShownYear)
{
    TMainForm& w = open();
    std::vector<QString> titles;
    m_dialogHand = [&](QDialog& dialog) { titles.push_back(dialog.windowTitle()); };
    EXPECT_FALSE(w.recordsOpened());

    QTest::keyClick(w.gloCal, Qt::Key_R, Qt::ControlModifier);
    GoTo(Day(2027, 3, 1));
    w.miMyRecords->trigger();

    EXPECT_EQ(m_dialogsRun, (std::vector<QString>(2, QStringLiteral("dlgRecordsSummary"))));
    EXPECT_EQ(titles, (std::vector<QString>{QStringLiteral("My Records 2026"), QStringLiteral("My Records 2027")}));
    EXPECT_TRUE(w.recordsOpened());
    EXPECT_TRUE(m_reportedErrors.empty());
}

class RecordsSummaryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_store = records::OpenRecords(FilePathOf(m_folder.path()) / "Tenvik.db", records::Moment{PinnedToday, 8, 0, 0})
                      .store;
        m_profile.group = "A1";
    }

    std::int64_t add(int day, EntryKind kind, auto&& fill)
    {
        Entry entry;
        entry.day = day;
        entry.kind = kind;
        entry.hours = Hours::Whole(24);
        fill(entry);
        const records::AddResult added = m_store->Add(entry);
        EXPECT_TRUE(added);
        return added.id;
    }

    std::unique_ptr<RecordsSummaryDialog> dialog()
    {
        return std::make_unique<RecordsSummaryDialog>(*m_store, m_profile, 2026, static_cast<int>(WholeDay(Today)), 24);
    }

    static QStringList Row(const QTableWidget& table, int row)
    {
        QStringList cells;
        for (int column = 0; column < table.columnCount(); ++column)
            cells << table.item(row, column)->text();
        return cells;
    }

    QTemporaryDir m_folder;
    std::unique_ptr<records::EntryStore> m_store;
    UserProfile m_profile;
    const int m_day = static_cast<int>(WholeDay(Today));
};

TEST_F(RecordsSummaryTest, TradesShowWhoOwesWhomAndTheOpenTrades)
{
    const auto owed = add(m_day - 30, EntryKind::Trade, [](Entry& e) { e.colleague = "Dana Ruiz"; });
    add(m_day - 10, EntryKind::Trade, [&](Entry& e) {
        e.colleague = "Dana Ruiz";
        e.direction = records::TradeDirection::TheyWorkedForMe;
        e.hours = Hours::Whole(12);
        e.paysBack = owed;
    });
    add(m_day - 5, EntryKind::Trade, [](Entry& e) {
        e.colleague = "Lee Park";
        e.direction = records::TradeDirection::TheyWorkedForMe;
    });
    add(m_day - 4, EntryKind::Trade, [](Entry& e) { e.colleague = "Sam Roy"; });
    add(m_day - 3, EntryKind::Trade, [](Entry& e) {
        e.colleague = "Sam Roy";
        e.direction = records::TradeDirection::TheyWorkedForMe;
    });

    auto d = dialog();
    ASSERT_EQ(d->trTrades->topLevelItemCount(), 3);
    const QTreeWidgetItem* dana = d->trTrades->topLevelItem(0);
    EXPECT_EQ(dana->text(1), QStringLiteral("Dana Ruiz owes you 12 h"));
    ASSERT_EQ(dana->childCount(), 1); // the trade half paid back; the payback is no open trade
    EXPECT_EQ(dana->child(0)->text(1), QStringLiteral("I worked for Dana Ruiz: 24 h"));
    EXPECT_EQ(d->trTrades->topLevelItem(1)->text(1), QStringLiteral("You owe Lee Park 24 h"));
    EXPECT_EQ(d->trTrades->topLevelItem(2)->text(1), QStringLiteral("Settled"));
}

TEST_F(RecordsSummaryTest, LeaveBalancesAreKeptFromTheTableAndBadValuesRefused)
{
    add(Day(2026, 2, 3), EntryKind::Leave, [](Entry& e) { e.leave = records::LeaveKind::Vacation; });
    add(Day(2026, 12, 28), EntryKind::Leave, [](Entry& e) { e.leave = records::LeaveKind::Vacation; });
    add(Day(2025, 12, 30), EntryKind::Leave, [](Entry& e) { e.leave = records::LeaveKind::Vacation; }); // last year

    auto d = dialog();
    QTableWidget& leave = *d->tblLeave;
    const int vacation = static_cast<int>(records::LeaveKind::Vacation);
    EXPECT_EQ(
        Row(leave, vacation),
        (QStringList{QStringLiteral("Vacation"), QStringLiteral("48"), QString(), QString(), QString(), QString()}));

    leave.item(vacation, RecordsSummaryDialog::StartingColumn)->setText(QStringLiteral("100"));
    leave.item(vacation, RecordsSummaryDialog::AccrualColumn)->setText(QStringLiteral("0"));
    const auto kept = m_store->LeaveAccountOf(records::LeaveKind::Vacation, 2026);
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->startingBalance, Hours::Whole(100));
    // Today, 10 December, is before the leave of the 28th.
    EXPECT_EQ(leave.item(vacation, RecordsSummaryDialog::TodayColumn)->text(), QStringLiteral("76"));
    EXPECT_EQ(leave.item(vacation, RecordsSummaryDialog::YearEndColumn)->text(), QStringLiteral("52"));
    EXPECT_TRUE(d->lblLeaveProblem->isHidden()); // its tab is not the one shown

    for (const QString& bad : {QStringLiteral("lots"), QStringLiteral("49")}) {
        SCOPED_TRACE(bad.toStdString());
        leave.item(vacation, RecordsSummaryDialog::AccrualColumn)->setText(bad);
        EXPECT_FALSE(d->lblLeaveProblem->isHidden());
        EXPECT_EQ(m_store->LeaveAccountOf(records::LeaveKind::Vacation, 2026), kept);
        EXPECT_EQ(leave.item(vacation, RecordsSummaryDialog::AccrualColumn)->text(), QStringLiteral("0"));
    }
}

TEST_F(RecordsSummaryTest, EachPayPeriodOfTheYearAddsUpItsHours)
{
    add(m_day, EntryKind::Leave, [](Entry& e) { e.hours = Hours::Whole(10); });
    add(m_day, EntryKind::Extra, [](Entry& e) { e.hours = Hours::Whole(3); });
    add(m_day, EntryKind::Trade, [](Entry& e) { e.colleague = "Dana Ruiz"; });

    auto d = dialog();
    const QTableWidget& periods = *d->tblPayPeriods;
    ASSERT_GE(periods.rowCount(), 26);
    // The first period holds 1 January, the last 31 December.
    EXPECT_LE(periods.item(0, 1)->text(), QStringLiteral("2026-01-01"));
    EXPECT_GE(periods.item(0, 2)->text(), QStringLiteral("2026-01-01"));
    EXPECT_GE(periods.item(periods.rowCount() - 1, 2)->text(), QStringLiteral("2026-12-31"));
    int found = 0;
    for (int row = 0; row < periods.rowCount(); ++row) {
        const QStringList cells = Row(periods, row);
        const int scheduled = cells[3].toInt();
        EXPECT_EQ(scheduled % 24, 0);
        if (cells[1] <= QStringLiteral("2026-12-10") && QStringLiteral("2026-12-10") <= cells[2]) {
            ++found;
            EXPECT_EQ(
                cells.mid(4, 4),
                (QStringList{QStringLiteral("24"), QStringLiteral("0"), QStringLiteral("10"), QStringLiteral("3")}));
            EXPECT_EQ(cells[8].toInt(), scheduled + 24 - 10 + 3);
            EXPECT_GT(scheduled, 0);
        } else {
            EXPECT_EQ(cells[8].toInt(), scheduled) << cells.join(u' ').toStdString();
        }
    }
    EXPECT_EQ(found, 1);
}

} // namespace
} // namespace tenvik::test
