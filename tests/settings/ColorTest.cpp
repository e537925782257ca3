#include "settings/Color.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <random>
#include <set>
#include <vector>

namespace tenvik {
namespace {

std::string Lower(std::string_view text)
{
    std::string lower{text};
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

std::string Upper(std::string_view text)
{
    std::string upper{text};
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

std::string Hex8(TAlphaColor color)
{
    char hex[10];
    std::snprintf(hex, sizeof hex, "#%08X", static_cast<unsigned>(color));
    return hex;
}

// ---- The named-colour table -------------------------------------------------------------

TEST(NamedColors, KeywordsAreOpaqueCapitalisedAndInAlphabeticalOrderThenNull)
{
    for (int i = 0; i < NullColorIndex; ++i) {
        const auto& entry = NamedColors[static_cast<std::size_t>(i)];
        SCOPED_TRACE(entry.Name);
        EXPECT_EQ(entry.Value >> 24, 0xFFu);
        ASSERT_FALSE(entry.Name.empty());
        EXPECT_TRUE(entry.Name[0] >= 'A' && entry.Name[0] <= 'Z');
        EXPECT_TRUE(std::all_of(entry.Name.begin() + 1, entry.Name.end(), [](char c) { return c >= 'a' && c <= 'z'; }));
        if (i > 0) {
            EXPECT_LT(Lower(NamedColors[static_cast<std::size_t>(i - 1)].Name), Lower(entry.Name));
        }
    }
    EXPECT_EQ(NamedColors[NullColorIndex].Name, "Null");
    EXPECT_EQ(NamedColors[NullColorIndex].Value, 0x00000000u);
    EXPECT_EQ(NamedColors.size(), 148u);
}

TEST(NamedColors, KnownEntriesSitAtTheirIndices)
{
    const struct {
        int index;
        std::string_view name;
        TAlphaColor value;
    } cases[] = {
        {0, "Aliceblue", 0xFFF0F8FF},       {2, "Aqua", 0xFF00FFFF},
        {7, "Black", 0xFF000000},           {9, "Blue", 0xFF0000FF},
        {20, "Cyan", 0xFF00FFFF},           {24, "Darkgray", 0xFFA9A9A9},
        {26, "Darkgrey", 0xFFA9A9A9},       {36, "Darkslategray", 0xFF2F4F4F},
        {37, "Darkslategrey", 0xFF2F4F4F},  {42, "Dimgray", 0xFF696969},
        {43, "Dimgrey", 0xFF696969},        {48, "Fuchsia", 0xFFFF00FF},
        {53, "Gray", 0xFF808080},           {56, "Grey", 0xFF808080},
        {71, "Lightgray", 0xFFD3D3D3},      {73, "Lightgrey", 0xFFD3D3D3},
        {78, "Lightslategray", 0xFF778899}, {79, "Lightslategrey", 0xFF778899},
        {85, "Magenta", 0xFFFF00FF},        {119, "Red", 0xFFFF0000},
        {128, "Silver", 0xFFC0C0C0},        {131, "Slategray", 0xFF708090},
        {132, "Slategrey", 0xFF708090},     {143, "White", 0xFFFFFFFF},
        {146, "Yellowgreen", 0xFF9ACD32},   {147, "Null", 0x00000000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        EXPECT_EQ(NamedColors[static_cast<std::size_t>(c.index)].Name, c.name);
        EXPECT_EQ(NamedColors[static_cast<std::size_t>(c.index)].Value, c.value);
    }
}

TEST(NamedColors, ExactlyNineValuesCarryTwoNamesAndTheLowerIndexIsWritten)
{
    const std::map<TAlphaColor, std::pair<std::string_view, std::string_view>> expected = {
        {0xFF00FFFF, {"Aqua", "Cyan"}},
        {0xFFA9A9A9, {"Darkgray", "Darkgrey"}},
        {0xFF2F4F4F, {"Darkslategray", "Darkslategrey"}},
        {0xFF696969, {"Dimgray", "Dimgrey"}},
        {0xFFFF00FF, {"Fuchsia", "Magenta"}},
        {0xFF808080, {"Gray", "Grey"}},
        {0xFFD3D3D3, {"Lightgray", "Lightgrey"}},
        {0xFF778899, {"Lightslategray", "Lightslategrey"}},
        {0xFF708090, {"Slategray", "Slategrey"}},
    };
    std::map<TAlphaColor, std::vector<std::string_view>> namesByValue;
    for (const auto& entry : NamedColors)
        namesByValue[entry.Value].push_back(entry.Name);

    std::map<TAlphaColor, std::pair<std::string_view, std::string_view>> doubled;
    for (const auto& [value, names] : namesByValue) {
        ASSERT_LE(names.size(), 2u) << Hex8(value);
        if (names.size() == 2)
            doubled[value] = {names[0], names[1]};
    }
    EXPECT_EQ(doubled, expected);

    for (const auto& [value, names] : expected) {
        SCOPED_TRACE(names.second);
        EXPECT_EQ(ColorToText(value), names.first);
        EXPECT_EQ(TextToColor(names.second), value);
    }
}

// ---- ColorToText ------------------------------------------------------------------------

TEST(ColorToText, NamesOnlyExactMatchesAndWritesEverythingElseAsEightHexDigits)
{
    const struct {
        TAlphaColor color;
        std::string_view text;
    } cases[] = {
        {0xFFFF0000, "Red"},       {0xFF00FFFF, "Aqua"},      {0xFFFF00FF, "Fuchsia"},
        {0xFF696969, "Dimgray"},   {0xFF808080, "Gray"},      {0x00000000, "Null"},
        {0xFFFFFFFF, "White"},     {0xFEFF0000, "#FEFF0000"}, // almost opaque red is no longer red
        {0x80FF0000, "#80FF0000"}, {0x00FF0000, "#00FF0000"}, {0x00000001, "#00000001"},
        {0xFFFFFFFE, "#FFFFFFFE"}, {0x7FFFFFFF, "#7FFFFFFF"}, {0x80000000, "#80000000"},
        {0xFF663399, "#FF663399"}, // rebeccapurple has no name here
        {0xFFABCDEF, "#FFABCDEF"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ColorToText(c.color), c.text);
    }
}

// ---- TextToColor ------------------------------------------------------------------------

TEST(TextToColor, ReadsNamesInAnyCaseWithOrWithoutPrefixAndNumbersInEveryForm)
{
    const struct {
        std::string_view text;
        TAlphaColor color;
    } cases[] = {
        {"Red", 0xFFFF0000},
        {"red", 0xFFFF0000},
        {"RED", 0xFFFF0000},
        {"claRed", 0xFFFF0000},
        {"clRed", 0xFFFF0000},
        {"CLARED", 0xFFFF0000},
        {"ClRed", 0xFFFF0000},
        {"Null", 0x00000000},
        {"null", 0x00000000},
        {"clNull", 0x00000000},
        {"Cyan", 0xFF00FFFF},
        {"Aqua", 0xFF00FFFF},
        {"claAqua", 0xFF00FFFF}, // "cla" + "Aqua", not "cl" + "aAqua"
        {"clAqua", 0xFF00FFFF},
        {"LightGoldenRodYellow", 0xFFFAFAD2},
        // Numbers: hex always the whole 32-bit value, decimal and negative as 64-bit.
        {"#FFFF0000", 0xFFFF0000},
        {"xFFFF0000", 0xFFFF0000},
        {"$ffff0000", 0xFFFF0000},
        {"0xFFFF0000", 0xFFFF0000},
        {"0XFFFF0000", 0xFFFF0000},
        {"XFFFF0000", 0xFFFF0000},
        {"4294901760", 0xFFFF0000},
        {"-65536", 0xFFFF0000},
        {"  -65536", 0xFFFF0000},
        {"+255", 0x000000FF},
        {"#FF0000", 0x00FF0000}, // no short form: alpha stays 0
        {"#F00", 0x00000F00},
        {"#00000000", 0x00000000},
        {"0", 0x00000000},
        {"-1", 0xFFFFFFFF},
        {"#1FFFF0000", 0xFFFF0000}, // only the low 32 bits count
        {"4294967296", 0x00000000},
        {"#FFFFFFFFFFFFFFFF", 0xFFFFFFFF},
        {"9223372036854775807", 0xFFFFFFFF},
        {"-9223372036854775808", 0x00000000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(TextToColor(c.text), c.color);
    }
}

TEST(TextToColor, RefusesOtherTextsNamingTheTextAfterTheMarkerSwap)
{
    const struct {
        std::string_view text;
        std::string_view message;
    } cases[] = {
        {"", "'' is not a valid integer value"},
        {"#", "'$' is not a valid integer value"},
        {"x", "'$' is not a valid integer value"},
        {"Red ", "'Red ' is not a valid integer value"},
        {" Red", "' Red' is not a valid integer value"},
        {"rebeccapurple", "'rebeccapurple' is not a valid integer value"},
        {"Transparent", "'Transparent' is not a valid integer value"},
        {"#Red", "'$Red' is not a valid integer value"},
        {"xyz", "'$yz' is not a valid integer value"},
        {"X", "'X' is not a valid integer value"}, // only a lower-case x is swapped
        {"#GG000000", "'$GG000000' is not a valid integer value"},
        {"#FFFF0000 ", "'$FFFF0000 ' is not a valid integer value"},
        {"##FFFF0000", "'$#FFFF0000' is not a valid integer value"},
        {"#10000000000000000", "'$10000000000000000' is not a valid integer value"},
        {"9223372036854775808", "'9223372036854775808' is not a valid integer value"},
        {"clclRed", "'clclRed' is not a valid integer value"},
        {"cl", "'cl' is not a valid integer value"},
        {"Re\xC3\xA4", "'Re\xC3\xA4' is not a valid integer value"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        try {
            const TAlphaColor color = TextToColor(c.text);
            ADD_FAILURE() << "accepted as " << Hex8(color);
        } catch (const EConvertError& error) {
            EXPECT_EQ(std::string_view{error.what()}, c.message);
        }
    }
}

TEST(TextToColor, EveryNameReadsBackInAnyCaseAndBehindEitherPrefix)
{
    for (const auto& entry : NamedColors) {
        SCOPED_TRACE(entry.Name);
        const std::string name{entry.Name};
        for (const std::string& text :
             {name, Lower(name), Upper(name), "cla" + name, "cl" + name, "CL" + Upper(name)}) {
            EXPECT_EQ(TextToColor(text), entry.Value) << text;
        }
    }
}

// ---- Round trip -------------------------------------------------------------------------

TEST(ColorText, EveryColourReadsBackFromItsText)
{
    std::vector<TAlphaColor> colors = {
        0x00000000, 0x00000001, 0x000000FF, 0x00FFFFFF, 0x7FFFFFFF, 0x80000000, 0x80FF0000,
        0xFEFF0000, 0xFF000001, 0xFF663399, 0xFFFFFFFE, 0xFFFFFFFF, 0x00FF0000, 0x0000FFFF,
    };
    for (const auto& entry : NamedColors) {
        colors.push_back(entry.Value);
        colors.push_back(entry.Value ^ 1u);
        colors.push_back(entry.Value & 0x00FFFFFFu);
    }
    std::mt19937 random(20240517u);
    std::uniform_int_distribution<std::uint32_t> anyColor;
    for (int i = 0; i < 5000; ++i)
        colors.push_back(anyColor(random));

    for (const TAlphaColor color : colors) {
        const std::string text = ColorToText(color);
        EXPECT_EQ(TextToColor(text), color) << text;
    }
}

// ---- ContrastColor ----------------------------------------------------------------------

TEST(ContrastColor, WhiteTextBelongsToExactlyTheTwentySixDarkFills)
{
    const std::set<TAlphaColor> expectedWhite = {
        0xFF000000, 0xFF000080, 0xFF00008B, 0xFF0000CD, 0xFF0000FF, 0xFF006400, 0xFF008000, 0xFF191970, 0xFF228B22,
        0xFF2F4F4F, 0xFF483D8B, 0xFF4B0082, 0xFF556B2F, 0xFF696969, 0xFF800000, 0xFF800080, 0xFF8B0000, 0xFF8B008B,
        0xFF8B4513, 0xFF9400D3, 0xFFA0522D, 0xFFA52A2A, 0xFFB22222, 0xFFC71585, 0xFFDC143C, 0xFFFF0000,
    };
    ASSERT_EQ(expectedWhite.size(), 26u);

    // Every set member is a named colour; so walking the table finds the whole set.
    std::set<TAlphaColor> white;
    int whiteNames = 0;
    for (const auto& entry : NamedColors) {
        const TAlphaColor contrast = ContrastColor(entry.Value);
        ASSERT_TRUE(contrast == colors::White || contrast == colors::Black) << entry.Name;
        if (contrast == colors::White) {
            white.insert(entry.Value);
            ++whiteNames;
        }
    }
    EXPECT_EQ(white, expectedWhite);
    EXPECT_EQ(whiteNames, 28);

    // Near neighbours of the set, by alpha or by one colour bit, take black.
    for (const TAlphaColor fill : expectedWhite) {
        SCOPED_TRACE(Hex8(fill));
        EXPECT_EQ(ContrastColor(fill & 0x00FFFFFFu), colors::Black);
        EXPECT_EQ(ContrastColor(fill ^ 0x01000000u), colors::Black);
        EXPECT_EQ(ContrastColor(fill ^ 0x00000001u), colors::Black);
    }
}

TEST(ContrastColor, MidTonesKeepBlackTextAndTheRoleDefaultsSplitAsExpected)
{
    const struct {
        std::string_view name;
        TAlphaColor expected;
    } cases[] = {
        {"Teal", colors::Black},          {"Darkcyan", colors::Black},  {"Olive", colors::Black},
        {"Gray", colors::Black},          {"Slategray", colors::Black}, {"Royalblue", colors::Black},
        {"Orangered", colors::Black},     {"Null", colors::Black},      {"#FF0000", colors::Black},
        {"Red", colors::White},           {"Blue", colors::White},      {"Fuchsia", colors::Black},
        {"Silver", colors::Black},        {"White", colors::Black},     {"Dimgrey", colors::White},
        {"Darkslategrey", colors::White},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ContrastColor(TextToColor(c.name)), c.expected);
    }
}

// ---- Colour roles -----------------------------------------------------------------------

TEST(ColorRoles, DefaultsWriteAsTheirDefaultTexts)
{
    for (const auto& info : ColorRoles) {
        SCOPED_TRACE(info.key);
        EXPECT_EQ(ColorToText(info.defaultValue), info.defaultText);
        EXPECT_EQ(TextToColor(info.defaultText), info.defaultValue);
    }
}

} // namespace
} // namespace tenvik
