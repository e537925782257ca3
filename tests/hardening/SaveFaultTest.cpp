// A Save that meets a full disk or a vanished folder says "Unable to write to <path>" and
// leaves the file as it was, byte for byte, with nothing beside it: a Save is all of its
// keys or none. The faults are injected through the store where a test needs the moment,
// and made real where the system lets a plain user make them.
#include "SaveScenario.h"

#include "../settings/SettingsTestSupport.h"

#include <gtest/gtest.h>

#include <array>
#include <csignal>
#include <cstring>
#include <fstream>
#include <functional>

#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace tenvik {
namespace {

using testing::ChoicesA;
using testing::ChoicesB;
using testing::FailingFileStore;
using testing::FileWith;
using testing::ReadFileBytes;
using testing::StrayFiles;
using testing::TempFolder;
using testing::TextsOf;
using testing::WriteFileBytes;

// Saves B over a file that holds A, as the window's Save does; the message of its failure.
std::optional<std::string> SaveFailure(const fs::path& file, FileStore& store)
{
    IniFile ini{file, store};
    std::string agencyOnFile = ChoicesA().agency;
    try {
        WriteSettings(ini, ChoicesB(), agencyOnFile);
    } catch (const EIniFileException& e) {
        return e.what();
    }
    return std::nullopt;
}

std::string UnableToWrite(const fs::path& file)
{
    return "Unable to write to " + file.string();
}

// The disk store, with a hook that runs before the Nth Replace (counting from 1); it keeps
// what each Replace wrote and the error of the one that failed.
class HookedFileStore final : public FileStore {
public:
    HookedFileStore() = default;
    HookedFileStore(int hookedReplace, std::function<void()> hook)
        : m_hookedReplace(hookedReplace), m_hook(std::move(hook))
    {
    }
    std::optional<std::string> Load(const fs::path& path) const override { return m_disk.Load(path); }
    void Replace(const fs::path& path, std::string_view bytes) override
    {
        if (++m_replaces == m_hookedReplace && m_hook)
            m_hook();
        try {
            m_disk.Replace(path, bytes);
        } catch (const std::system_error& e) {
            m_failure = e.code();
            throw;
        }
        m_written.emplace_back(bytes);
    }
    int Replaces() const { return m_replaces; }
    const std::vector<std::string>& Written() const { return m_written; }
    std::error_code Failure() const { return m_failure; }

private:
    DiskFileStore m_disk;
    int m_hookedReplace = 0;
    std::function<void()> m_hook;
    int m_replaces = 0;
    std::vector<std::string> m_written;
    std::error_code m_failure;
};

class SaveFaultTest : public ::testing::Test {
protected:
    fs::path Folder() const { return m_folder.Path(); }
    fs::path File() const { return Folder() / "Tenvik.ini"; }

private:
    TempFolder m_folder;
};

TEST_F(SaveFaultTest, AFullDiskLeavesTheFileAsItWas)
{
    WriteFileBytes(File(), FileWith(TextsOf(ChoicesA())));
    FailingFileStore store{1};
    EXPECT_EQ(SaveFailure(File(), store), UnableToWrite(File()));
    EXPECT_EQ(store.Replaces(), 1);
    EXPECT_EQ(ReadFileBytes(File()), FileWith(TextsOf(ChoicesA())));
    EXPECT_EQ(StrayFiles(Folder(), File()), std::vector<std::string>{});
}

// The kernel refuses to let a file grow past the limit, as it would on a full disk, and a
// plain user may lower the limit for their own process.
class FileSizeLimit {
public:
    explicit FileSizeLimit(std::uintmax_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        // Without this the kernel ends the process with SIGXFSZ instead of failing the write.
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = m_old;
        limited.rlim_cur = static_cast<rlim_t>(bytes);
        m_active = ::setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    bool Active() const { return m_active; }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
    bool m_active = false;
};

TEST_F(SaveFaultTest, AFileThatCannotGrowAsFarAsTheSaveNeedsStaysAsItWas)
{
    // None of the program's keys yet, so that the Save makes the file longer, and a section
    // after them, so that a file cut short would lose it.
    const std::string start = "; kept by hand\n[Config]\nTheme=dark\n[Colors]\nExtra=kept\n[Window]\nLeft=120\n";
    WriteFileBytes(File(), start);
    HookedFileStore unlimited;
    ASSERT_EQ(SaveFailure(File(), unlimited), std::nullopt);
    ASSERT_EQ(unlimited.Written().size(), 1u);
    const std::size_t saved = unlimited.Written().front().size();
    ASSERT_GT(saved, start.size());

    for (const std::size_t limit : {start.size(), (start.size() + saved) / 2, saved - 1}) {
        SCOPED_TRACE("the file cannot grow past " + std::to_string(limit) + " bytes");
        WriteFileBytes(File(), start);
        HookedFileStore store;
        std::optional<std::string> failure;
        {
            const FileSizeLimit limited{limit};
            ASSERT_TRUE(limited.Active());
            failure = SaveFailure(File(), store);
        }
        EXPECT_EQ(failure, UnableToWrite(File()));
        EXPECT_EQ(store.Failure(), std::make_error_code(std::errc::file_too_large)) << store.Failure().message();
        EXPECT_EQ(ReadFileBytes(File()), start);
        EXPECT_EQ(StrayFiles(Folder(), File()), std::vector<std::string>{});
    }
}

TEST_F(SaveFaultTest, AFolderRemovedBeforeOrDuringTheSaveStopsItAndIsNotMadeAgain)
{
    const fs::path folder = Folder() / "Quorvell" / "Tenvik";
    const fs::path file = folder / "Tenvik.ini";
    const auto made = [&] {
        fs::create_directories(folder);
        WriteFileBytes(file, FileWith(TextsOf(ChoicesA())));
    };

    // Gone between the load and the replacement.
    made();
    HookedFileStore during{1, [&] { fs::remove_all(folder); }};
    EXPECT_EQ(SaveFailure(file, during), UnableToWrite(file));
    EXPECT_EQ(during.Replaces(), 1);
    EXPECT_FALSE(fs::exists(folder)) << "a Save must not make the folder it lost";

    // Gone before the Save: not even the lock file is made.
    made();
    fs::remove_all(folder);
    DiskFileStore disk;
    EXPECT_EQ(SaveFailure(file, disk), UnableToWrite(file));
    EXPECT_FALSE(fs::exists(folder)) << "a Save must not make the folder it lost";
}

// A full disk for real: a small memory file system of the test's own, mounted in private
// user and mount namespaces, which a plain user may make where the system allows them.
// The child process reports what it found through a pipe; exit code 77 means the system
// does not allow it.
constexpr int Unavailable = 77;

bool WriteProcFile(const char* path, const std::string& text)
{
    std::ofstream out(path);
    out << text;
    out.flush();
    return static_cast<bool>(out);
}

[[noreturn]] void Finish(int reportFd, const std::string& report, int code)
{
    if (::write(reportFd, report.data(), report.size()) < 0)
        code = 1;
    ::_exit(code);
}

[[noreturn]] void SaveOnAFullDisk(const fs::path& mountPoint, int reportFd)
{
    std::string report;
    const uid_t uid = ::getuid();
    const gid_t gid = ::getgid();
    if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) {
        Finish(reportFd, std::string{"no private namespaces: "} + std::strerror(errno), Unavailable);
    }
    if (!WriteProcFile("/proc/self/setgroups", "deny")
        || !WriteProcFile("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1")
        || !WriteProcFile("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1")
        || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0
        || ::mount("tenvik-test", mountPoint.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, "size=64k") != 0) {
        Finish(reportFd, std::string{"no private tmpfs: "} + std::strerror(errno), Unavailable);
    }

