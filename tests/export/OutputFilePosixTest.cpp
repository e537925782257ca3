#include "export/OutputFile.h"

#include "OutputFileTestSupport.h"
#include "SettingsTestSupport.h"

#include <gtest/gtest.h>

#include <future>
#include <optional>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace tenvik {
namespace {

using testing::ReadFileBytes;
using testing::TempFolder;
using testing::WriteFileBytes;

struct stat LinkStatus(const fs::path& path)
{
    struct stat info {};
    EXPECT_EQ(::lstat(path.c_str(), &info), 0) << path;
    return info;
}

// A device node for the test: a copy made in the test's folder where this user may make
// one, else the system's own node when this user cannot replace it (so a writer that
// renames over its target fails there instead of destroying it); nothing otherwise.
std::optional<fs::path> DeviceNode(const fs::path& folder, const char* name, unsigned minor)
{
    const fs::path copy = folder / name;
    if (::mknod(copy.c_str(), S_IFCHR | 0666, makedev(1, minor)) == 0) {
        const int fd = ::open(copy.c_str(), O_WRONLY);
        if (fd >= 0) {
            ::close(fd);
            return copy;
        }
        fs::remove(copy); // a folder mounted nodev
    }
    const fs::path system = fs::path("/dev") / name;
    if (::geteuid() != 0 && ::access(system.c_str(), W_OK) == 0)
        return system;
    return std::nullopt;
}

TEST(OutputFilePosixTest, APlainFileIsReplacedByRenameAndALinkKeepsPointingAtIt)
{
    const TempFolder folder;
    DiskFileStore store;
    const fs::path file = folder.Path() / "year.ics";

    WriteFileBytes(file, "first");
    const ino_t before = LinkStatus(file).st_ino;
    WriteOutputFile(file, "second", store);
    EXPECT_NE(LinkStatus(file).st_ino, before) << "replaced by renaming a new file over it";

    // A chain of links, one of them relative to its own folder: both links stay.
    fs::create_directory(folder.Path() / "elsewhere");
    const fs::path inner = folder.Path() / "elsewhere" / "inner.ics";
    fs::create_symlink("../year.ics", inner);
    const fs::path outer = folder.Path() / "outer.ics";
    fs::create_symlink(inner, outer);
    WriteOutputFile(outer, "through two links", store);
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(outer)));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(inner)));
    EXPECT_EQ(ReadFileBytes(file), "through two links");

    // A link to a file not there yet makes the file, not a file in the link's place.
    const fs::path dangling = folder.Path() / "dangling.ics";
    fs::create_symlink("made.ics", dangling);
    WriteOutputFile(dangling, "made", store);
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dangling)));
    EXPECT_EQ(ReadFileBytes(folder.Path() / "made.ics"), "made");

    const fs::path loop = folder.Path() / "loop.ics";
    fs::create_symlink("loop.ics", loop);
    EXPECT_EQ(ErrorOf([&] { WriteOutputFile(loop, "x", store); }), std::errc::too_many_symbolic_link_levels);
}

TEST(OutputFilePosixTest, APipeIsWrittenToAndStaysAPipe)
{
    const TempFolder folder;
    DiskFileStore store;
    const fs::path pipe = folder.Path() / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    // Through a link too, as a shell's process substitution hands it over.
    const fs::path link = folder.Path() / "link";
    fs::create_symlink(pipe, link);

    for (const fs::path& name : {pipe, link}) {
        SCOPED_TRACE(name);
        auto reader = std::async(std::launch::async, [&] { return ReadFileBytes(pipe); });
        WriteOutputFile(name, "BEGIN:VCALENDAR\r\n", store);
        EXPECT_EQ(reader.get(), "BEGIN:VCALENDAR\r\n");
        EXPECT_TRUE(S_ISFIFO(LinkStatus(pipe).st_mode));
    }
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(link)));
}

TEST(OutputFilePosixTest, ADeviceIsWrittenToAndItsErrorsReported)
{
    const TempFolder folder;
    DiskFileStore store;
    const auto null = DeviceNode(folder.Path(), "null", 3);
    const auto full = DeviceNode(folder.Path(), "full", 7);
    if (!null || !full)
        GTEST_SKIP() << "this user can neither make a device node nor write to /dev/null and /dev/full";

    WriteOutputFile(*null, "%PDF-1.4", store);
    EXPECT_TRUE(S_ISCHR(LinkStatus(*null).st_mode));
    EXPECT_EQ(ErrorOf([&] { WriteOutputFile(*full, "%PDF-1.4", store); }), std::errc::no_space_on_device);
    EXPECT_TRUE(S_ISCHR(LinkStatus(*full).st_mode));
}

