#include "export/PublishFolder.h"

#include "settings/PathText.h"
#include "settings/PosixFile.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <optional>
#include <string_view>
#include <thread>

#include <sys/file.h>

namespace fs = std::filesystem;

namespace tenvik {
namespace {

// Published files are for everyone to read, whatever the publisher's umask.
constexpr mode_t FileMode = 0644;
constexpr mode_t FolderMode = 0755;

[[noreturn]] void Fail(const fs::path& path, std::error_code code = LastSystemError())
{
    throw PublishError(PublishProblem::System, path, code);
}

// The number in entry after name's generation mark, when the rest of entry is suffix;
// nothing for any other entry.
std::optional<unsigned long> NumberAfterMark(std::string_view entry, const std::string& prefix, std::string_view suffix)
{
    if (!entry.starts_with(prefix) || !entry.ends_with(suffix) || entry.size() == prefix.size() + suffix.size())
        return std::nullopt;
    unsigned long number = 0;
    const char* first = entry.data() + prefix.size();
    const char* last = entry.data() + entry.size() - suffix.size();
    const auto [end, error] = std::from_chars(first, last, number);
    if (error != std::errc{} || end != last)
        return std::nullopt;
    return number;
}

// The number of a generation of name ("feeds.tenvik-7"), or nothing for any other entry.
std::optional<unsigned long> GenerationNumber(std::string_view entry, const std::string& name)
{
    return NumberAfterMark(entry, name + std::string(GenerationMark), {});
}

// Whether entry is named as the new link to a generation of name (".feeds.tenvik-7.link").
bool IsNewLinkName(std::string_view entry, const std::string& name)
{
    return NumberAfterMark(entry, "." + name + std::string(GenerationMark), ".link").has_value();
}

std::string NewLinkName(const std::string& generationName)
{
    return "." + generationName + ".link";
}

// "feeds/" names the link "feeds" too.
fs::path LinkPath(const fs::path& given)
{
    return given.has_filename() ? given : given.parent_path();
}

fs::path ParentOf(const fs::path& folder)
{
    return folder.has_parent_path() ? folder.parent_path() : fs::path(".");
}

// Two publishes beside each other (the weekly timer and one run by hand) take turns
// through a lock on the folder that holds them; else each would remove the other's
// generation in progress as what a crash left. The lock goes with the process, however
// it ends, and leaves no file behind.
void TakeTurn(const FileDescriptor& fd, const fs::path& parent, std::chrono::milliseconds wait)
{
    if (!fd.Valid())
        Fail(parent);
    const auto deadline = std::chrono::steady_clock::now() + wait;
    while (::flock(fd.Get(), LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR)
            continue;
        if (errno != EWOULDBLOCK)
            Fail(parent);
        if (std::chrono::steady_clock::now() >= deadline)
            throw PublishError(PublishProblem::Busy, parent);
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

bool Synced(const fs::path& folder)
{
    const FileDescriptor fd{::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    return fd.Valid() && ::fsync(fd.Get()) == 0;
}

void SyncFolder(const fs::path& folder)
{
    if (!Synced(folder))
        Fail(folder);
}

// The bytes and modification time of the file of the last generation, if it has one.
struct OldFile {
    std::string bytes;
    struct timespec modified {};
};

std::optional<OldFile> ReadOld(const fs::path& path)
{
    const FileDescriptor fd{::open(path.c_str(), O_RDONLY | O_CLOEXEC)};
    struct stat status {};
    if (!fd.Valid() || ::fstat(fd.Get(), &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    OldFile old;
    old.modified = status.st_mtim;
    old.bytes.resize(static_cast<std::size_t>(status.st_size));
    std::size_t done = 0;
    while (done < old.bytes.size()) {
        const ssize_t got = ::read(fd.Get(), old.bytes.data() + done, old.bytes.size() - done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return std::nullopt;
        done += static_cast<std::size_t>(got);
    }
    return old;
}

// Writes one file of the new generation; true when it differs from the last one's.
bool WriteFile(const fs::path& path, const PublishedFile& file, const std::optional<fs::path>& current)
{
    const std::optional<OldFile> old = current ? ReadOld(*current / file.name) : std::nullopt;
    FileDescriptor fd{::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, FileMode)};
    if (!fd.Valid())
        Fail(path);
    if (const std::error_code error = WriteAll(fd.Get(), file.bytes))
        Fail(path, error);
    if (::fchmod(fd.Get(), FileMode) != 0)
        Fail(path);
    const bool same = old && old->bytes == file.bytes;
    if (same) {
        const struct timespec times[2] = {{0, UTIME_OMIT}, old->modified};
        if (::futimens(fd.Get(), times) != 0)
            Fail(path);
    }
    if (::fsync(fd.Get()) != 0 || !fd.Close())
        Fail(path);
    return !same;
}

} // namespace

PublishError::PublishError(PublishProblem what, fs::path where, std::error_code why)
    : std::runtime_error(PathText(where) + (why ? ": " + why.message() : std::string())), problem(what),
      path(std::move(where)), code(why)
{
}

PublishOutcome PublishFolder(const fs::path& given, const std::vector<PublishedFile>& files,
                             std::chrono::milliseconds wait)
{
    const fs::path folder = LinkPath(given);
    const std::string name = folder.filename().string();
    if (name.empty() || name == "." || name == "..")
        throw PublishError(PublishProblem::NotALink, given);
    const fs::path parent = ParentOf(folder);
    const FileDescriptor turn{::open(parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    TakeTurn(turn, parent, wait);

    struct stat link {};
    std::optional<fs::path> current;
    bool emptyFolder = false;
    if (::lstat(folder.c_str(), &link) == 0) {
        if (S_ISLNK(link.st_mode)) {
            std::error_code error;
            const fs::path target = fs::read_symlink(folder, error);
            if (error)
                Fail(folder, error);
            current = target.is_absolute() ? target : parent / target;
        } else if (S_ISDIR(link.st_mode) && fs::is_empty(folder)) {
            emptyFolder = true;
        } else {
            throw PublishError(PublishProblem::NotALink, folder);
        }
    } else if (errno != ENOENT) {
        Fail(folder);
    }

    // The next number after every generation there. The one the link points at goes once
    // the link points at the new one; any other generation, and any new link, is what a
    // crashed or failed publish left, which nothing serves.
    std::optional<fs::path> served;
    std::vector<fs::path> leftovers;
    unsigned long next = 1;
    std::error_code error;
    for (fs::directory_iterator entry(parent, error), end; !error && entry != end; entry.increment(error)) {
        const std::string entryName = entry->path().filename().string();
        std::error_code gone; // the entry went meanwhile
        if (const auto number = GenerationNumber(entryName, name)) {
            next = std::max(next, *number + 1);
            if (current
                && (entry->path().lexically_normal() == current->lexically_normal()
                    || fs::equivalent(entry->path(), *current, gone)))
                served = entry->path();
            else
                leftovers.push_back(entry->path());
        } else if (IsNewLinkName(entryName, name) && entry->is_symlink(gone)) {
            // Only a link: a folder or file of that name is none of this publisher's.
            leftovers.push_back(entry->path());
        }
    }
    if (error)
        Fail(parent, error);
    for (const fs::path& leftover : leftovers) {
        std::error_code ignored;
        fs::remove_all(leftover, ignored);
    }

    const std::string generationName = name + std::string(GenerationMark) + std::to_string(next);
    const fs::path generation = parent / generationName;
    const fs::path newLink = parent / NewLinkName(generationName);
    if (::mkdir(generation.c_str(), FolderMode) != 0)
        Fail(generation);
    PublishOutcome outcome{generation, 0};
    bool linked = false;
    try {
        if (::chmod(generation.c_str(), FolderMode) != 0)
            Fail(generation);
        for (const PublishedFile& file : files) {
            if (WriteFile(generation / file.name, file, current))
                ++outcome.changed;
        }
        SyncFolder(generation);
        // The link is relative, so the pair can move together.
        if (::symlink(generationName.c_str(), newLink.c_str()) != 0)
            Fail(newLink);
        linked = true;
        if (emptyFolder && ::rmdir(folder.c_str()) != 0)
            Fail(folder);
        if (::rename(newLink.c_str(), folder.c_str()) != 0)
            Fail(folder);
    } catch (...) {
        std::error_code ignored;
        if (linked)
            fs::remove(newLink, ignored);
        fs::remove_all(generation, ignored);
        throw;
    }
    // The new generation is served from here on. Until the switch is on disk, a power cut
    // may bring the old link back, so its generation stays until a later publish.
    // A server may still be sending an old file it opened; it keeps the file until done.
    if (served && Synced(parent)) {
        std::error_code ignored;
        fs::remove_all(*served, ignored);
    }
    return outcome;
}

std::optional<fs::path> PublishedGeneration(const fs::path& given)
{
    const fs::path folder = LinkPath(given);
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(folder, error)))
        return std::nullopt;
    const fs::path target = fs::read_symlink(folder, error);
    if (error)
        return std::nullopt;
    const fs::path generation = target.is_absolute() ? target : ParentOf(folder) / target;
    if (!fs::is_directory(fs::status(generation, error)))
        return std::nullopt;
    return generation;
}

} // namespace tenvik
