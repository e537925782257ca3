#include "export/OutputFile.h"

#include "settings/FileLinks.h"
#include "settings/PathText.h"

#include <cerrno>
#include <cstdio>
#include <system_error>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include "settings/PosixFile.h"
#endif

namespace fs = std::filesystem;

namespace tenvik {
namespace {

[[noreturn]] void Throw(std::error_code code, const fs::path& path)
{
    throw std::system_error(code, PathText(path));
}

std::error_code LastErrno()
{
    return {errno, std::generic_category()};
}

bool IsDevice(const fs::file_status& status)
{
    return fs::is_character_file(status) || fs::is_block_file(status);
}

#ifdef _WIN32

void WriteInPlace(const fs::path& target, std::string_view bytes, FileStore&)
{
    // "wb" truncates, which a device ignores.
    std::FILE* file = ::_wfopen(target.c_str(), L"wb");
    if (file == nullptr)
        Throw(LastErrno(), target);
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && std::fflush(file) == 0;
    const std::error_code code = LastErrno();
    if (std::fclose(file) != 0 && written)
        Throw(LastErrno(), target);
    if (!written)
        Throw(code, target);
}

#else

void WriteAllOrThrow(int fd, std::string_view bytes, const fs::path& target)
{
    if (const std::error_code error = WriteAll(fd, bytes))
        Throw(error, target);
}

// A pipe blocks here until something reads it, as with `cat > fifo`.
void WriteInPlace(const fs::path& target, std::string_view bytes, FileStore& store)
{
    FileDescriptor file{::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY)};
    if (file.Get() < 0)
        Throw(LastErrno(), target);
    // Opened without truncating, so a plain file put there since the look would be
    // written over only in part: it gets the atomic replacement instead.
    struct stat opened {};
    if (::fstat(file.Get(), &opened) == 0 && S_ISREG(opened.st_mode)) {
        file.Close();
        store.Replace(FollowLinks(target), bytes);
        return;
    }
    WriteAllOrThrow(file.Get(), bytes, target);
    if (!file.Close())
        Throw(LastErrno(), target);
}

#endif

fs::path FollowedOrAsGiven(const fs::path& path)
{
    try {
        return FollowLinks(path);
    } catch (const std::system_error&) {
        return path; // the write itself will say what is wrong with it
    }
}

// Two names of one file: the same file as the system finds it, or, while neither exists,
// the same place once the links are followed.
bool SameFile(const fs::path& first, const fs::path& second)
{
    std::error_code ec;
    const fs::file_status firstStatus = fs::status(first, ec);
    const fs::file_status secondStatus = fs::status(second, ec);
    if (fs::exists(firstStatus) || fs::exists(secondStatus)) {
        if (IsDevice(firstStatus))
            return false;
        const bool same = fs::exists(firstStatus) && fs::exists(secondStatus) && fs::equivalent(first, second, ec);
        return same && !ec;
    }
    const auto place = [](const fs::path& path) {
        std::error_code error;
        const fs::path absolute = fs::absolute(FollowedOrAsGiven(path), error);
        const fs::path canonical = fs::weakly_canonical(absolute, error);
        return error ? absolute.lexically_normal() : canonical;
    };
    return place(first) == place(second);
}

bool StandardOutputIs(const fs::path& path)
{
#ifdef _WIN32
    (void)path;
    return false;
#else
    struct stat output {};
    struct stat file {};
    if (::fstat(STDOUT_FILENO, &output) != 0 || ::stat(path.c_str(), &file) != 0)
        return false;
    if (S_ISCHR(output.st_mode) || S_ISBLK(output.st_mode))
        return false;
    return output.st_dev == file.st_dev && output.st_ino == file.st_ino;
#endif
}

} // namespace

void WriteOutputFile(const fs::path& path, std::string_view bytes, FileStore& store)
{
    // "out/" names a folder even when there is none yet.
    if (path.filename().empty())
        Throw(std::make_error_code(std::errc::is_a_directory), path);
    // The system follows the links here, including those it makes up itself, such as
    // /dev/stdout, whose target is no path at all when it is a pipe.
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (fs::is_directory(status))
        Throw(std::make_error_code(std::errc::is_a_directory), path);
    if (fs::exists(status) && !fs::is_regular_file(status)) {
        WriteInPlace(path, bytes, store);
        return;
    }
    if (ec && status.type() != fs::file_type::not_found)
        Throw(ec, path);
    // A plain file, or none yet: replaced where the links lead, so that they stay links.
    store.Replace(FollowLinks(path), bytes);
}

void WriteStandardOutput(std::string_view bytes)
{
    const fs::path name{StandardOutputName};
#ifdef _WIN32
    // Text mode would turn the calendar's CRLF into CR CR LF and damage the PDF.
    ::_setmode(::_fileno(stdout), _O_BINARY);
    if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() || std::fflush(stdout) != 0)
        Throw(LastErrno(), name);
#else
    std::fflush(stdout);
    WriteAllOrThrow(STDOUT_FILENO, bytes, name);
#endif
}

bool IsStandardOutput(const fs::path& name)
{
    return name == fs::path(StandardOutputName);
}

bool SameOutput(const fs::path& first, const fs::path& second)
{
    const bool firstIsOutput = IsStandardOutput(first);
    const bool secondIsOutput = IsStandardOutput(second);
    if (firstIsOutput && secondIsOutput)
        return true;
    if (firstIsOutput)
        return StandardOutputIs(second);
    if (secondIsOutput)
        return StandardOutputIs(first);
    return SameFile(first, second);
}

} // namespace tenvik
