#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

// Where the settings file lives: "Quorvell/Tenvik/Tenvik.ini" under the user's roaming
// configuration folder, with fallbacks to "Tenvik" and to the base folder itself.
namespace tenvik {

inline constexpr const char* SettingsFileName = "Tenvik.ini";

// Reads an environment variable as UTF-8; empty or unset gives nothing. Tests pass their own.
using EnvironmentReader = std::function<std::optional<std::string>(const char* name)>;
std::optional<std::string> ProcessEnvironment(const char* name);

// The user's roaming application-data folder as the Windows shell reports it; nothing when
// it reports none, and always nothing elsewhere. Tests pass their own.
using ShellFolderReader = std::function<std::optional<std::filesystem::path>()>;
std::optional<std::filesystem::path> ShellRoamingFolder();

// Linux: $XDG_CONFIG_HOME, else ~/.config. Windows: the shell's roaming AppData folder, else
// %APPDATA%, else %USERPROFILE%\AppData\Roaming. A relative path is passed over; with
// nothing left, the temporary folder.
std::filesystem::path RoamingConfigBase(const EnvironmentReader& env = ProcessEnvironment,
                                        const ShellFolderReader& shell = ShellRoamingFolder);

// Picks the settings folder under base, creating missing levels, and returns the full
// path of the settings file in it.
std::filesystem::path FindSettingsPath(const std::filesystem::path& base);

// The settings file FindSettingsPath last gave, found without making anything: the first
// of its folders that exists. With none there yet, the nested one's path, where no file
// is to be read.
std::filesystem::path LocateSettingsPath(const std::filesystem::path& base);

} // namespace tenvik
