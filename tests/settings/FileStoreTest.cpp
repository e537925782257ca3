#include "settings/FileStore.h"

#include "SettingsTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

#include <sys/stat.h>

namespace fs = std::filesystem;

namespace tenvik {
namespace {

using testing::ReadFileBytes;
using testing::TempFolder;
using testing::WriteFileBytes;

// Only the target itself may be left in the folder: never a temporary file.
std::vector<std::string> Entries(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(DiskFileStore, LoadsWhatReplaceWroteAndTellsMissingFromUnreadable)
{
    const TempFolder folder;
    const fs::path file = folder.Path() / "Tenvik.ini";
    DiskFileStore store;

    EXPECT_EQ(store.Load(file), std::nullopt);
    EXPECT_EQ(store.Load(folder.Path() / "missing" / "Tenvik.ini"), std::nullopt);

    store.Replace(file, std::string("[Config]\r\nRDO=A1\r\n\0binary", 25));
    EXPECT_EQ(store.Load(file), std::string("[Config]\r\nRDO=A1\r\n\0binary", 25));
    store.Replace(file, "");
    EXPECT_EQ(store.Load(file), "");
    EXPECT_EQ(Entries(folder.Path()), std::vector<std::string>{"Tenvik.ini"});

    // A folder where the file should be is there but cannot be read: a writer must not
    // take it for a missing file.
    fs::create_directory(folder.Path() / "folder.ini");
    EXPECT_THROW(store.Load(folder.Path() / "folder.ini"), std::system_error);
    // Nor may a pipe or a device in its place block the start-up or never end.
    ASSERT_EQ(::mkfifo((folder.Path() / "pipe.ini").c_str(), 0600), 0);
    EXPECT_THROW(store.Load(folder.Path() / "pipe.ini"), std::system_error);
    EXPECT_THROW(store.Load("/dev/zero"), std::system_error);
}

TEST(DiskFileStore, ReplaceKeepsPermissionsAndWritesThroughALink)
{
    const TempFolder folder;
    const fs::path target = folder.Path() / "real.ini";
    const fs::path link = folder.Path() / "Tenvik.ini";
    WriteFileBytes(target, "old");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink(target, link);

    DiskFileStore store;
    store.Replace(link, "new");

    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadFileBytes(target), "new");
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(Entries(folder.Path()), (std::vector<std::string>{"Tenvik.ini", "real.ini"}));
}

TEST(DiskFileStore, FailedReplaceThrowsAndLeavesNoTemporaryFile)
{
    const TempFolder folder;
    DiskFileStore store;

    EXPECT_THROW(store.Replace(folder.Path() / "gone" / "Tenvik.ini", "x"), std::system_error);
    EXPECT_TRUE(Entries(folder.Path()).empty());

    // The rename cannot put a file over a folder: the temporary file must go again and the
    // folder stay as it was.
    const fs::path occupied = folder.Path() / "Tenvik.ini";
    fs::create_directory(occupied);
    WriteFileBytes(occupied / "inside", "kept");
    EXPECT_THROW(store.Replace(occupied, "x"), std::system_error);
    EXPECT_EQ(Entries(folder.Path()), std::vector<std::string>{"Tenvik.ini"});
    EXPECT_EQ(ReadFileBytes(occupied / "inside"), "kept");
}

// A Save killed between writing its temporary file and the rename left that file in the
// settings folder for good. Another copy of the program saving at the same moment owns a
// fresh one, which must survive.
TEST(DiskFileStore, ReplaceRemovesStaleTemporaryFilesOfItsTargetOnly)
{
    const TempFolder folder;
    const fs::path file = folder.Path() / "Tenvik.ini";
    WriteFileBytes(file, "old");
    WriteFileBytes(folder.Path() / "victim", "kept");

    enum class Kind { File, Folder, Link };
    struct Case {
        const char* name;
        Kind kind;
        bool stale;
        bool removed;
    };
    const Case cases[] = {
        {"Tenvik.ini.tmp-0123456789", Kind::File, true, true},
        {"Tenvik.ini.tmp-zzzzzzzzzz", Kind::File, true, true},
        {"Tenvik.ini.tmp-abcdefghij", Kind::File, false, false}, // another Save under way
        {"Other.ini.tmp-0123456789", Kind::File, true, false},
        {"Tenvik.ini.tmp-012345678", Kind::File, true, false},
        {"Tenvik.ini.tmp-01234567890", Kind::File, true, false},
        {"Tenvik.ini.tmp-ABCDEFGHIJ", Kind::File, true, false},
        {"Tenvik.ini.tmp-0123456789.bak", Kind::File, true, false},
        {"tenvik.ini.tmp-0123456789", Kind::File, true, false},
        {"Tenvik.ini.tmp-f0lder0000", Kind::Folder, true, false},
        {"Tenvik.ini.tmp-l1nk000000", Kind::Link, true, false},
    };
    const auto longAgo = fs::file_time_type::clock::now() - std::chrono::hours{2};
    std::vector<std::string> expected{"Tenvik.ini", "victim"};
    for (const Case& c : cases) {
        const fs::path path = folder.Path() / c.name;
        if (c.kind == Kind::File)
            WriteFileBytes(path, "half a file");
        else if (c.kind == Kind::Folder)
            fs::create_directory(path);
        else
            fs::create_symlink(folder.Path() / "victim", path);
        if (c.stale)
            fs::last_write_time(path, longAgo); // a link's target: the link looks stale too
        if (!c.removed)
            expected.push_back(c.name);
    }
    std::sort(expected.begin(), expected.end());

    DiskFileStore store;
    store.Replace(file, "new");

    EXPECT_EQ(Entries(folder.Path()), expected);
    EXPECT_EQ(ReadFileBytes(file), "new");
    EXPECT_EQ(ReadFileBytes(folder.Path() / "victim"), "kept");
}

} // namespace
} // namespace tenvik
