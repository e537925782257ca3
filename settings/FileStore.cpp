#include "settings/FileStore.h"

#include "settings/FileLinks.h"
#include "settings/FileLock.h"
#include "settings/PathText.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <random>
#include <system_error>

#ifdef _WIN32
#include "settings/WindowsFile.h"
#else
#include "settings/PosixFile.h"
#endif

namespace fs = std::filesystem;

namespace tenvik {
namespace {

[[noreturn]] void ThrowError(std::error_code code, const std::string& what, const fs::path& path)
{
    throw std::system_error(code, what + " " + PathText(path));
}

// The file a write goes to. A link into a folder that is gone is reported as such: the
// folder is not made, as a Save never makes a folder it lost.
fs::path WriteTarget(const fs::path& path)
{
    const fs::path target = FollowLinks(path);
    if (target != path) {
        std::error_code ec;
        const fs::path folder = target.parent_path();
        if (!folder.empty() && !fs::is_directory(folder, ec))
            throw LinkTargetFolderMissing(folder.lexically_normal());
    }
    return target;
}

fs::path LockFileOf(const fs::path& target)
{
    fs::path lock = target;
    lock += ".lock";
    return lock;
}

// Temporary files are named "<target>.tmp-" and ten of these characters.
constexpr std::string_view TemporaryMarker = ".tmp-";
constexpr std::string_view TemporaryCharacters = "0123456789abcdefghijklmnopqrstuvwxyz";
constexpr std::size_t TemporaryRandomLength = 10;

// A name no other writer picks: the temporary file is made with "create new" only.
fs::path TemporaryNameBeside(const fs::path& target)
{
    static std::mt19937_64 generator{std::random_device{}()};
    std::string suffix{TemporaryMarker};
    for (std::size_t i = 0; i < TemporaryRandomLength; ++i)
        suffix += TemporaryCharacters[generator() % TemporaryCharacters.size()];
    fs::path name = target;
    name += suffix;
    return name;
}

bool IsTemporaryNameOf(const fs::path& candidate, const fs::path& target)
{
    fs::path prefix = target.filename();
    prefix += TemporaryMarker;
    const auto start = prefix.native();
    const auto name = candidate.filename().native();
    if (name.size() != start.size() + TemporaryRandomLength || name.compare(0, start.size(), start) != 0)
        return false;
    return std::all_of(name.begin() + static_cast<std::ptrdiff_t>(start.size()), name.end(),
                       [](auto c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z'); });
}

// A writer ended between creating its temporary file and renaming it (the program killed,
// the machine off) leaves that file behind. Another writer may be at work right now,
// though, and removing its file would make it fail; its file is at most seconds old, so
// unless the lock rules that out, only files left alone for an hour go. That is long
// enough for a slow network share or a server clock that runs ahead; a stale file merely
// waits for a later write. Failing to remove one never stops this write.
constexpr auto StaleAfter = std::chrono::hours{1};

enum class Leftovers { All, StaleOnly };

void RemoveLeftoverTemporaryFiles(const fs::path& target, Leftovers which)
{
    const fs::path folder = target.parent_path().empty() ? fs::path{"."} : target.parent_path();
    const fs::file_time_type staleBefore = fs::file_time_type::clock::now() - StaleAfter;
    std::error_code ec;
    fs::directory_iterator entries{folder, ec};
    for (; !ec && entries != fs::directory_iterator{}; entries.increment(ec)) {
        const fs::directory_entry& entry = *entries;
        std::error_code entryError;
        // Links and folders are nobody's temporary file, whatever their names say.
        if (!IsTemporaryNameOf(entry.path(), target) || !fs::is_regular_file(entry.symlink_status(entryError)))
            continue;
        if (which == Leftovers::StaleOnly) {
            const fs::file_time_type written = entry.last_write_time(entryError);
            if (entryError || written >= staleBefore)
                continue;
        }
        fs::remove(entry.path(), entryError);
    }
}

// The whole file in one allocation of the size it has, plus whatever it grew by since.
// `readSome` fills up to `size` bytes and gives their number, 0 at the end of the file.
template<typename ReadSome>
std::string ReadWhole(std::size_t size, const ReadSome& readSome)
{
    std::string bytes(size, '\0');
    std::size_t got = 0;
    for (std::size_t done = 1; got < bytes.size() && done > 0; got += done)
        done = readSome(bytes.data() + got, bytes.size() - got);
    bytes.resize(got);
    std::array<char, 1 << 16> chunk{};
    for (std::size_t done = 0; (done = readSome(chunk.data(), chunk.size())) > 0;)
        bytes.append(chunk.data(), done);
    return bytes;
}

constexpr int CreateAttempts = 100;

#ifdef _WIN32

std::error_code LastError()
{
    return {static_cast<int>(GetLastError()), std::system_category()};
}

// Opened with every sharing mode, so that a reader never stops another process from
// renaming a new file over this one.
std::optional<std::string> ReadFileBytes(const fs::path& path)
{
    Handle file = OpenSharedForReading(path);
    if (!file.Valid()) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
            return std::nullopt;
        ThrowError({static_cast<int>(error), std::system_category()}, "Cannot open", path);
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Get(), &size))
        ThrowError(LastError(), "Cannot read", path);
    return ReadWhole(static_cast<std::size_t>(size.QuadPart), [&](char* into, std::size_t most) {
        DWORD done = 0;
        if (!ReadFile(file.Get(), into, static_cast<DWORD>(std::min<std::size_t>(most, 1 << 20)), &done, nullptr))
            ThrowError(LastError(), "Cannot read", path);
        return static_cast<std::size_t>(done);
    });
}

void ReplaceFile(const fs::path& target, std::string_view bytes)
{
    // A read-only file stays unwritten, as the user asked of it.
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0)
        ThrowError(std::make_error_code(std::errc::permission_denied), "Read-only file", target);

