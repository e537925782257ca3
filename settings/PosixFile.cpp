#include "settings/PosixFile.h"

#include <cerrno>

#include <unistd.h>

namespace tenvik {

void FileDescriptor::Reset(int fd)
{
    Close();
    m_fd = fd;
}

bool FileDescriptor::Close()
{
    if (!Valid())
        return true;
    const bool closed = ::close(m_fd) == 0;
    m_fd = -1;
    return closed;
}

std::error_code LastSystemError()
{
    return {errno, std::generic_category()};
}

std::error_code WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t done = ::write(fd, bytes.data(), bytes.size());
        if (done < 0) {
            if (errno == EINTR)
                continue;
            return LastSystemError();
        }
        bytes.remove_prefix(static_cast<std::size_t>(done));
    }
    return {};
}

} // namespace tenvik
