#include "settings/SystemErrorText.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <memory>
#endif

namespace tenvik {

#ifdef _WIN32

namespace {

std::string Utf8Of(const wchar_t* text, int length)
{
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(bytes > 0 ? bytes : 0), '\0');
    if (bytes > 0)
        WideCharToMultiByte(CP_UTF8, 0, text, length, utf8.data(), bytes, nullptr, nullptr);
    return utf8;
}

struct LocalFreer {
    void operator()(wchar_t* text) const { LocalFree(text); }
};

} // namespace

std::string SystemErrorText(const std::error_code& ec)
{
    if (ec.category() != std::system_category())
        return ec.message();
    wchar_t* buffer = nullptr;
    // Language 0: the user's language, then the system's, then English.
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, static_cast<DWORD>(ec.value()), 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    const std::unique_ptr<wchar_t, LocalFreer> owned{buffer};
    if (length == 0)
        return ec.message();
    // The system's messages end in a full stop and a line break; ours put them in a sentence.
    DWORD end = length;
    while (
        end > 0
        && (buffer[end - 1] == L'\r' || buffer[end - 1] == L'\n' || buffer[end - 1] == L' ' || buffer[end - 1] == L'.'))
        --end;
    return Utf8Of(buffer, static_cast<int>(end));
}

#else

std::string SystemErrorText(const std::error_code& ec)
{
    return ec.message();
}

#endif

} // namespace tenvik
