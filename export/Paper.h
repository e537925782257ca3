#pragma once

#include "settings/SettingsFolder.h"

#include <optional>
#include <string_view>

// The paper the printed year is laid out for.
namespace tenvik {

enum class Paper { A4, Letter };

// "a4" or "letter", in any ASCII case.
std::optional<Paper> PaperNamed(std::string_view name);
std::string_view PaperName(Paper paper);

// The paper of a POSIX locale name ("en_US.UTF-8", "fr_CA@euro", "C"): Letter in the
// territories whose C library locales print on it, A4 in every other one and in the C
// locale. Nothing for an empty name.
std::optional<Paper> PaperForLocaleName(std::string_view locale);

// What the environment asks for, as libpaper and the C library read it: PAPERSIZE when it
// names a4 or letter, else the locale's paper category, which LC_ALL sets for every
// category, then LC_PAPER, then LANG. Nothing when none of them is set (the desktop's own
// setting decides then).
std::optional<Paper> PaperFromEnvironment(const EnvironmentReader& env = ProcessEnvironment);

} // namespace tenvik
