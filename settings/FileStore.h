#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

// Where the settings file's bytes come from and go to. The disk store replaces a file
// atomically; tests hand the INI service a store that fails on purpose.
namespace tenvik {

class FileStore {
public:
    virtual ~FileStore() = default;
    // The whole file, or nothing when it is missing. Throws std::system_error when it is
    // there but cannot be read, so that a write never mistakes it for a missing file.
    virtual std::optional<std::string> Load(const std::filesystem::path& path) const = 0;
    // Replaces the whole file. Throws std::system_error when it cannot; the old file is
    // then still there, whole.
    virtual void Replace(const std::filesystem::path& path, std::string_view bytes) = 0;

    // What an update makes of the file's present bytes (nothing when it is missing).
    using Edit = std::function<std::string(std::optional<std::string> bytes)>;
    // Loads the file and replaces it with what `edit` makes of it, throwing as Load and
    // Replace do. The default is Load, then Replace; the disk store keeps every other
    // update of the same file, in any process, out from the load to the replacement.
    virtual void Update(const std::filesystem::path& path, const Edit& edit);
};

// Another process kept the file locked for longer than an update waits.
class FileBusy : public std::system_error {
public:
    explicit FileBusy(const std::filesystem::path& path);
};

// The file is a link into a folder that is not there, so its target cannot be made.
class LinkTargetFolderMissing : public std::system_error {
public:
    explicit LinkTargetFolderMissing(std::filesystem::path folder);
    const std::filesystem::path& Folder() const { return m_folder; }

private:
    std::filesystem::path m_folder;
};

// Writes a temporary file beside the target, flushes it to the disk and renames it over
// the target, so a crash or a full disk never leaves a half-written file. A link keeps
// its place: the file it points to is the one written, and made when it is not there yet.
//
// Update also holds a lock on "<file>.lock" beside the file, from the load to the rename,
// so that two processes updating the same file come one after the other; it waits up to
// `lockWait` for another to finish, then throws FileBusy. The kernel lets the lock go
// when its process ends, however it ends. The lock file stays: a new one made after a
// removal would let two processes hold "the" lock at once.
//
// Temporary files of the same target that a killed writer left behind are removed first:
// under the lock all of them, as no other update can be under way; elsewhere only those an
// hour old or more, as a fresh one may belong to a writer at work.
class DiskFileStore final : public FileStore {
public:
    static constexpr std::chrono::milliseconds DefaultLockWait{2000};
    explicit DiskFileStore(std::chrono::milliseconds lockWait = DefaultLockWait) : m_lockWait(lockWait) {}

    std::optional<std::string> Load(const std::filesystem::path& path) const override;
    void Replace(const std::filesystem::path& path, std::string_view bytes) override;
    void Update(const std::filesystem::path& path, const Edit& edit) override;

private:
    std::chrono::milliseconds m_lockWait;
};

} // namespace tenvik
