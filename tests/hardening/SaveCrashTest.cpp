// A Save killed at any moment (power cut aside) leaves a settings file that reads: every
// key holds the value of the Save that wrote it last, the keys of an interrupted Save are
// new up to some key and old after it, and every line the program does not know is there.
#include "SaveScenario.h"

#include "../settings/SettingsTestSupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <map>
#include <random>
#include <thread>

#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace tenvik {
namespace {

using testing::ChoicesA;
using testing::ChoicesB;
using testing::FileWith;
using testing::Interrupted;
using testing::KeyCount;
using testing::ReadFileBytes;
using testing::ScenarioLocale;
using testing::ScratchFolder;
using testing::StoredTexts;
using testing::StrayFiles;
using testing::TextsOf;
using testing::WriteFileBytes;

constexpr int Kills = 200;

// A killed process loses nothing the kernel has already taken, so a folder in memory
// proves the same as one on a disk, where every Save waits for the disk twice per key.
fs::path FastFolderBase()
{
    std::error_code ec;
    if (fs::is_directory("/dev/shm", ec) && ::access("/dev/shm", W_OK) == 0)
        return "/dev/shm";
    return fs::temp_directory_path();
}

// The disk store, telling the test each time it has replaced the file, so that the test
// can aim its kill at any key of a Save.
class ReportingFileStore final : public FileStore {
public:
    explicit ReportingFileStore(int progressFd) : m_progressFd(progressFd) {}
    std::optional<std::string> Load(const fs::path& path) const override { return m_disk.Load(path); }
    void Replace(const fs::path& path, std::string_view bytes) override
    {
        m_disk.Replace(path, bytes);
        const char replaced = 'k';
        if (::write(m_progressFd, &replaced, 1) != 1)
            ::_exit(3);
    }

private:
    DiskFileStore m_disk;
    int m_progressFd;
};

// What the user does who keeps pressing Save with other choices: A, B, A, B … until killed.
[[noreturn]] void SaveForEver(const fs::path& file, std::string agencyOnFile, bool startWithB, int progressFd)
{
    try {
        ReportingFileStore store{progressFd};
        IniFile ini{file, store};
        const FormatSettings locale = ScenarioLocale();
        const SettingsRecord choices[] = {ChoicesA(), ChoicesB()};
        std::size_t next = startWithB ? 1 : 0;
        for (;;) {
            WriteSettings(ini, choices[next], agencyOnFile, locale);
            next ^= 1;
        }
    } catch (...) {
        ::_exit(2);
    }
}

// Kills and reaps the saving process however the test leaves.
class SavingProcess {
public:
    SavingProcess(const fs::path& file, const std::string& agencyOnFile, bool startWithB)
    {
        int progress[2];
        if (::pipe(progress) != 0)
            throw std::system_error(errno, std::generic_category(), "pipe");
        m_pid = ::fork();
        if (m_pid == 0) {
            ::close(progress[0]);
            SaveForEver(file, agencyOnFile, startWithB, progress[1]);
        }
        ::close(progress[1]);
        m_progressFd = progress[0];
    }
    SavingProcess(const SavingProcess&) = delete;
    SavingProcess& operator=(const SavingProcess&) = delete;
    ~SavingProcess() { Kill(); }

    // False when the process ended before it had replaced the file that often.
    bool WaitForReplaces(int count) const
    {
        char replaced = 0;
        for (int i = 0; i < count; ++i) {
            if (::read(m_progressFd, &replaced, 1) != 1)
                return false;
        }
        return m_pid > 0;
    }
    // The wait status.
    int Kill()
    {
        int status = 0;
        if (m_pid > 0) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, &status, 0);
            m_pid = -1;
        }
        if (m_progressFd >= 0) {
            ::close(m_progressFd);
            m_progressFd = -1;
        }
        return status;
    }

private:
    pid_t m_pid = -1;
    int m_progressFd = -1;
};

struct FileState {
    std::string bytes;
    StoredTexts texts;
    std::size_t written; // keys of the interrupted Save already in the file
};

