#include "records/RecordsFile.h"
#include "records/Schema.h"
#include "records/Statement.h"

#include "RecordsTestSupport.h"
#include "SettingsTestSupport.h"

#include <gtest/gtest.h>

namespace tenvik::records {
namespace {

using testing::Day;

class SchemaTest : public ::testing::Test {
protected:
    std::filesystem::path Path() const { return m_folder.Path() / RecordsFileName; }
    testing::TempFolder m_folder;
};

// Version 0 is what SQLite makes of a missing file or one of no bytes: every later
// version is reached from it.
TEST_F(SchemaTest, EveryEarlierVersionComesUpToDate)
{
    struct Case {
        const char* name;
        bool makeFile;
    };
    for (const Case c : {Case{"no file", false}, Case{"a file of no bytes", true}}) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(Path());
        if (c.makeFile)
            testing::WriteFileBytes(Path(), "");
        auto opened = OpenRecords(Path(), testing::TestMoment);
        ASSERT_TRUE(opened.store);
        EXPECT_EQ(opened.store->connection().QueryInt("PRAGMA user_version"), CurrentSchemaVersion());
        EXPECT_TRUE(opened.store->Add(testing::Note(Day(2026, 1, 1), "works")));
    }
}

// A file as version 1 left it (tests/records/fixtures/Tenvik-v1.db, made with that
// version's schema): its entries come through whole and the leave accounts are there.
TEST_F(SchemaTest, AVersion1FileKeepsItsEntriesAndGainsLeaveAccounts)
{
    std::filesystem::copy_file(std::filesystem::path(TENVIK_RECORDS_FIXTURE_DIR) / "Tenvik-v1.db", Path());
    auto opened = OpenRecords(Path(), testing::TestMoment);
    ASSERT_EQ(opened.report.state, OpenReport::State::Opened);
    EntryStore& store = *opened.store;
    EXPECT_EQ(store.connection().QueryInt("PRAGMA user_version"), 2);

    const auto entries = store.AllEntries();
    ASSERT_EQ(entries.size(), 5u);
    Entry payback = testing::Trade(Day(2024, 2, 5), TradeDirection::TheyWorkedForMe, "Zoë", 24, 1);
    payback.id = 2;
    payback.text = "paid back";
    EXPECT_EQ(entries[1], payback);
    EXPECT_EQ(entries[2].hours, Hours{1050});
    EXPECT_EQ(entries[3].pay, ExtraPay::Banked);
    EXPECT_EQ(entries[4].text, "=not a formula, \"quoted\"");

    EXPECT_EQ(store.LeaveAccountOf(LeaveKind::Vacation, 2024), std::nullopt);
    const LeaveAccount account{Hours::Whole(-8), Hours{462}};
    EXPECT_FALSE(store.SetLeaveAccount(LeaveKind::Vacation, 2024, account));
    EXPECT_EQ(store.LeaveAccountOf(LeaveKind::Vacation, 2024), account);
    EXPECT_EQ(store.LeaveAccountOf(LeaveKind::Vacation, 2025), std::nullopt);
    EXPECT_EQ(store.LeaveAccountOf(LeaveKind::Sick, 2024), std::nullopt);
}

TEST_F(SchemaTest, LeaveAccountsOutOfRangeAreRefused)
{
    auto opened = OpenRecords(Path(), testing::TestMoment);
    EntryStore& store = *opened.store;
    const LeaveAccount kept{Hours::Whole(80), Hours::Whole(4)};
    ASSERT_FALSE(store.SetLeaveAccount(LeaveKind::Sick, 2026, kept));
    struct Case {
        int year;
        LeaveAccount account;
        std::string_view field;
    };
    const Case cases[] = {
        {2026, {Hours::Whole(80), Hours{-1}}, "accrual"},
        {2026, {Hours::Whole(80), Hours{4801}}, "accrual"},
        {2026, {Hours::Whole(10000), Hours{0}}, "starting_balance"},
        {2026, {Hours::Whole(-10000), Hours{0}}, "starting_balance"},
        {1900, kept, "year"},
        {2061, kept, "year"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        const auto problem = store.SetLeaveAccount(LeaveKind::Sick, c.year, c.account);
        ASSERT_TRUE(problem);
        EXPECT_EQ(problem->field, c.field);
        EXPECT_EQ(store.LeaveAccountOf(LeaveKind::Sick, 2026), kept);
    }
}

TEST_F(SchemaTest, TheFileIsSetUpForTwoWindowsAndSafeCommits)
{
    auto opened = OpenRecords(Path(), testing::TestMoment);
    Connection& connection = opened.store->connection();
    EXPECT_EQ(connection.QueryInt("PRAGMA foreign_keys"), 1);
    EXPECT_EQ(connection.QueryInt("PRAGMA busy_timeout"), 5000);
    EXPECT_EQ(connection.QueryInt("PRAGMA synchronous"), 2); // FULL
    Statement mode(connection, "PRAGMA journal_mode");
    ASSERT_TRUE(mode.Step());
    EXPECT_EQ(mode.Text(0), "wal");
}

// A later program's file is left exactly as it is: not migrated, not even switched to WAL.
TEST_F(SchemaTest, ALaterVersionIsLeftAlone)
{
    {
        Connection later = Connection::Open(Path(), OpenMode::ReadWriteCreate);
        later.Execute("CREATE TABLE future (x); PRAGMA user_version = 99;");
    }
    const std::string bytes = testing::ReadFileBytes(Path());
    const auto opened = OpenRecords(Path(), testing::TestMoment);
    EXPECT_EQ(opened.report.state, OpenReport::State::TooNew);
    EXPECT_FALSE(opened.store);
    EXPECT_EQ(testing::ReadFileBytes(Path()), bytes);
    EXPECT_FALSE(std::filesystem::exists(Path().parent_path() / BackupFolderName));
}

} // namespace
} // namespace tenvik::records
