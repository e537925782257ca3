#pragma once

// The system calls of the file writers on POSIX systems (open, fstat, fsync, rename …).
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string_view>
#include <system_error>

// The descriptor and write loop that the settings file's Save and the export writer share
// on POSIX systems. Each caller words its own errors.
namespace tenvik {

// Owns a file descriptor and closes it when it goes; -1 is none.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd = -1) : m_fd(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() { Close(); }

    int Get() const { return m_fd; }
    bool Valid() const { return m_fd >= 0; }
    void Reset(int fd);
    // False, with errno set, when the system reports a failure; closing none succeeds.
    bool Close();

private:
    int m_fd;
};

// errno as an error code.
std::error_code LastSystemError();

// Writes every byte, going on after a short write or a signal; the error of the write
// that failed, else none.
std::error_code WriteAll(int fd, std::string_view bytes);

} // namespace tenvik
