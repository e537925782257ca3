#include "settings/SettingsFolder.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <shlobj.h>
#include <windows.h>
#else
#include <pwd.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace tenvik {
namespace {

fs::path NestedFolder(const fs::path& base)
{
    return base / "Quorvell" / "Tenvik";
}

fs::path SingleFolder(const fs::path& base)
{
    return base / "Tenvik";
}

// An existing folder, or one made now with every missing level.
bool UsableFolder(const fs::path& folder)
{
    std::error_code ec;
    if (fs::is_directory(folder, ec))
        return true;
    fs::create_directories(folder, ec);
    return !ec && fs::is_directory(folder, ec);
}

// With no home at all there is no user folder to keep settings in; the temporary folder
// at least lets the calendar start and save for the session.
fs::path LastResortBase()
{
    std::error_code ec;
    fs::path temp = fs::temp_directory_path(ec);
    if (ec || temp.empty()) {
#ifdef _WIN32
        temp = "C:\\Windows\\Temp";
#else
        temp = "/tmp";
#endif
    }
    return temp;
}

#ifdef _WIN32
std::string Utf8FromWide(std::wstring_view wide)
{
    if (wide.empty())
        return {};
    const int wideLength = static_cast<int>(wide.size());
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(std::max(length, 0)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, utf8.data(), length, nullptr, nullptr);
    return utf8;
}

// Windows paths are wide; a narrow one would be read in the ANSI code page, which cannot
// hold every user name ("Zoë Müller" is fine in Western Europe, not in Greece).
fs::path PathFromEnvironmentText(const std::string& utf8)
{
    return fs::path{std::u8string(utf8.begin(), utf8.end())};
}
#else
fs::path PathFromEnvironmentText(const std::string& bytes)
{
    return fs::path{bytes};
}
#endif

// A relative path in these variables would make the settings depend on the working
// folder; the XDG rules say to ignore such a value, and Windows has no use for one either.
std::optional<fs::path> AbsoluteFromEnvironment(const EnvironmentReader& env, const char* name)
{
    const auto value = env(name);
    if (!value || value->empty())
        return std::nullopt;
    fs::path path = PathFromEnvironmentText(*value);
    if (!path.is_absolute())
        return std::nullopt;
    return path;
}

#ifndef _WIN32
std::optional<fs::path> PasswordHome()
{
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
    passwd entry{};
    passwd* result = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &result) != 0 || result == nullptr)
        return std::nullopt;
    if (result->pw_dir == nullptr || result->pw_dir[0] == '\0')
        return std::nullopt;
    return fs::path{result->pw_dir};
}
#endif

} // namespace

std::optional<std::string> ProcessEnvironment(const char* name)
{
#ifdef _WIN32
    // The narrow getenv would give the text in the ANSI code page, not in UTF-8.
    const std::wstring wideName(name, name + std::char_traits<char>::length(name)); // names are ASCII
    std::wstring value;
    // Too small a buffer gets the size needed, terminator included; then try again.
    DWORD result = GetEnvironmentVariableW(wideName.c_str(), nullptr, 0);
    while (result > value.size()) {
        value.resize(result);
        result = GetEnvironmentVariableW(wideName.c_str(), value.data(), static_cast<DWORD>(value.size()));
    }
    value.resize(result);
    if (value.empty())
        return std::nullopt;
    return Utf8FromWide(value);
#else
    const char* value = std::getenv(name);
    if (value == nullptr || value[0] == '\0')
        return std::nullopt;
    return std::string{value};
#endif
}

std::optional<fs::path> ShellRoamingFolder()
{
#ifdef _WIN32
    wchar_t folder[MAX_PATH] = {};
    if (SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder)) && folder[0] != L'\0')
        return fs::path{folder};
#endif
    return std::nullopt;
}

fs::path RoamingConfigBase(const EnvironmentReader& env, const ShellFolderReader& shell)
{
#ifdef _WIN32
    if (auto folder = shell(); folder && folder->is_absolute())
        return *folder;
    // No profile loaded (a service, a broken roaming profile): the variables the logon set
    // up still say where the user's files belong.
    if (auto appData = AbsoluteFromEnvironment(env, "APPDATA"))
        return *appData;
    if (auto profile = AbsoluteFromEnvironment(env, "USERPROFILE"))
        return *profile / "AppData" / "Roaming";
    return LastResortBase();
#else
    (void)shell;
    if (auto config = AbsoluteFromEnvironment(env, "XDG_CONFIG_HOME"))
        return *config;
    if (auto home = AbsoluteFromEnvironment(env, "HOME"))
        return *home / ".config";
    if (auto home = PasswordHome())
        return *home / ".config";
    return LastResortBase();
#endif
}

fs::path FindSettingsPath(const fs::path& base)
{
    fs::path folder = base;
    if (const fs::path nested = NestedFolder(base); UsableFolder(nested))
        folder = nested;
    else if (const fs::path single = SingleFolder(base); UsableFolder(single))
        folder = single;
    return folder / SettingsFileName;
}

// The window makes the nested folder at every start when it can, so a missing one means
// it could not, and the window kept its settings in the next folder that was there.
fs::path LocateSettingsPath(const fs::path& base)
{
    std::error_code ec;
    for (const fs::path& folder : {NestedFolder(base), SingleFolder(base), base}) {
        if (fs::is_directory(folder, ec))
            return folder / SettingsFileName;
    }
    return NestedFolder(base) / SettingsFileName;
}

} // namespace tenvik
