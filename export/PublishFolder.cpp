#include "export/PublishFolder.h"

#include "settings/PathText.h"
#include "settings/PosixFile.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <optional>

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

// The number of a generation of name, or nothing for any other entry.
std::optional<unsigned long> GenerationNumber(const std::string& entry, const std::string& name)
{
    const std::string prefix = name + std::string(GenerationMark);
    if (!entry.starts_with(prefix) || entry.size() == prefix.size())
        return std::nullopt;
    unsigned long number = 0;
    const char* first = entry.data() + prefix.size();
    const char* last = entry.data() + entry.size();
    const auto [end, error] = std::from_chars(first, last, number);
    if (error != std::errc{} || end != last)
        return std::nullopt;
    return number;
}

void SyncFolder(const fs::path& folder)
{
    const FileDescriptor fd{::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (!fd.Valid() || ::fsync(fd.Get()) != 0)
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

PublishOutcome PublishFolder(const fs::path& given, const std::vector<PublishedFile>& files)
{
    // "feeds/" names the link "feeds" too.
    const fs::path folder = given.has_filename() ? given : given.parent_path();
    const std::string name = folder.filename().string();
    if (name.empty() || name == "." || name == "..")
        throw PublishError(PublishProblem::NotALink, given);
    const fs::path parent = folder.has_parent_path() ? folder.parent_path() : fs::path(".");

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

    // The next number after every generation there, finished or left by a failed run.
    std::vector<fs::path> generations;
    unsigned long next = 1;
    std::error_code error;
    for (fs::directory_iterator entry(parent, error), end; !error && entry != end; entry.increment(error)) {
        if (const auto number = GenerationNumber(entry->path().filename().string(), name)) {
            generations.push_back(entry->path());
            next = std::max(next, *number + 1);
        }
    }
    if (error)
        Fail(parent, error);

    const std::string generationName = name + std::string(GenerationMark) + std::to_string(next);
    const fs::path generation = parent / generationName;
    const fs::path newLink = parent / ("." + generationName + ".link");
    if (::mkdir(generation.c_str(), FolderMode) != 0)
        Fail(generation);
    PublishOutcome outcome{generation, 0};
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
        if (emptyFolder && ::rmdir(folder.c_str()) != 0)
            Fail(folder);
        if (::rename(newLink.c_str(), folder.c_str()) != 0)
            Fail(folder);
        SyncFolder(parent);
    } catch (...) {
        std::error_code ignored;
        fs::remove(newLink, ignored);
        fs::remove_all(generation, ignored);
        throw;
    }
    // A server may still be sending an old file it opened; it keeps the file until done.
    for (const fs::path& old : generations) {
        std::error_code ignored;
        fs::remove_all(old, ignored);
    }
    return outcome;
}

} // namespace tenvik
