#include "settings/SettingsFolder.h"

#include <cstdlib>
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

#ifndef _WIN32
// A relative path in these variables would make the settings depend on the working
// folder; the XDG rules say to ignore such a value.
std::optional<fs::path> AbsoluteFromEnvironment(const EnvironmentReader& env, const char* name)
{
    const auto value = env(name);
    if (!value || value->empty())
        return std::nullopt;
    fs::path path{*value};
    if (!path.is_absolute())
        return std::nullopt;
    return path;
}

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
    const char* value = std::getenv(name);
    if (value == nullptr || value[0] == '\0')
        return std::nullopt;
    return std::string{value};
}

fs::path RoamingConfigBase(const EnvironmentReader& env)
{
#ifdef _WIN32
    (void)env;
    wchar_t folder[MAX_PATH] = {};
    if (SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder)) && folder[0] != L'\0')
        return fs::path{folder};
    return LastResortBase();
#else
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
    if (const fs::path nested = base / "Quorvell" / "Tenvik"; UsableFolder(nested))
        folder = nested;
    else if (const fs::path single = base / "Tenvik"; UsableFolder(single))
        folder = single;
    return folder / SettingsFileName;
}

} // namespace tenvik
