#pragma once

#include "settings/Color.h"
#include "settings/LocaleDate.h"
#include "settings/Settings.h"

#include "core/Rotation.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include <unistd.h>

// A settings file that holds the program's keys among lines it does not know, and two sets
// of choices that differ in every key, so that each key of a file tells which Save wrote
// it.
namespace tenvik::testing {

inline constexpr std::size_t KeyCount = 11;
using StoredTexts = std::array<std::string, KeyCount>;

inline FormatSettings ScenarioLocale()
{
    return UsEnglishFormatSettings();
}

inline SettingsRecord ChoicesA()
{
    SettingsRecord values;
    values.agency = "Station Nord";
    values.assignment = "A3";
    values.showPaydays = true;
    values.showDebit = false;
    values.showPayPeriods = true;
    values.payPeriodStart = 44185;
    values.aPlt = colors::Red;
    values.bPlt = colors::Blue;
    values.xPlt = colors::Fuchsia;
    values.ldTr = colors::Silver;
    values.bkGr = colors::White;
    return values;
}

inline SettingsRecord ChoicesB()
{
    SettingsRecord values;
    values.agency = "Station S\xC3\xBC"
                    "d";
    values.assignment = "B7";
    values.showPaydays = false;
    values.showDebit = true;
    values.showPayPeriods = false;
    values.payPeriodStart = 44185 + 3 * 14;
    values.aPlt = 0xFF00FFFF;
    values.bPlt = 0x80FF0000;
    values.xPlt = colors::Navy;
    values.ldTr = colors::Black;
    values.bkGr = 0xFFF5F5DC;
    return values;
}

// The texts a Save stores, in the order it writes them.
inline StoredTexts TextsOf(const SettingsRecord& values)
{
    StoredTexts texts;
    texts[0] = values.agency;
    texts[1] = std::string{AssignmentCodes[static_cast<std::size_t>(AssignmentIndexFor(values.assignment))]};
    texts[2] = values.showPaydays ? "1" : "0";
    texts[3] = values.showDebit ? "1" : "0";
    texts[4] = values.showPayPeriods ? "1" : "0";
    texts[5] = FormatStoredDate(values.payPeriodStart);
    for (std::size_t i = 0; i < ColorRoles.size(); ++i)
        texts[6 + i] = ColorToText(values.Color(ColorRoles[i].role));
    return texts;
}

// The whole file, byte for byte, with the program's keys among comments, blank lines,
// unknown keys and an unknown section.
inline std::string FileWith(const StoredTexts& t)
{
    return "; Tenvik settings, edited by hand as well\n"
           "[Config]\n"
           "Agency="
        + t[0]
        + "\n"
          "Theme=dark\n"
          "RDO="
        + t[1]
        + "\n"
          "ShowPaydays="
        + t[2]
        + "\n"
          "; the switches below came later\n"
          "ShowDebit="
        + t[3]
        + "\n"
          "ShowPayPeriods="
        + t[4]
        + "\n"
          "PPStart="
        + t[5]
        + "\n"
          "\n"
          "[Window]\n"
          "Left=120\n"
          "Top=80\n"
          "\n"
          "[Colors]\n"
          "APlt="
        + t[6]
        + "\n"
          "BPlt="
        + t[7]
        + "\n"
          "# chosen with the picker\n"
          "XPlt="
        + t[8]
        + "\n"
          "LdTr="
        + t[9]
        + "\n"
          "BkGr="
        + t[10]
        + "\n"
          "Extra=kept\n";
}

// A killed process loses nothing the kernel has already taken, and processes see each
// other's files the same in any folder, so a folder in memory proves what one on a disk
// would, without waiting for the disk at every Save.
inline std::filesystem::path FastFolderBase()
{
    std::error_code ec;
    if (std::filesystem::is_directory("/dev/shm", ec) && ::access("/dev/shm", W_OK) == 0)
        return "/dev/shm";
    return std::filesystem::temp_directory_path();
}

// A fresh folder inside `base`, removed with everything in it.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::filesystem::path& base)
    {
        std::string pattern = (base / "tenvik-hardening-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::system_error(errno, std::generic_category(), "mkdtemp");
        m_path = pattern;
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

// Everything in the folder but the settings file and its lock file, which stays for good:
// a Save must never leave anything else behind.
inline std::vector<std::string> StrayFiles(const std::filesystem::path& folder, const std::filesystem::path& file)
{
    const std::string lockFile = file.filename().string() + ".lock";
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name != file.filename() && name != lockFile)
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace tenvik::testing
