#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

// Where the settings file lives: "Quorvell/Tenvik/Tenvik.ini" under the user's roaming
// configuration folder, with fallbacks to "Tenvik" and to the base folder itself.
namespace tenvik {

inline constexpr const char* SettingsFileName = "Tenvik.ini";

// Reads an environment variable; empty or unset gives nothing. Tests pass their own.
using EnvironmentReader = std::function<std::optional<std::string>(const char* name)>;
std::optional<std::string> ProcessEnvironment(const char* name);

// $XDG_CONFIG_HOME, else ~/.config (Linux); the roaming AppData folder (Windows).
std::filesystem::path RoamingConfigBase(const EnvironmentReader& env = ProcessEnvironment);

// Picks the settings folder under base, creating missing levels, and returns the full
// path of the settings file in it.
std::filesystem::path FindSettingsPath(const std::filesystem::path& base);

} // namespace tenvik
