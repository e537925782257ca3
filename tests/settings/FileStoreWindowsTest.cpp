#include "settings/FileStore.h"
#include "settings/IniFile.h"
#include "settings/SystemErrorText.h"

#include "SettingsTestSupport.h"
#include "WindowsTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <thread>

namespace fs = std::filesystem;

namespace tenvik {
namespace {

using testing::ReadFileBytes;
using testing::RunningUnderWine;
using testing::TempFolder;
using testing::Utf8;
using testing::WriteFileBytes;

class FileStoreWindowsTest : public ::testing::Test {
protected:
    FileStoreWindowsTest() { WriteFileBytes(File(), "[Config]\r\nRDO=A1\r\n"); }
    // The folder cannot go while a file in it is read-only.
    ~FileStoreWindowsTest() override { SetFileAttributesW(File().c_str(), FILE_ATTRIBUTE_NORMAL); }

    fs::path File() const { return m_folder.Path() / "Tenvik.ini"; }
    // The files of the folder but the lock file, which Saves leave for the next one.
    std::size_t Entries() const
    {
        return static_cast<std::size_t>(
            std::count_if(fs::directory_iterator(m_folder.Path()), {},
                          [](const fs::directory_entry& entry) { return entry.path().extension() != ".lock"; }));
    }

    // Another program's handle on the file, opened for reading with the given sharing.
    Handle OpenForReading(DWORD sharing) const
    {
        return Handle{CreateFileW(File().c_str(), GENERIC_READ, sharing, nullptr, OPEN_EXISTING, 0, nullptr)};
    }

private:
    TempFolder m_folder;
};

std::string ReadThrough(const Handle& file)
{
    std::string bytes(64, '\0');
    DWORD done = 0;
    SetFilePointer(file.Get(), 0, nullptr, FILE_BEGIN);
    if (!ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr))
        return "<unreadable>";
    bytes.resize(done);
    return bytes;
}

// Windows lets a program write to a read-only file's folder, so the rename would go
// through; the user marked the file to stay as it is.
TEST_F(FileStoreWindowsTest, AReadOnlyFileIsRefusedWithTheMessage)
{
    ASSERT_TRUE(SetFileAttributesW(File().c_str(), FILE_ATTRIBUTE_READONLY));

    IniFile ini{File()};
    try {
        ini.WriteString("Config", "RDO", "B2");
        ini.UpdateFile();
        FAIL() << "a read-only file must refuse the write";
    } catch (const EIniFileException& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + Utf8(File()));
    }
    EXPECT_EQ(ReadFileBytes(File()), "[Config]\r\nRDO=A1\r\n");
    EXPECT_NE(GetFileAttributesW(File().c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
    EXPECT_EQ(Entries(), 1u) << "no temporary file stays behind";
}

// A program that holds the file open without delete sharing forbids every rename over it,
// on Windows as under Wine. The Save fails; the file stays whole.
TEST_F(FileStoreWindowsTest, AHandleWithoutDeleteSharingStopsTheSaveAndKeepsTheFile)
{
    const Handle reader = OpenForReading(FILE_SHARE_READ | FILE_SHARE_WRITE);
    ASSERT_TRUE(reader.Valid());

    DiskFileStore store;
    EXPECT_THROW(store.Replace(File(), "[Config]\r\nRDO=B2\r\n"), std::system_error);

    EXPECT_EQ(ReadThrough(reader), "[Config]\r\nRDO=A1\r\n");
    EXPECT_EQ(Entries(), 1u) << "no temporary file stays behind";
}

// A virus scanner or a backup tool holds a new file for a moment without delete sharing;
// the Save waits for it to let go instead of failing at once.
TEST_F(FileStoreWindowsTest, ASaveOutwaitsAShortHoldOnTheFile)
{
    Handle scanner = OpenForReading(FILE_SHARE_READ | FILE_SHARE_WRITE);
    ASSERT_TRUE(scanner.Valid());
    std::thread releaser{[&scanner] {
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        scanner.Close();
    }};

    DiskFileStore store;
    EXPECT_NO_THROW(store.Replace(File(), "[Config]\r\nRDO=B2\r\n"));
    releaser.join();
    EXPECT_EQ(ReadFileBytes(File()), "[Config]\r\nRDO=B2\r\n");
    EXPECT_EQ(Entries(), 1u);
}

// The system's words come through the wide-character call, whole and as UTF-8, without
// the line break Windows ends them with.
TEST(SystemErrorTextWindowsTest, WordsASystemErrorWithoutItsLineBreak)
{
    const std::string text = SystemErrorText({ERROR_SHARING_VIOLATION, std::system_category()});
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.find_first_of("\r\n"), std::string::npos) << text;
    EXPECT_NE(text.back(), '.') << text;
    EXPECT_EQ(Utf8(fs::path(std::u8string(text.begin(), text.end()))), text) << "valid UTF-8 round-trips";
}

// The settings are read through a handle that shares deletion, so that another copy of
// the program may save while this one reads.
TEST_F(FileStoreWindowsTest, TheReaderLetsASaveReplaceTheFile)
{
    const Handle reader = OpenSharedForReading(File());
    ASSERT_TRUE(reader.Valid());

    // Delete sharing is what lets the file be renamed while the reader holds it.
    const fs::path aside = File().parent_path() / "aside.ini";
    ASSERT_TRUE(MoveFileExW(File().c_str(), aside.c_str(), 0)) << GetLastError();
    ASSERT_TRUE(MoveFileExW(aside.c_str(), File().c_str(), 0)) << GetLastError();

    if (RunningUnderWine())
        GTEST_SKIP() << "Wine 8 has no POSIX rename (FileRenameInfoEx) and refuses to rename over an open file; "
                        "Windows 10 1809 and later on NTFS replace it";
    DiskFileStore store;
    store.Replace(File(), "[Config]\r\nRDO=B2\r\n");
    EXPECT_EQ(ReadFileBytes(File()), "[Config]\r\nRDO=B2\r\n");
    EXPECT_EQ(ReadThrough(reader), "[Config]\r\nRDO=A1\r\n") << "the reader keeps the file it opened";
    EXPECT_EQ(Entries(), 1u);
}

} // namespace
} // namespace tenvik
