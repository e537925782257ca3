#include "settings/WindowsFile.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <new>
#include <vector>

namespace fs = std::filesystem;

namespace tenvik {
namespace {

std::error_code LastErrorCode()
{
    return {static_cast<int>(GetLastError()), std::system_category()};
}

// FileRenameInfoEx and its flags. MinGW's headers hide the class behind a version test that
// never holds, so it is named by its number.
constexpr auto FileRenameInfoExClass = static_cast<FILE_INFO_BY_HANDLE_CLASS>(22);
constexpr DWORD RenameReplaceIfExists = 0x1;
constexpr DWORD RenamePosixSemantics = 0x2;

bool RenameWithPosixSemantics(const fs::path& from, const fs::path& to)
{
    const Handle file{CreateFileW(from.c_str(), DELETE | SYNCHRONIZE,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr)};
    if (!file.Valid())
        return false;

    // With no folder handle the new name must be a full path.
    std::error_code ec;
    const std::wstring name = fs::absolute(to, ec).native();
    if (ec)
        return false;
    const std::size_t nameBytes = name.size() * sizeof(wchar_t);
    const std::size_t nameOffset = offsetof(FILE_RENAME_INFO, FileName);
    std::vector<std::byte> buffer(std::max(sizeof(FILE_RENAME_INFO), nameOffset + nameBytes + sizeof(wchar_t)));
    auto* info = new (buffer.data()) FILE_RENAME_INFO{};
    // The flags word shares its place with ReplaceIfExists, in a union that older headers
    // lack; it is the first member either way.
    const DWORD flags = RenameReplaceIfExists | RenamePosixSemantics;
    std::memcpy(buffer.data(), &flags, sizeof flags);
    info->RootDirectory = nullptr;
    info->FileNameLength = static_cast<DWORD>(nameBytes);
    std::memcpy(buffer.data() + nameOffset, name.c_str(), nameBytes + sizeof(wchar_t));
    return SetFileInformationByHandle(file.Get(), FileRenameInfoExClass, info, static_cast<DWORD>(buffer.size())) != 0;
}

std::error_code RenameOnce(const fs::path& from, const fs::path& to)
{
    // Older systems, FAT and network shares refuse the POSIX rename in ways that differ
    // from one to the next; whatever the reason, MoveFileExW then has its say.
    if (RenameWithPosixSemantics(from, to))
        return {};
    if (!MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return LastErrorCode();
    return {};
}

bool IsPassingHold(const std::error_code& ec)
{
    if (ec.category() != std::system_category())
        return false;
    const auto error = static_cast<DWORD>(ec.value());
    return error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED || error == ERROR_LOCK_VIOLATION;
}

} // namespace

Handle OpenSharedForReading(const fs::path& path)
{
    return Handle{CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr)};
}

void RenameReplacing(const fs::path& from, const fs::path& to, std::error_code& ec)
{
    // A virus scanner, a search indexer or a backup tool opens a file that was just written
    // or is about to be replaced, and holds it for a moment without sharing deletion; the
    // rename fails meanwhile with a sharing violation or a denied access. Such a hold ends
    // by itself, so the rename is tried again for about a second before it counts.
    constexpr std::array<DWORD, 7> pausesMs{10, 20, 40, 80, 160, 320, 370};
    for (std::size_t attempt = 0;; ++attempt) {
        ec = RenameOnce(from, to);
        if (!ec || attempt == pausesMs.size() || !IsPassingHold(ec))
            return;
        Sleep(pausesMs[attempt]);
    }
}

} // namespace tenvik
