#include "settings/SettingsFolder.h"

#include "SettingsTestSupport.h"

#include <gtest/gtest.h>

#include <map>
#include <pwd.h>
#include <unistd.h>

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

class SettingsFolderTest : public ::testing::Test {
protected:
    // The base as the program finds it, pointed at a private folder.
    fs::path Base() const
    {
        return RoamingConfigBase(FakeEnvironment({{"XDG_CONFIG_HOME", (m_root.Path() / "config").string()}}));
    }
    fs::path Root() const { return m_root.Path(); }

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

TEST_F(SettingsFolderTest, JoinsWithOneSeparatorAfterATrailingOne)
{
    const fs::path base = Root() / "";
    EXPECT_EQ(FindSettingsPath(base).string(), Root().string() + "/Quorvell/Tenvik/Tenvik.ini");
}

} // namespace
} // namespace tenvik
