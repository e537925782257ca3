#pragma once

// Windows file calls the settings file needs beyond the standard library: a handle that
// closes itself, an open for reading that leaves the file free to be replaced meanwhile,
// and a rename over a file that someone still has open. Built on Windows only.
#ifdef _WIN32

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <filesystem>
#include <string>
#include <system_error>

namespace tenvik {

class Handle {
public:
    explicit Handle(HANDLE handle = INVALID_HANDLE_VALUE) : m_handle(handle) {}
    Handle(Handle&& other) noexcept : m_handle(other.m_handle) { other.m_handle = INVALID_HANDLE_VALUE; }
    Handle& operator=(Handle&& other) noexcept
    {
        if (this != &other) {
            Close();
            m_handle = other.m_handle;
            other.m_handle = INVALID_HANDLE_VALUE;
        }
        return *this;
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle() { Close(); }

    HANDLE Get() const { return m_handle; }
    bool Valid() const { return m_handle != INVALID_HANDLE_VALUE; }
    bool Close()
    {
        if (!Valid())
            return true;
        const bool closed = CloseHandle(m_handle) != 0;
        m_handle = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE m_handle;
};

// Opens an existing file for reading and lets every other opener read, write, rename and
// delete it meanwhile: another copy of the program must be able to save while this one
// reads. Not Valid() on failure, with GetLastError() telling why.
Handle OpenSharedForReading(const std::filesystem::path& path);

// Renames `from` over `to`, replacing it. Where the system and the file system can (Windows
// 10 1809 and later, NTFS), the new name takes effect the POSIX way: someone reading the old
// file through a handle that shares deletion keeps reading it and does not stop the rename.
// Elsewhere, MoveFileExW, which refuses while anyone has `to` open. A sharing violation or
// a denied access is tried again for about a second before it is reported: the hold of a
// virus scanner or a backup tool passes by itself.
void RenameReplacing(const std::filesystem::path& from, const std::filesystem::path& to, std::error_code& ec);

} // namespace tenvik

#endif