    fs::path temporary;
    HANDLE created = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < CreateAttempts && created == INVALID_HANDLE_VALUE; ++attempt) {
        temporary = TemporaryNameBeside(target);
        created = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (created == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS)
            ThrowError(LastError(), "Cannot create a file beside", target);
    }
    if (created == INVALID_HANDLE_VALUE)
        ThrowError(std::make_error_code(std::errc::file_exists), "Cannot create a file beside", target);
    Handle file{created};

    const auto fail = [&](const char* what) {
        const std::error_code code = LastError();
        file.Close();
        DeleteFileW(temporary.c_str());
        ThrowError(code, what, target);
    };
    std::size_t written = 0;
    while (written < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - written, 1 << 20));
        DWORD done = 0;
        if (!WriteFile(file.Get(), bytes.data() + written, chunk, &done, nullptr))
            fail("Cannot write");
        written += done;
    }
    if (!FlushFileBuffers(file.Get()))
        fail("Cannot flush");
    if (!file.Close())
        fail("Cannot close");
    std::error_code renamed;
    RenameReplacing(temporary, target, renamed);
    if (renamed) {
        DeleteFileW(temporary.c_str());
        ThrowError(renamed, "Cannot replace", target);
    }
}

#else

// Removes the temporary file unless the rename has taken it over.
class TemporaryFile {
public:
    explicit TemporaryFile(fs::path path) : m_path(std::move(path)) {}
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile()
    {
        if (!m_path.empty())
            ::unlink(m_path.c_str());
    }
    const fs::path& Path() const { return m_path; }
    void Release() { m_path.clear(); }

private:
    fs::path m_path;
};

void WriteAllOrThrow(int fd, std::string_view bytes, const fs::path& target)
{
    if (const std::error_code error = WriteAll(fd, bytes))
        ThrowError(error, "Cannot write", target);
}

