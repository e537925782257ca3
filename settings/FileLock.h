#pragma once

#include <chrono>
#include <filesystem>

// An exclusive advisory lock on a file of its own (flock on POSIX, LockFileEx on Windows),
// held as long as the object lives. The lock file is made when it is missing and never
// removed.
namespace tenvik {

class FileLock {
public:
    // Waits up to `wait` for the lock and throws FileBusy when another holder keeps it
    // longer, std::system_error when the lock file cannot be opened. On a file system
    // that has no locks the object holds nothing and says so.
    FileLock(const std::filesystem::path& lockFile, std::chrono::milliseconds wait);
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    ~FileLock();

    bool Held() const { return m_held; }

private:
#ifdef _WIN32
    void* m_handle = nullptr;
#else
    int m_fd = -1;
#endif
    bool m_held = false;
};

} // namespace tenvik
