#include "settings/SettingsFolder.h"

#include "settings/IniFile.h"

#include "SettingsTestSupport.h"

#include <gtest/gtest.h>

#include <map>

#ifndef _WIN32
#include <pwd.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace tenvik {
namespace {

using testing::ReadFileBytes;
using testing::TempFolder;
using testing::WriteFileBytes;

EnvironmentReader FakeEnvironment(std::map<std::string, std::string> variables)
{
    return [variables = std::move(variables)](const char* name) -> std::optional<std::string> {
        const auto found = variables.find(name);
        if (found == variables.end() || found->second.empty())
            return std::nullopt;
        return found->second;
    };
}

#ifndef _WIN32 // the Windows base comes from the shell
TEST(SettingsFolder, BaseIsXdgConfigHomeElseDotConfigInTheHome)
{
    const passwd* user = ::getpwuid(::getuid());
    ASSERT_NE(user, nullptr);
    const fs::path passwordHome = user->pw_dir;

    struct Case {
        const char* name;
        std::map<std::string, std::string> variables;
        fs::path expected;
    };
    const Case cases[] = {
        {"XDG_CONFIG_HOME", {{"XDG_CONFIG_HOME", "/xdg/config"}, {"HOME", "/home/me"}}, "/xdg/config"},
        {"empty XDG_CONFIG_HOME", {{"XDG_CONFIG_HOME", ""}, {"HOME", "/home/me"}}, "/home/me/.config"},
        {"relative XDG_CONFIG_HOME", {{"XDG_CONFIG_HOME", "config"}, {"HOME", "/home/me"}}, "/home/me/.config"},
        {"no XDG_CONFIG_HOME", {{"HOME", "/home/me"}}, "/home/me/.config"},
        {"no HOME either", {{"HOME", ""}}, passwordHome / ".config"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(RoamingConfigBase(FakeEnvironment(c.variables)), c.expected);
    }
}
#endif

class SettingsFolderTest : public ::testing::Test {
protected:
    // The base as the program finds it, pointed at a private folder.
    fs::path Base() const
    {
        const fs::path config = m_root.Path() / "config";
#ifdef _WIN32
        return RoamingConfigBase(FakeEnvironment({}), [config] { return std::optional{config}; });
#else
        return RoamingConfigBase(FakeEnvironment({{"XDG_CONFIG_HOME", config.string()}}));
#endif
    }
    fs::path Root() const
    {
        return m_root.Path();
    }

private:
    TempFolder m_root;
};

TEST_F(SettingsFolderTest, FirstStartMakesQuorvellTenvikAndNoFile)
{
    const fs::path base = Base();
    EXPECT_FALSE(fs::exists(base));

    const fs::path path = FindSettingsPath(base);

    EXPECT_EQ(path, Root() / "config" / "Quorvell" / "Tenvik" / "Tenvik.ini");
    EXPECT_TRUE(fs::is_directory(path.parent_path()));
    EXPECT_TRUE(fs::is_empty(path.parent_path()));
}

TEST_F(SettingsFolderTest, AnExistingFolderIsUsedAsItStands)
{
    const fs::path folder = Base() / "Quorvell" / "Tenvik";
    fs::create_directories(folder);
    WriteFileBytes(folder / "Tenvik.ini", "[Config]\nRDO=A1\n");

    EXPECT_EQ(FindSettingsPath(Base()), folder / "Tenvik.ini");
    EXPECT_EQ(ReadFileBytes(folder / "Tenvik.ini"), "[Config]\nRDO=A1\n");
}

TEST_F(SettingsFolderTest, FallsBackToTenvikThenToTheBaseItself)
{
    const fs::path base = Base();
    fs::create_directories(base);
    WriteFileBytes(base / "Quorvell", "a plain file in the way");

    EXPECT_EQ(FindSettingsPath(base), base / "Tenvik" / "Tenvik.ini");
    EXPECT_TRUE(fs::is_directory(base / "Tenvik"));

    fs::remove(base / "Tenvik");
    WriteFileBytes(base / "Tenvik", "another plain file");

    EXPECT_EQ(FindSettingsPath(base), base / "Tenvik.ini");
    EXPECT_EQ(ReadFileBytes(base / "Quorvell"), "a plain file in the way");
    EXPECT_EQ(ReadFileBytes(base / "Tenvik"), "another plain file");
}

// The export reads where the window last saved, and makes nothing to find out.
TEST_F(SettingsFolderTest, LocatingTheFileMakesNoFolderAndFindsWhereTheWindowSaved)
{
    const fs::path base = Base();
    EXPECT_EQ(LocateSettingsPath(base), base / "Quorvell" / "Tenvik" / "Tenvik.ini");
    EXPECT_FALSE(fs::exists(base));

    fs::create_directories(base);
    EXPECT_EQ(LocateSettingsPath(base), base / "Tenvik.ini");
    fs::create_directory(base / "Tenvik");
    EXPECT_EQ(LocateSettingsPath(base), base / "Tenvik" / "Tenvik.ini");
    fs::create_directories(base / "Quorvell" / "Tenvik");
    EXPECT_EQ(LocateSettingsPath(base), FindSettingsPath(base));
}

TEST_F(SettingsFolderTest, JoinsWithOneSeparatorAfterATrailingOne)
{
    const fs::path base = Root() / "";
    // Compared as text: paths that compare equal may still differ in their separators.
    fs::path::string_type expected = Root().native();
    for (const char* part : {"Quorvell", "Tenvik", "Tenvik.ini"})
        expected += fs::path::preferred_separator + fs::path{part}.native();
    EXPECT_EQ(FindSettingsPath(base).native(), expected);
}

// A user name beyond ASCII is where a narrow file call would lose the way: the folders
// must carry the name exactly, and the file be written and read back there.
TEST_F(SettingsFolderTest, TheSettingsFileLivesUnderAUserNameBeyondAscii)
{
    const fs::path user{u8"Zoë Müller Ζωή"};
    const fs::path base = Root() / user / "AppData" / "Roaming";

    const fs::path path = FindSettingsPath(base);
    IniFile ini{path};
    ini.WriteString("Config", "Agency", "Brandweer Zoë");
    ini.UpdateFile();

    EXPECT_EQ(path, base / "Quorvell" / "Tenvik" / "Tenvik.ini");
    EXPECT_EQ(IniFile{path}.ReadString("Config", "Agency", ""), "Brandweer Zoë");
    ASSERT_FALSE(fs::is_empty(Root()));
    EXPECT_EQ(fs::directory_iterator(Root())->path().filename(), user);
    EXPECT_TRUE(fs::is_regular_file(path));
}

} // namespace
} // namespace tenvik
