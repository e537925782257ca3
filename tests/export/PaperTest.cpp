#include "export/Paper.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace tenvik {
namespace {

TEST(PaperTest, LocaleNamesPrintOnTheirTerritorysPaper)
{
    struct Case {
        const char* locale;
        std::optional<Paper> paper;
    };
    const Case cases[] = {
        {"en_US.UTF-8", Paper::Letter},
        {"es_US", Paper::Letter},
        {"fr_CA@euro", Paper::Letter},
        {"en_CA.utf8", Paper::Letter},
        {"es_MX.UTF-8", Paper::Letter},
        {"fil_PH", Paper::Letter},
        {"es_CL.UTF-8", Paper::Letter},
        {"es_CO", Paper::Letter},
        {"es_VE", Paper::Letter},
        {"en_GB.UTF-8", Paper::A4},
        {"de_DE.UTF-8", Paper::A4},
        {"es_ES", Paper::A4},
        {"en_AU.UTF-8", Paper::A4},
        {"es_DO.UTF-8", Paper::A4},
        {"C", Paper::A4},
        {"C.UTF-8", Paper::A4},
        {"POSIX", Paper::A4},
        {"en", Paper::A4},
        {"", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.locale);
        EXPECT_EQ(PaperForLocaleName(c.locale), c.paper);
    }
}

// PAPERSIZE first, as libpaper reads it; then the paper category as the C library sets it.
TEST(PaperTest, TheEnvironmentDecidesInTheCLibrarysOrder)
{
    struct Case {
        const char* name;
        std::map<std::string, std::string> variables;
        std::optional<Paper> paper;
    };
    const Case cases[] = {
        {"nothing set", {}, std::nullopt},
        {"LANG", {{"LANG", "en_US.UTF-8"}}, Paper::Letter},
        {"LC_PAPER over LANG", {{"LANG", "en_US.UTF-8"}, {"LC_PAPER", "de_DE.UTF-8"}}, Paper::A4},
        {"LC_ALL over LC_PAPER", {{"LC_PAPER", "de_DE.UTF-8"}, {"LC_ALL", "en_CA.UTF-8"}}, Paper::Letter},
        {"PAPERSIZE over all", {{"LC_ALL", "en_US.UTF-8"}, {"PAPERSIZE", "A4"}}, Paper::A4},
        {"a PAPERSIZE we cannot print on", {{"LC_ALL", "en_US.UTF-8"}, {"PAPERSIZE", "legal"}}, Paper::Letter},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const EnvironmentReader env = [&](const char* name) -> std::optional<std::string> {
            const auto it = c.variables.find(name);
            return it == c.variables.end() ? std::nullopt : std::optional<std::string>(it->second);
        };
        EXPECT_EQ(PaperFromEnvironment(env), c.paper);
    }
    EXPECT_EQ(PaperNamed("LETTER"), Paper::Letter);
    EXPECT_EQ(PaperNamed("a4"), Paper::A4);
    EXPECT_EQ(PaperNamed("a5"), std::nullopt);
}

} // namespace
} // namespace tenvik
