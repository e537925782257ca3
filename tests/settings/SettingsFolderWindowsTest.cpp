#include "settings/SettingsFolder.h"

#include "SettingsTestSupport.h"
#include "WindowsTestSupport.h"

#include <gtest/gtest.h>

#include <map>

namespace fs = std::filesystem;

namespace tenvik {
namespace {

using testing::Utf8;

// A user name outside every single ANSI code page: one of them could hold "Zoë Müller",
// none holds it together with "Ζωή".
const fs::path Profile = fs::path{u8"C:\\Users\\Zoë Müller Ζωή"};

TEST(SettingsFolderWindows, BaseIsTheShellsRoamingFolderThenAppDataThenTheProfile)
{
    const fs::path roaming = Profile / "AppData" / "Roaming";
    const fs::path elsewhere = fs::path{u8"D:\\Profiles\\Zoë\\Roaming"};
    struct Case {
        const char* name;
        std::optional<fs::path> shell;
        std::map<std::string, std::string> variables;
        fs::path expected;
    };
    const Case cases[] = {
        {"the shell's folder first", roaming, {{"APPDATA", Utf8(elsewhere)}}, roaming},
        {"no shell folder: APPDATA",
         std::nullopt,
         {{"APPDATA", Utf8(elsewhere)}, {"USERPROFILE", Utf8(Profile)}},
         elsewhere},
        {"a relative shell folder is passed over", fs::path{"AppData"}, {{"APPDATA", Utf8(elsewhere)}}, elsewhere},
        {"a relative APPDATA is passed over",
         std::nullopt,
         {{"APPDATA", "Roaming"}, {"USERPROFILE", Utf8(Profile)}},
         roaming},
        {"a folder without its drive is passed over",
         std::nullopt,
         {{"APPDATA", "\\Roaming"}, {"USERPROFILE", Utf8(Profile)}},
         roaming},
        {"nothing at all: the temporary folder", std::nullopt, {}, fs::temp_directory_path()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const EnvironmentReader env = [&c](const char* name) -> std::optional<std::string> {
            const auto found = c.variables.find(name);
            return found == c.variables.end() ? std::nullopt : std::optional{found->second};
        };
        EXPECT_EQ(RoamingConfigBase(env, [&c] { return c.shell; }), c.expected);
    }
}

// The narrow getenv hands out the ANSI code page's rendering, with "?" for what it cannot
// hold: the settings would have gone to a folder named "Zo? M?ller".
TEST(SettingsFolderWindows, EnvironmentTextsArriveWhole)
{
    const fs::path profile = Profile;
    ASSERT_TRUE(SetEnvironmentVariableW(L"TENVIK_TEST_PROFILE", profile.c_str()));
    const auto value = ProcessEnvironment("TENVIK_TEST_PROFILE");
    SetEnvironmentVariableW(L"TENVIK_TEST_PROFILE", nullptr);

    EXPECT_EQ(value, Utf8(profile));
    EXPECT_EQ(ProcessEnvironment("TENVIK_TEST_PROFILE"), std::nullopt);
}

TEST(SettingsFolderWindows, TheShellNamesAnExistingFolder)
{
    const auto folder = ShellRoamingFolder();
    ASSERT_TRUE(folder.has_value());
    EXPECT_TRUE(folder->is_absolute()) << Utf8(*folder);
    EXPECT_TRUE(fs::is_directory(*folder)) << Utf8(*folder);
    EXPECT_EQ(RoamingConfigBase(), *folder);
}

} // namespace
} // namespace tenvik