    const fs::path file = mountPoint / "Tenvik.ini";
    const fs::path filler = mountPoint / "filler";
    const auto check = [&](bool holds, const std::string& what) {
        if (!holds)
            report += what + "\n";
    };
    try {
        WriteFileBytes(file, FileWith(TextsOf(ChoicesA())));
        bool filled = false;
        HookedFileStore store{1, [&] {
                                  std::ofstream out(filler, std::ios::binary);
                                  const std::string block(4096, 'f');
                                  while (out.write(block.data(), static_cast<std::streamsize>(block.size())))
                                      out.flush();
                                  filled = true;
                              }};
        const std::optional<std::string> failure = SaveFailure(file, store);
        check(filled, "the disk was never filled");
        check(failure == UnableToWrite(file), "the Save said \"" + failure.value_or("nothing") + "\"");
        check(store.Failure() == std::make_error_code(std::errc::no_space_on_device),
              "the store failed with \"" + store.Failure().message() + "\", not a full disk");
        check(ReadFileBytes(file) == FileWith(TextsOf(ChoicesA())),
              "the file is not the one before the Save:\n" + ReadFileBytes(file));
        check(StrayFiles(mountPoint, file) == std::vector<std::string>{"filler"},
              "something besides the file and the filler is left");
    } catch (const std::exception& e) {
        check(false, std::string{"unexpected exception: "} + e.what());
    }
    Finish(reportFd, report, report.empty() ? 0 : 1);
}

TEST_F(SaveFaultTest, ARealFullDiskLeavesTheFileAsItWas)
{
    const fs::path mountPoint = Folder() / "disk";
    fs::create_directory(mountPoint);
    int report[2];
    ASSERT_EQ(::pipe(report), 0);
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        ::close(report[0]);
        SaveOnAFullDisk(mountPoint, report[1]);
    }
    ::close(report[1]);
    std::string text;
    std::array<char, 4096> buffer{};
    for (ssize_t got = 0; (got = ::read(report[0], buffer.data(), buffer.size())) > 0;)
        text.append(buffer.data(), static_cast<std::size_t>(got));
    ::close(report[0]);
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status)) << "the saving process was ended by a signal";
    if (WEXITSTATUS(status) == Unavailable)
        GTEST_SKIP() << "This system lets no plain user mount a small file system: " << text;
    EXPECT_EQ(WEXITSTATUS(status), 0) << text;
}

} // namespace
} // namespace tenvik
