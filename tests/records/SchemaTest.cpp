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
// version is reached from it, and each earlier version's file opens with its entries.
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
