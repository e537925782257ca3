#include "settings/FileStore.h"

#include "SettingsTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

#ifdef _WIN32
#include "settings/WindowsFile.h"
#else
#include <sys/stat.h>
#endif

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
#ifndef _WIN32
    // Nor may a pipe or a device in its place block the start-up or never end.
    ASSERT_EQ(::mkfifo((folder.Path() / "pipe.ini").c_str(), 0600), 0);
    EXPECT_THROW(store.Load(folder.Path() / "pipe.ini"), std::system_error);
    EXPECT_THROW(store.Load("/dev/zero"), std::system_error);
#endif
}

#ifndef _WIN32 // POSIX permissions and links

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
#endif

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

void Backdate(const fs::path& path, std::chrono::hours age)
{
#ifdef _WIN32
    // The standard call cannot open a folder on Windows; the system's own can, when asked.
    const Handle item{CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr)};
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER time{};
    time.LowPart = now.dwLowDateTime;
    time.HighPart = now.dwHighDateTime;
    time.QuadPart -= static_cast<ULONGLONG>(std::chrono::duration_cast<std::chrono::seconds>(age).count()) * 10'000'000;
    const FILETIME then{time.LowPart, time.HighPart};
    if (!item.Valid() || !SetFileTime(item.Get(), nullptr, nullptr, &then))
        throw std::system_error(static_cast<int>(GetLastError()), std::system_category(), "SetFileTime");
#else
    fs::last_write_time(path, fs::file_time_type::clock::now() - age);
#endif
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
    // No two names differ in letter case alone: Windows would take them for one file.
    const Case cases[] = {
        {"Tenvik.ini.tmp-0123456789", Kind::File, true, true},
        {"Tenvik.ini.tmp-zzzzzzzzzz", Kind::File, true, true},
        {"Tenvik.ini.tmp-abcdefghij", Kind::File, false, false}, // another Save under way
        {"Other.ini.tmp-0123456789", Kind::File, true, false},
        {"Tenvik.ini.tmp-012345678", Kind::File, true, false},
        {"Tenvik.ini.tmp-01234567890", Kind::File, true, false},
        {"Tenvik.ini.tmp-KLMNOPQRST", Kind::File, true, false},
        {"Tenvik.ini.tmp-0123456789.bak", Kind::File, true, false},
        {"tenvik.ini.tmp-9876543210", Kind::File, true, false},
        {"Tenvik.ini.tmp-f0lder0000", Kind::Folder, true, false},
#ifndef _WIN32
        {"Tenvik.ini.tmp-l1nk000000", Kind::Link, true, false},
#endif
    };
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
            Backdate(path, std::chrono::hours{2}); // a link's target: the link looks stale too
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
