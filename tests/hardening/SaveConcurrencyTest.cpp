// Two copies of the calendar saving at the same moment: each Save is the file's whole new
// state, never keys of one mixed with keys of the other.
#include "ChildProcess.h"
#include "SaveScenario.h"

#include "../settings/SettingsTestSupport.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace tenvik {
namespace {

using testing::ChildProcess;
using testing::ChoicesA;
using testing::ChoicesB;
using testing::Ending;
using testing::FileWith;
using testing::ReadFileBytes;
using testing::ScratchFolder;
using testing::TextsOf;
using testing::WriteFileBytes;

constexpr int Rounds = 20;
constexpr int SavesPerRound = 4;

// Saves every key, the agency included, as a window whose user changed them all.
void SaveAll(const fs::path& file, const SettingsRecord& values)
{
    IniFile ini{file};
    std::string agencyOnFile = "something else";
    WriteSettings(ini, values, agencyOnFile);
}

TEST(SaveConcurrency, TwoProcessesSavingInALoopLeaveOneWholeSave)
{
    const ScratchFolder folder{testing::FastFolderBase()};
    const fs::path file = folder.Path() / "Tenvik.ini";
    const std::string wholeA = FileWith(TextsOf(ChoicesA()));
    const std::string wholeB = FileWith(TextsOf(ChoicesB()));
    int mixed = 0;
    for (int round = 0; round < Rounds; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        WriteFileBytes(file, FileWith(TextsOf(ChoicesA())));
        int start[2];
        ASSERT_EQ(::pipe(start), 0);
        // Both start on the same signal, as two windows whose Save was pressed together.
        const auto saver = [&](const SettingsRecord& values) {
            return [&, values] {
                char go = 0;
                if (::read(start[0], &go, 1) != 1)
                    return 3;
                for (int save = 0; save < SavesPerRound; ++save)
                    SaveAll(file, values);
                return 0;
            };
        };
        ChildProcess a{saver(ChoicesA())};
        ChildProcess b{saver(ChoicesB())};
        ASSERT_EQ(::write(start[1], "go", 2), 2);
        const int endedA = a.Wait();
        const int endedB = b.Wait();
        ::close(start[0]);
        ::close(start[1]);
        ASSERT_EQ(Ending(endedA), "exit code 0");
        ASSERT_EQ(Ending(endedB), "exit code 0");
        const std::string bytes = ReadFileBytes(file);
        mixed += bytes != wholeA && bytes != wholeB ? 1 : 0;
        EXPECT_TRUE(bytes == wholeA || bytes == wholeB) << "keys of both Saves:\n" << bytes;
    }
    EXPECT_EQ(mixed, 0) << "of " << Rounds << " rounds";
}

// Another process in the middle of a Save holds the lock: a Save waits for it a little,
// then reports the file as busy and leaves it alone. Once that process is gone, killed in
// the middle of its Save, the lock is gone with it.
TEST(SaveConcurrency, ASaveWaitsForAnotherThenSaysTheFileIsBusy)
{
    const ScratchFolder folder{testing::FastFolderBase()};
    const fs::path file = folder.Path() / "Tenvik.ini";
    WriteFileBytes(file, FileWith(TextsOf(ChoicesA())));
    int locked[2];
    ASSERT_EQ(::pipe(locked), 0);
    ChildProcess holder{[&] {
        DiskFileStore().Update(file, [&](std::optional<std::string> bytes) {
            if (::write(locked[1], "l", 1) != 1)
                ::_exit(3);
            ::pause();
            return bytes.value_or("");
        });
        return 0;
    }};
    char got = 0;
    ASSERT_EQ(::read(locked[0], &got, 1), 1);
    ::close(locked[0]);
    ::close(locked[1]);

    DiskFileStore impatient{std::chrono::milliseconds{100}};
    IniFile ini{file, impatient};
    std::string agencyOnFile = ChoicesA().agency;
    try {
        WriteSettings(ini, ChoicesB(), agencyOnFile);
        FAIL() << "a Save went past the lock";
    } catch (const EIniFileException& e) {
        EXPECT_EQ(e.WhatFailed(), EIniFileException::Cause::Busy);
        EXPECT_EQ(std::string(e.what()),
                  "Unable to write to " + file.string()
                      + ": the file is busy, another Tenvik window is saving it. Try again "
                        "in a moment.");
    }
    EXPECT_EQ(ReadFileBytes(file), FileWith(TextsOf(ChoicesA())));

    holder.Kill();
    WriteSettings(ini, ChoicesB(), agencyOnFile);
    EXPECT_EQ(ReadFileBytes(file), FileWith(TextsOf(ChoicesB())));
    EXPECT_TRUE(fs::exists(folder.Path() / "Tenvik.ini.lock")) << "the lock file stays for the next Save";
}

} // namespace
} // namespace tenvik