TEST(OutputFilePosixTest, ASocketIsOpenedAsCatWouldAndLeftAlone)
{
    const TempFolder folder;
    DiskFileStore store;
    const fs::path path = folder.Path() / "socket";
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string name = path.string();
    if (name.size() >= sizeof address.sun_path) {
        ::close(fd);
        GTEST_SKIP() << "the temporary folder's path is too long for a socket";
    }
    name.copy(address.sun_path, name.size());
    ASSERT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);

    EXPECT_EQ(ErrorOf([&] { WriteOutputFile(path, "x", store); }), std::errc::no_such_device_or_address);
    EXPECT_TRUE(S_ISSOCK(LinkStatus(path).st_mode));
    ::close(fd);
}

// A link to a folder is a folder.
TEST(OutputFilePosixTest, ALinkToAFolderIsRefusedAsAFolder)
{
    const TempFolder folder;
    DiskFileStore store;
    fs::create_directory(folder.Path() / "folder");
    fs::create_symlink(folder.Path() / "folder", folder.Path() / "link");
    EXPECT_EQ(ErrorOf([&] { WriteOutputFile(folder.Path() / "link", "x", store); }), std::errc::is_a_directory);
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(folder.Path() / "link")));
    EXPECT_TRUE(fs::is_empty(folder.Path() / "folder"));
}

// Standard output pointed at a file for the length of one call, as a shell's ">" does.
class RedirectedOutput {
public:
    explicit RedirectedOutput(const fs::path& path) : m_saved(::dup(STDOUT_FILENO))
    {
        std::fflush(stdout);
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ::dup2(fd, STDOUT_FILENO);
        ::close(fd);
    }
    RedirectedOutput(const RedirectedOutput&) = delete;
    RedirectedOutput& operator=(const RedirectedOutput&) = delete;
    ~RedirectedOutput()
    {
        std::fflush(stdout);
        ::dup2(m_saved, STDOUT_FILENO);
        ::close(m_saved);
    }

private:
    int m_saved;
};

TEST(OutputFilePosixTest, StandardOutputTakesTheBytesAsTheyAre)
{
    const TempFolder folder;
    const fs::path file = folder.Path() / "redirected";
    const std::string bytes("BEGIN:VCALENDAR\r\n\0%PDF", 22);
    bool sameAsFile = false;
    {
        const RedirectedOutput redirected(file);
        WriteStandardOutput(bytes);
        sameAsFile = SameOutput("-", file);
    }
    EXPECT_EQ(ReadFileBytes(file), bytes);
    EXPECT_TRUE(sameAsFile);

    if (::access("/dev/full", W_OK) == 0) {
        std::error_condition error;
        {
            const RedirectedOutput redirected("/dev/full");
            error = ErrorOf([&] { WriteStandardOutput(bytes); });
        }
        EXPECT_EQ(error, std::errc::no_space_on_device);
    }
}

// /dev/stdout is such a link; its /proc form cannot be harmed by a writer that renames
// over its target.
TEST(OutputFilePosixTest, TheSystemsLinkToAPipeReachesThePipe)
{
    if (!fs::is_directory("/proc/self/fd"))
        GTEST_SKIP() << "no /proc/self/fd on this system";
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    const int saved = ::dup(STDOUT_FILENO);
    std::fflush(stdout);
    ::dup2(ends[1], STDOUT_FILENO);
    ::close(ends[1]);
    DiskFileStore store;
    const std::error_condition error =
        ErrorOf([&] { WriteOutputFile("/proc/self/fd/1", "BEGIN:VCALENDAR\r\n", store); });
    const bool same = SameOutput("-", "/proc/self/fd/1");
    ::dup2(saved, STDOUT_FILENO);
    ::close(saved);

    EXPECT_FALSE(error) << error.message();
    EXPECT_TRUE(same);
    char buffer[64] = {};
    EXPECT_EQ(::read(ends[0], buffer, sizeof buffer), 17);
    EXPECT_STREQ(buffer, "BEGIN:VCALENDAR\r\n");
    ::close(ends[0]);
}

TEST(OutputFilePosixTest, SameOutputFollowsLinksAndHardLinks)
{
    const TempFolder folder;
    const fs::path file = folder.Path() / "year";
    WriteFileBytes(file, "x");
    fs::create_symlink(file, folder.Path() / "link");
    fs::create_hard_link(file, folder.Path() / "hard");
    fs::create_symlink("new", folder.Path() / "dangling");
    const auto in = [&](const char* name) { return folder.Path() / name; };
    struct Case {
        fs::path first;
        fs::path second;
        bool same;
    };
    const Case cases[] = {
        {in("year"), in("link"), true},
        {in("year"), in("hard"), true},
        {in("new"), in("dangling"), true}, // the file the link would make
        {"/dev/null", "/dev/null", false}, // a device takes both
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.first.string() + " " + c.second.string());
        EXPECT_EQ(SameOutput(c.first, c.second), c.same);
        EXPECT_EQ(SameOutput(c.second, c.first), c.same);
    }
}

} // namespace
} // namespace tenvik
