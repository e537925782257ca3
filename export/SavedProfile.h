#pragma once

#include "core/Profile.h"
#include "settings/FileStore.h"
#include "settings/LocaleDate.h"
#include "settings/Settings.h"

#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

// The profile the window would start with, read from the saved settings for an export that
// runs without it. Reading never writes: no folder is made and no file is touched.
namespace tenvik {

struct SavedProfile {
    UserProfile profile;
    int shiftHours = DefaultShiftHours; // the summary of the records counts it per duty day
    // Set when a settings file is there but cannot be read; the profile is then the
    // defaults, as the window would show them.
    std::optional<std::error_code> unreadable;
    // Values the file holds that could not be read (a pay-period start in a short date
    // this locale does not read); each took its default.
    std::vector<UnreadableValue> unreadableValues;
};

SavedProfile LoadSavedProfile(const std::filesystem::path& settingsPath, const FormatSettings& locale,
                              const FileStore& store);

} // namespace tenvik