// The rename is only durable once the folder's entry is on the disk too.
void SyncFolder(const fs::path& folder, const fs::path& target)
{
    FileDescriptor dir{::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (!dir.Valid())
        ThrowError(LastSystemError(), "Cannot open the folder of", target);
    // Some file systems cannot sync a folder; the rename itself has happened.
    if (::fsync(dir.Get()) != 0 && errno != EINVAL && errno != ENOTSUP)
        ThrowError(LastSystemError(), "Cannot flush the folder of", target);
}

std::optional<std::string> ReadFileBytes(const fs::path& path)
{
    const FileDescriptor file{::open(path.c_str(), O_RDONLY | O_CLOEXEC)};
    if (!file.Valid()) {
        if (errno == ENOENT)
            return std::nullopt;
        ThrowError(LastSystemError(), "Cannot open", path);
    }
    struct stat info {};
    if (::fstat(file.Get(), &info) != 0)
        ThrowError(LastSystemError(), "Cannot read", path);
    return ReadWhole(static_cast<std::size_t>(info.st_size), [&](char* into, std::size_t most) {
        for (;;) {
            const ssize_t done = ::read(file.Get(), into, most);
            if (done >= 0)
                return static_cast<std::size_t>(done);
            if (errno != EINTR)
                ThrowError(LastSystemError(), "Cannot read", path);
        }
    });
}

void ReplaceFile(const fs::path& target, std::string_view bytes)
{
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    // A file the user made read-only stays as it is, although its folder would allow
    // the rename.
    if (exists && ::access(target.c_str(), W_OK) != 0)
        ThrowError(LastSystemError(), "Read-only file", target);

    FileDescriptor file;
    fs::path name;
    for (int attempt = 0; attempt < CreateAttempts && !file.Valid(); ++attempt) {
        name = TemporaryNameBeside(target);
        file.Reset(::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (!file.Valid() && errno != EEXIST)
            ThrowError(LastSystemError(), "Cannot create a file beside", target);
    }
    if (!file.Valid())
        ThrowError(std::make_error_code(std::errc::file_exists), "Cannot create a file beside", target);
    TemporaryFile temporary{name};

    if (exists) {
        // Keep the file's permissions and, where we may, its owner.
        if (::fchmod(file.Get(), old.st_mode & 07777) != 0)
            ThrowError(LastSystemError(), "Cannot set the permissions of", target);
        if (::fchown(file.Get(), old.st_uid, old.st_gid) != 0) {
            // Only a privileged writer may give the file away; anyone else keeps it.
        }
    }
    WriteAllOrThrow(file.Get(), bytes, target);
    if (::fsync(file.Get()) != 0)
        ThrowError(LastSystemError(), "Cannot flush", target);
    if (!file.Close())
        ThrowError(LastSystemError(), "Cannot close", target);
    if (::rename(temporary.Path().c_str(), target.c_str()) != 0)
        ThrowError(LastSystemError(), "Cannot replace", target);
    temporary.Release();
    SyncFolder(target.parent_path(), target);
}

#endif

} // namespace

void FileStore::Update(const fs::path& path, const Edit& edit)
{
    Replace(path, edit(Load(path)));
}

FileBusy::FileBusy(const fs::path& path)
    : std::system_error(std::make_error_code(std::errc::device_or_resource_busy),
                        "Locked by another writer: " + PathText(path))
{
}

LinkTargetFolderMissing::LinkTargetFolderMissing(fs::path folder)
    : std::system_error(std::make_error_code(std::errc::no_such_file_or_directory),
                        "The link points into a missing folder"),
      m_folder(std::move(folder))
{
}

std::optional<std::string> DiskFileStore::Load(const fs::path& path) const
{
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (status.type() == fs::file_type::not_found)
        return std::nullopt;
    if (ec)
        ThrowError(ec, "Cannot read", path);
    // A folder, a pipe or a device in the file's place would fail, block or never end.
    if (!fs::is_regular_file(status))
        ThrowError(std::make_error_code(std::errc::invalid_argument), "Not a plain file", path);
    return ReadFileBytes(path);
}

void DiskFileStore::Replace(const fs::path& path, std::string_view bytes)
{
    const fs::path target = WriteTarget(path);
    RemoveLeftoverTemporaryFiles(target, Leftovers::StaleOnly);
    ReplaceFile(target, bytes);
}

void DiskFileStore::Update(const fs::path& path, const Edit& edit)
{
    const fs::path target = WriteTarget(path);
    const FileLock lock{LockFileOf(target), m_lockWait};
    RemoveLeftoverTemporaryFiles(target, lock.Held() ? Leftovers::All : Leftovers::StaleOnly);
    ReplaceFile(target, edit(Load(target)));
}

} // namespace tenvik