// Every file the saving process may leave, having started on a file that held `before`:
// it saves `first`, then `second`, then `first` again and so on, and it may be killed
// after any key of any of them.
std::vector<FileState> PossibleStates(const StoredTexts& before, const SettingsRecord& first,
                                      const SettingsRecord& second)
{
    std::vector<FileState> states;
    const auto add = [&](const SettingsRecord& newer, const StoredTexts& older) {
        for (std::size_t written = 0; written <= KeyCount; ++written) {
            const StoredTexts texts = Interrupted(written, newer, older);
            states.push_back({FileWith(texts), texts, written});
        }
    };
    add(first, before);
    add(second, TextsOf(first));
    add(first, TextsOf(second));
    return states;
}

std::chrono::microseconds TimeOfOneSave(const fs::path& folder)
{
    const fs::path scratch = folder / "timing.ini";
    WriteFileBytes(scratch, FileWith(TextsOf(ChoicesA())));
    IniFile ini{scratch};
    std::string agencyOnFile = ChoicesA().agency;
    const auto start = std::chrono::steady_clock::now();
    WriteSettings(ini, ChoicesB(), agencyOnFile, ScenarioLocale());
    const auto took = std::chrono::steady_clock::now() - start;
    fs::remove(scratch);
    return std::chrono::duration_cast<std::chrono::microseconds>(took);
}

TEST(SaveCrash, AKilledSaveLeavesEveryKeyOldOrNewAndEveryOtherLineIntact)
{
    const ScratchFolder folder{FastFolderBase()};
    const fs::path file = folder.Path() / "Tenvik.ini";
    StoredTexts before = TextsOf(ChoicesA());
    WriteFileBytes(file, FileWith(before));

    // Each kill waits for a number of keys to be written, up to two whole Saves, and then a
    // moment shorter than writing one more: moments that come back the same on every run,
    // as far as the scheduler allows.
    const auto oneKey = std::max<std::int64_t>(TimeOfOneSave(folder.Path()).count() / KeyCount, 20);
    std::mt19937 random{20201220};
    std::uniform_int_distribution<int> keysBeforeKill{0, 2 * static_cast<int>(KeyCount) - 1};
    std::uniform_int_distribution<std::int64_t> delay{0, oneKey * 3 / 2};

    std::map<std::size_t, int> keysWrittenWhenKilled;
    int killsThatFoundProgress = 0;
    int strayFiles = 0;
    for (int kill = 0; kill < Kills; ++kill) {
        SCOPED_TRACE("kill " + std::to_string(kill));
        const bool startWithB = kill % 2 == 1;
        const std::vector<FileState> states = startWithB ? PossibleStates(before, ChoicesB(), ChoicesA())
                                                         : PossibleStates(before, ChoicesA(), ChoicesB());
        SavingProcess saving{file, before[0], startWithB};
        ASSERT_TRUE(saving.WaitForReplaces(keysBeforeKill(random))) << "the saving process failed";
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        const int status = saving.Kill();
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
            << "the saving process ended on its own, exit code " << WEXITSTATUS(status);

        const std::string bytes = ReadFileBytes(file);
        const auto state =
            std::find_if(states.begin(), states.end(), [&](const FileState& s) { return s.bytes == bytes; });
        ASSERT_NE(state, states.end()) << "a file no Save could leave:\n" << bytes;
        EXPECT_EQ(TextsOf(ReadSettings(IniFile{file}, ScenarioLocale())), state->texts);
        ++keysWrittenWhenKilled[state->written];
        killsThatFoundProgress += state->texts != before ? 1 : 0;
        before = state->texts;

        // A killed writer cannot remove its temporary file; it is harmless, and cleared
        // here so that the next kill starts from the same folder.
        for (const std::string& name : StrayFiles(folder.Path(), file)) {
            ++strayFiles;
            fs::remove(folder.Path() / name);
        }
    }

    std::string spread;
    for (const auto& [written, count] : keysWrittenWhenKilled)
        spread += " " + std::to_string(written) + ":" + std::to_string(count);
    std::cout << "One key took " << oneKey << " us. Keys of the last Save in the file (keys:kills):" << spread << ". "
              << killsThatFoundProgress << " kills found a changed file; killed Saves left " << strayFiles
              << " temporary files.\n";
    EXPECT_GT(killsThatFoundProgress, 0) << "no kill came after a key was written, so the kills proved nothing";
}

} // namespace
} // namespace tenvik
