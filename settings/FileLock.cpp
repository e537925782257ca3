#include "settings/FileLock.h"

#include "settings/FileStore.h"
#include "settings/PathText.h"

#include <algorithm>
#include <cerrno>
#include <system_error>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <thread>
#endif

namespace tenvik {
namespace {

using Clock = std::chrono::steady_clock;

// Short enough that a Save waiting behind another one takes hardly longer than the two.
constexpr std::chrono::milliseconds RetryEvery{5};

void PauseFor(std::chrono::milliseconds pause)
{
#ifdef _WIN32
    Sleep(static_cast<DWORD>(pause.count()));
#else
    std::this_thread::sleep_for(pause);
#endif
}

// Tries until the deadline; `tryLock` says whether it got the lock, or throws.
template<typename TryLock>
void WaitFor(const TryLock& tryLock, const std::filesystem::path& lockFile, std::chrono::milliseconds wait)
{
    const Clock::time_point deadline = Clock::now() + wait;
    while (!tryLock()) {
        const Clock::time_point now = Clock::now();
        if (now >= deadline)
            throw FileBusy(lockFile);
        PauseFor(std::min(RetryEvery, std::chrono::ceil<std::chrono::milliseconds>(deadline - now)));
    }
}

} // namespace

#ifdef _WIN32

FileLock::FileLock(const std::filesystem::path& lockFile, std::chrono::milliseconds wait)
{
    const HANDLE handle = CreateFileW(lockFile.c_str(), GENERIC_READ | GENERIC_WRITE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        throw std::system_error(static_cast<int>(GetLastError()), std::system_category(),
                                "Cannot open the lock file " + PathText(lockFile));
    bool unsupported = false;
    try {
        WaitFor(
            [&] {
                OVERLAPPED whole{};
                if (LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &whole))
                    return true;
                const DWORD error = GetLastError();
                if (error == ERROR_LOCK_VIOLATION)
                    return false;
                if (error == ERROR_NOT_SUPPORTED || error == ERROR_INVALID_FUNCTION) {
                    unsupported = true;
                    return true;
                }
                throw std::system_error(static_cast<int>(error), std::system_category(),
                                        "Cannot lock " + PathText(lockFile));
            },
            lockFile, wait);
    } catch (...) {
        CloseHandle(handle);
        throw;
    }
    m_handle = handle;
    m_held = !unsupported;
}

FileLock::~FileLock()
{
    // Closing the handle lets the lock go.
    if (m_handle)
        CloseHandle(static_cast<HANDLE>(m_handle));
}

#else

FileLock::FileLock(const std::filesystem::path& lockFile, std::chrono::milliseconds wait)
{
    // Read access is all a lock needs, so a lock file another user made still serves.
    m_fd = ::open(lockFile.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (m_fd < 0)
        throw std::system_error(errno, std::generic_category(), "Cannot open the lock file " + PathText(lockFile));
    bool unsupported = false;
    try {
        WaitFor(
            [&] {
                while (::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
                    if (errno == EINTR)
                        continue;
                    if (errno == EWOULDBLOCK)
                        return false;
                    if (errno == ENOLCK || errno == EOPNOTSUPP || errno == ENOSYS || errno == EINVAL) {
                        unsupported = true;
                        return true;
                    }
                    throw std::system_error(errno, std::generic_category(), "Cannot lock " + PathText(lockFile));
                }
                return true;
            },
            lockFile, wait);
    } catch (...) {
        ::close(m_fd);
        throw;
    }
    m_held = !unsupported;
}

FileLock::~FileLock()
{
    // Closing the descriptor lets the lock go.
    if (m_fd >= 0)
        ::close(m_fd);
}

#endif

} // namespace tenvik
