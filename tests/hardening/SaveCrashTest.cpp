// A Save killed at any moment (power cut aside) leaves the settings file as the last whole
// Save left it, byte for byte: the file before the killed Save, or the one it wrote. And
// the temporary file a killed Save may leave goes with the next Save.
#include "SaveScenario.h"

#include "../settings/SettingsTestSupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <random>
#include <set>
#include <thread>

#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace tenvik {
namespace {

using testing::ChoicesA;
using testing::ChoicesB;
using testing::FileWith;
using testing::ReadFileBytes;
using testing::ScenarioLocale;
using testing::ScratchFolder;
using testing::StoredTexts;
using testing::StrayFiles;
using testing::TextsOf;
using testing::WriteFileBytes;

constexpr int Kills = 200;

// The disk store, telling the test each time a Save has replaced the file, so that the test
// can aim its kill at any moment of a Save.
class ReportingFileStore final : public FileStore {
public:
    explicit ReportingFileStore(int progressFd) : m_progressFd(progressFd) {}
    std::optional<std::string> Load(const fs::path& path) const override { return m_disk.Load(path); }
    void Replace(const fs::path& path, std::string_view bytes) override { m_disk.Replace(path, bytes); }
    void Update(const fs::path& path, const Edit& edit) override
    {
        m_disk.Update(path, edit);
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
        const SettingsRecord choices[] = {ChoicesA(), ChoicesB()};
        std::size_t next = startWithB ? 1 : 0;
        for (;;) {
            WriteSettings(ini, choices[next], agencyOnFile);
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
};

// Every file the saving process may leave, having started on a file that held `before`:
// that file, or the whole of either Save.
std::vector<FileState> PossibleStates(const StoredTexts& before)
{
    std::vector<FileState> states;
    for (const StoredTexts& texts : {before, TextsOf(ChoicesA()), TextsOf(ChoicesB())})
        states.push_back({FileWith(texts), texts});
    return states;
}

std::chrono::microseconds TimeOfOneSave(const fs::path& base)
{
    const ScratchFolder folder{base};
    const fs::path scratch = folder.Path() / "Tenvik.ini";
    WriteFileBytes(scratch, FileWith(TextsOf(ChoicesA())));
    IniFile ini{scratch};
    std::string agencyOnFile = ChoicesA().agency;
    const auto start = std::chrono::steady_clock::now();
    WriteSettings(ini, ChoicesB(), agencyOnFile);
    const auto took = std::chrono::steady_clock::now() - start;
    return std::chrono::duration_cast<std::chrono::microseconds>(took);
}

TEST(SaveCrash, AKilledSaveLeavesTheOldFileOrTheNewOneWhole)
{
    const ScratchFolder folder{testing::FastFolderBase()};
    const fs::path file = folder.Path() / "Tenvik.ini";
    StoredTexts before = TextsOf(ChoicesA());
    WriteFileBytes(file, FileWith(before));

    // Each kill waits for up to two whole Saves and then a moment shorter than one and a
    // half more: moments that come back the same on every run, as far as the scheduler
    // allows.
    const auto oneSave = std::max<std::int64_t>(TimeOfOneSave(testing::FastFolderBase()).count(), 50);
    std::mt19937 random{20201220};
    std::uniform_int_distribution<int> savesBeforeKill{0, 2};
    std::uniform_int_distribution<std::int64_t> delay{0, oneSave * 3 / 2};

    int killsThatFoundProgress = 0;
    std::set<std::string> leftovers;
    for (int kill = 0; kill < Kills; ++kill) {
        SCOPED_TRACE("kill " + std::to_string(kill));
        const bool startWithB = kill % 2 == 1;
        SavingProcess saving{file, before[0], startWithB};
        ASSERT_TRUE(saving.WaitForReplaces(savesBeforeKill(random))) << "the saving process failed";
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        const int status = saving.Kill();
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
            << "the saving process ended on its own, exit code " << WEXITSTATUS(status);

        const std::string bytes = ReadFileBytes(file);
        const std::vector<FileState> states = PossibleStates(before);
        const auto state =
            std::find_if(states.begin(), states.end(), [&](const FileState& s) { return s.bytes == bytes; });
        ASSERT_NE(state, states.end()) << "a file no Save could leave:\n" << bytes;
        EXPECT_EQ(TextsOf(ReadSettings(IniFile{file}, ScenarioLocale())), state->texts);
        killsThatFoundProgress += state->texts != before ? 1 : 0;
        before = state->texts;
        // Left for the next Save to clear.
        for (const std::string& name : StrayFiles(folder.Path(), file))
            leftovers.insert(name);
    }

    // One more Save finds every leftover of the killed ones and removes it.
    IniFile ini{file};
    std::string agencyOnFile = before[0];
    WriteSettings(ini, ChoicesA(), agencyOnFile);
    EXPECT_EQ(StrayFiles(folder.Path(), file), std::vector<std::string>{});

    std::cout << "One Save took " << oneSave << " us. " << killsThatFoundProgress
              << " kills found a changed file; killed Saves left " << leftovers.size()
              << " temporary files, for the next Save to clear.\n";
    EXPECT_GT(killsThatFoundProgress, 0) << "no kill came after a Save was written, so the kills proved nothing";
}

} // namespace
} // namespace tenvik
