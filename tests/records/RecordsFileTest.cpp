#include "records/RecordsFile.h"

#include "records/DatabaseError.h"

#include "RecordsTestSupport.h"
#include "SettingsTestSupport.h"

#include <gtest/gtest.h>

namespace tenvik::records {
namespace {

using testing::Day;
namespace fs = std::filesystem;

class RecordsFileTest : public ::testing::Test {
protected:
    fs::path Path() const { return m_folder.Path() / RecordsFileName; }
    OpenedRecords OpenOn(int day, int hour = 9) { return OpenRecords(Path(), Moment{DecodeDate(day), hour, 15, 42}); }
    testing::TempFolder m_folder;
};

TEST_F(RecordsFileTest, ItLivesBesideTheSettingsFile)
{
    EXPECT_EQ(RecordsPathBeside(fs::path("/home/zoë/.config/Quorvell/Tenvik/Tenvik.ini")),
              fs::path("/home/zoë/.config/Quorvell/Tenvik/Tenvik.db"));
    // A first start that never saved may not have made the folder yet.
    const fs::path nested = m_folder.Path() / "Quorvell" / "Tenvik" / RecordsFileName;
    EXPECT_EQ(OpenRecords(nested, testing::TestMoment).report.state, OpenReport::State::Created);
}

TEST_F(RecordsFileTest, TheFirstOpeningOfADayBacksUpAndTenBackupsStay)
{
    const int first = Day(2026, 12, 1);
    EXPECT_EQ(OpenOn(first).report.state, OpenReport::State::Created);
    {
        auto opened = OpenOn(first);
        EXPECT_EQ(opened.report.state, OpenReport::State::Opened);
        EXPECT_EQ(opened.report.backupMade, Path().parent_path() / "backups" / "Tenvik-2026-12-01.db");
        opened.store->Add(testing::Note(first, "after the first backup"));
    }
    EXPECT_EQ(OpenOn(first, 18).report.backupMade, fs::path()); // once a day
    for (int day = first + 1; day < first + 12; ++day)
        OpenOn(day);

    const auto backups = BackupsOf(Path());
    ASSERT_EQ(backups.size(), BackupsKept);
    EXPECT_EQ(backups.front().filename(), "Tenvik-2026-12-12.db");
    EXPECT_EQ(backups.back().filename(), "Tenvik-2026-12-03.db");

    // A backup is a whole database with the day's entries.
    auto opened = OpenOn(first + 12);
    RestoreFromBackup(*opened.store, BackupsOf(Path()).back());
    EXPECT_EQ(opened.store->AllEntries().size(), 1u);
}

TEST_F(RecordsFileTest, ADamagedFileIsSetAsideAndTheNewestBackupOffered)
{
    const int day = Day(2026, 12, 1);
    OpenOn(day).store->Add(testing::Note(day, "in yesterday's backup"));
    OpenOn(day + 1); // backs up the note
    OpenOn(day + 1).store->Add(testing::Note(day + 1, "lost with the damage"));

    struct Case {
        const char* name;
        std::function<void(const fs::path&)> damage;
    };
    const Case cases[] = {
        {"no database at all", [](const fs::path& path) { testing::WriteFileBytes(path, "This is not a database"); }},
        {"a page overwritten",
         [](const fs::path& path) {
             std::string bytes = testing::ReadFileBytes(path);
             ASSERT_GT(bytes.size(), 8192u);
             // The schema page: the table no longer reads as the table.
             for (std::size_t i = 100; i < 4096; ++i)
                 bytes[i] = static_cast<char>(0xA5);
             testing::WriteFileBytes(path, bytes);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        {
            // Everything committed is moved into the file itself first, where the damage goes.
            auto opened = OpenOn(day + 1);
            opened.store->connection().Execute("PRAGMA wal_checkpoint(TRUNCATE)");
        }
        c.damage(Path());
        const std::string damaged = testing::ReadFileBytes(Path());

        auto opened = OpenOn(day + 2, 7);
        ASSERT_EQ(opened.report.state, OpenReport::State::SetAside);
        EXPECT_EQ(opened.report.setAsidePath.filename().string().substr(0, 33), "Tenvik.db.corrupt-20261203-071542");
        EXPECT_EQ(testing::ReadFileBytes(opened.report.setAsidePath), damaged);
        EXPECT_TRUE(opened.store->AllEntries().empty());
        ASSERT_FALSE(opened.report.backups.empty());
        EXPECT_EQ(opened.report.backups.front().filename(), "Tenvik-2026-12-02.db");

        RestoreFromBackup(*opened.store, opened.report.backups.front());
        const auto entries = opened.store->AllEntries();
        ASSERT_EQ(entries.size(), 1u);
        EXPECT_EQ(entries[0].text, "in yesterday's backup");
        // The restored database takes edits as before.
        EXPECT_TRUE(opened.store->Add(testing::Note(day + 2, "after the restore")));
    }
}

// The grid's marks read the records on their own: no file is made, and one they cannot
// read is left for the user's own opening, which says what became of it.
TEST_F(RecordsFileTest, OpeningOnlyIfSoundMakesNothingAndLeavesABadFileAlone)
{
    const int day = Day(2026, 12, 1);
    const Moment now{DecodeDate(day), 9, 15, 42};
    EXPECT_EQ(OpenRecordsIfSound(Path(), now), nullptr);
    EXPECT_FALSE(fs::exists(Path()));

    OpenOn(day - 1).store->Add(testing::Note(day, "kept"));
    {
        const auto store = OpenRecordsIfSound(Path(), now);
        ASSERT_NE(store, nullptr);
        EXPECT_EQ(store->EntriesBetween(day, day).size(), 1u);
        EXPECT_TRUE(fs::exists(Path().parent_path() / "backups" / "Tenvik-2026-12-01.db"));
    }

    // Nothing beside it that would set it aside or start afresh.
    fs::remove(Path().string() + "-wal");
    fs::remove(Path().string() + "-shm");
    const std::string damaged = "This is not a database";
    testing::WriteFileBytes(Path(), damaged);
    EXPECT_EQ(OpenRecordsIfSound(Path(), now), nullptr);
    EXPECT_EQ(testing::ReadFileBytes(Path()), damaged);
    for (const auto& item : fs::directory_iterator(m_folder.Path()))
        EXPECT_TRUE(item.path() == Path() || item.path().filename() == "backups") << item.path();

    // A later program's file is not touched either.
    fs::remove(Path());
    OpenOn(day);
    {
        auto connection = Connection::Open(Path(), OpenMode::ReadWrite);
        connection.Execute("PRAGMA user_version = 999");
    }
    const std::string later = testing::ReadFileBytes(Path());
    EXPECT_EQ(OpenRecordsIfSound(Path(), now), nullptr);
    EXPECT_EQ(testing::ReadFileBytes(Path()), later);
}

TEST_F(RecordsFileTest, ADamagedBackupIsRefusedAndChangesNothing)
{
    const int day = Day(2026, 12, 1);
    auto opened = OpenOn(day);
    opened.store->Add(testing::Note(day, "stays"));
    const fs::path broken = m_folder.Path() / "broken.db";
    testing::WriteFileBytes(broken, std::string(8192, 'x'));
    EXPECT_THROW(RestoreFromBackup(*opened.store, broken), DatabaseError);
    EXPECT_EQ(opened.store->AllEntries().size(), 1u);
}

} // namespace
} // namespace tenvik::records
