#include "settings/IniFile.h"

#include "SettingsTestSupport.h"

#include <gtest/gtest.h>

#include <random>

namespace fs = std::filesystem;

namespace tenvik {
namespace {

using testing::FailingFileStore;
using testing::NewFileText;
using testing::ReadFileBytes;
using testing::TempFolder;
using testing::WriteFileBytes;

class IniFileTest : public ::testing::Test {
protected:
    fs::path File() const { return m_folder.Path() / "Tenvik.ini"; }
    void Given(std::string_view bytes) const { WriteFileBytes(File(), bytes); }
    std::string Read(std::string_view section, std::string_view key) const
    {
        return IniFile{File()}.ReadString(section, key, "<default>");
    }
    // One key, written as a Save writes: into the file at once.
    void Write(std::string_view section, std::string_view key, std::string_view value) const
    {
        IniFile ini{File()};
        ini.WriteString(section, key, value);
        ini.UpdateFile();
    }

private:
    TempFolder m_folder;
};

TEST_F(IniFileTest, ReadsTheFirstMatchAndFallsBackToTheDefault)
{
    EXPECT_EQ(Read("Config", "RDO"), "<default>"); // no file at all

    Given("[Config]\n"
          "; a comment = not a key\n"
          "  rdo  =  b7  \n"
          "Agency=\n"
          "RDO=A1\n"
          "no equals sign here\n"
          "Quoted=\"  spaced  \"\n"
          "Eq=a=b\n"
          "[ Colors ]\n"
          "APlt\t=\tRed\n"
          "[Broken\n"
          "Hidden=1\n"
          "[config]\n"
          "Late=1\n");
    struct Case {
        const char* section;
        const char* key;
        const char* expected;
    };
    const Case cases[] = {
        {"Config", "RDO", "b7"},  // names without regard to case, blanks dropped, first wins
        {"CONFIG", "agency", ""}, // present but empty is not the default
        {"Config", "Quoted", "  spaced  "},
        {"Config", "Eq", "a=b"},
        {"Config", "no equals sign here", "<default>"},
        {"Config", "; a comment", "<default>"},
        {"Colors", "APlt", "Red"},
        {"Colors", "Hidden", "<default>"}, // behind a header without "]"
        {"Config", "Late", "<default>"},   // in a second copy of the section
        {"Missing", "RDO", "<default>"},
        {"Config", "Missing", "<default>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.section) + "/" + c.key);
        EXPECT_EQ(Read(c.section, c.key), c.expected);
    }
}

TEST_F(IniFileTest, WriteTouchesOnlyItsOwnLine)
{
    struct Case {
        const char* name;
        std::string before;
        const char* section;
        const char* key;
        const char* value;
        std::string after;
    };
    const Case cases[] = {
        {"creates the file", "", "Config", "RDO", "A1", NewFileText("[Config]\nRDO=A1\n")},
        {"replaces in place, keeping the line's layout and case", "; mine\n[config]\n  rdo = b7\t\nOther=x\n", "Config",
         "RDO", "A1", "; mine\n[config]\n  rdo = A1\nOther=x\n"},
        {"adds after the section's last key, before blank lines and comments",
         "[Config]\nRDO=A1\nnot a key\n\n; about colours\n[Colors]\nAPlt=Red\n", "Config", "ShowDebit", "1",
         "[Config]\nRDO=A1\nShowDebit=1\nnot a key\n\n; about colours\n[Colors]\nAPlt=Red\n"},
        {"adds below the header of a section without keys", "[Config]\n\n[Colors]\n", "Config", "RDO", "B1",
         "[Config]\nRDO=B1\n\n[Colors]\n"},
        {"adds a section at the end of a file without a final line end", "[Config]\nRDO=A1", "Colors", "APlt", "Red",
         "[Config]\nRDO=A1\n[Colors]\nAPlt=Red\n"},
        {"adds a key after a last line without a line end", "[Config]\nRDO=A1", "Config", "ShowDebit", "0",
         "[Config]\nRDO=A1\nShowDebit=0\n"},
        {"rewrites only the first of duplicate keys", "[Config]\nRDO=A1\nRDO=A2\n", "Config", "RDO", "B3",
         "[Config]\nRDO=B3\nRDO=A2\n"},
        {"keeps CRLF line ends and the byte-order mark", "\xEF\xBB\xBF[Config]\r\nRDO=A1\r\n", "Config", "ShowDebit",
         "1", "\xEF\xBB\xBF[Config]\r\nRDO=A1\r\nShowDebit=1\r\n"},
        {"new sections in a CRLF file are CRLF too", "[Config]\r\nRDO=A1\r\n", "Colors", "APlt", "Red",
         "[Config]\r\nRDO=A1\r\n[Colors]\r\nAPlt=Red\r\n"},
        {"never files a key under a broken header", "[Config\nRDO=A1\n", "Config", "RDO", "B2",
         "[Config\nRDO=A1\n[Config]\nRDO=B2\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove(File());
        if (!c.before.empty())
            Given(c.before);
        Write(c.section, c.key, c.value);
        EXPECT_EQ(ReadFileBytes(File()), c.after);
    }
}

// Regression rows: a CR that ended the file stayed in the last value ("dark\r"), and the
// line end a later write put after it completed a CR LF, so the value changed to "dark".
TEST_F(IniFileTest, ACrEndingTheFileIsALineEndNotPartOfTheValue)
{
    struct Case {
        const char* name;
        const char* before;
        const char* section;
        const char* key;
        std::string after;
        const char* keyReadsBefore; // Other/Key
        const char* keyReadsAfter;
    };
    const Case cases[] = {
        {"a section added after it", "[Other]\nKey=dark\r", "Config", "RDO", "[Other]\nKey=dark\r\n[Config]\nRDO=A1\n",
         "dark", "dark"},
        {"a key added after it", "[Other]\nKey=dark\r", "Other", "RDO", "[Other]\nKey=dark\r\nRDO=A1\n", "dark",
         "dark"},
        {"its own key rewritten", "[Other]\nKey=dark\r", "Other", "Key", "[Other]\nKey=A1\r", "dark", "A1"},
        {"blanks before it", "[Other]\nKey=dark \t\r", "Other", "RDO", "[Other]\nKey=dark \t\r\nRDO=A1\n", "dark",
         "dark"},
        // No LF anywhere: the added line takes the line end of a new file.
        {"a header without keys", "[Other]\r", "Other", "Key", "[Other]\r\nKey=A1" + NewFileText("\n"), "<default>",
         "A1"},
        {"a CRLF file: the CR LF completed, not doubled", "[Other]\r\nKey=dark\r", "Config", "RDO",
         "[Other]\r\nKey=dark\r\n[Config]\r\nRDO=A1\r\n", "dark", "dark"},
        {"a CRLF file, a key added", "[Other]\r\nKey=dark\r", "Other", "RDO", "[Other]\r\nKey=dark\r\nRDO=A1\r\n",
         "dark", "dark"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Given(c.before);
        EXPECT_EQ(Read("Other", "Key"), c.keyReadsBefore);
        Write(c.section, c.key, "A1");
        EXPECT_EQ(ReadFileBytes(File()), c.after);
        EXPECT_EQ(Read("Other", "Key"), c.keyReadsAfter);
        EXPECT_EQ(Read(c.section, c.key), "A1");
    }
}

TEST_F(IniFileTest, EveryWrittenValueReadsBackTheSame)
{
    const std::string values[] = {
        "",      " leading",        "trailing\t",      "\"quoted\"",           "\"",
        "a = b", "; not a comment", "[not a section]", "Fire & Rescue – Nord", std::string("\xC3\xA9t\xC3\xA9"),
    };
    IniFile ini{File()};
    for (const std::string& value : values) {
        SCOPED_TRACE(value);
        ini.WriteString("Config", "Agency", value);
        EXPECT_EQ(ini.ReadString("Config", "Agency", "<default>"), value);
        ini.UpdateFile();
        EXPECT_EQ(Read("Config", "Agency"), value);
    }
    // A line break would start a line of its own in the file.
    Write("Config", "Agency", "one\r\nRDO=B7");
    EXPECT_EQ(Read("Config", "Agency"), "one  RDO=B7");
    EXPECT_EQ(Read("Config", "RDO"), "<default>");
}

TEST_F(IniFileTest, ReadsComeFromOneLoadAndUpdateFileWritesOnTheFileAsItIsNow)
{
    Given("[Config]\nRDO=A1\n");
    IniFile ini{File()};
    EXPECT_EQ(ini.ReadString("Config", "RDO", "<default>"), "A1");

    // Changed behind the object's back: its reads keep the copy they loaded, with its own
    // writes, which stay in memory until UpdateFile.
    Given("[Config]\nRDO=A2\nTheme=dark\n");
    ini.WriteString("Config", "ShowDebit", "1");
    EXPECT_EQ(ini.ReadString("Config", "RDO", "<default>"), "A1");
    EXPECT_EQ(ini.ReadString("Config", "Theme", "<default>"), "<default>");
    EXPECT_EQ(ini.ReadString("Config", "ShowDebit", "<default>"), "1");
    EXPECT_EQ(ReadFileBytes(File()), "[Config]\nRDO=A2\nTheme=dark\n");

    // UpdateFile works on the file as it is, and the reads after it see that file.
    ini.UpdateFile();
    EXPECT_EQ(ReadFileBytes(File()), "[Config]\nRDO=A2\nTheme=dark\nShowDebit=1\n");
    EXPECT_EQ(ini.ReadString("Config", "RDO", "<default>"), "A2");
    EXPECT_EQ(ini.ReadString("Config", "Theme", "<default>"), "dark");

    // An object released without UpdateFile writes nothing.
    IniFile{File()}.WriteString("Config", "RDO", "B7");
    EXPECT_EQ(Read("Config", "RDO"), "A2");
}

TEST_F(IniFileTest, LongValuesAreCutTo2047CharactersNeverInsideOne)
{
    const std::string e = "\xC3\xA9";            // é, two bytes
    const std::string clef = "\xF0\x9D\x84\x9E"; // 𝄞, four bytes
    struct Case {
        const char* name;
        std::string stored;
        std::string expected;
    };
    const Case cases[] = {
        {"ascii", std::string(3000, 'x'), std::string(2047, 'x')},
        {"exactly 2047", std::string(2047, 'x'), std::string(2047, 'x')},
        {"two-byte character last", std::string(2046, 'x') + e + "yz", std::string(2046, 'x') + e},
        {"four-byte character across the limit", std::string(2046, 'x') + "a" + clef, std::string(2046, 'x') + "a"},
        {"all multi-byte",
         [&] {
             std::string s;
             for (int i = 0; i < 2100; ++i)
                 s += clef;
             return s;
         }(),
         [&] {
             std::string s;
             for (int i = 0; i < 2047; ++i)
                 s += clef;
             return s;
         }()},
        {"stray bytes count one each", std::string(3000, '\x80'), std::string(2047, '\x80')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Given("[Config]\nAgency=" + c.stored + "\n");
        EXPECT_EQ(Read("Config", "Agency"), c.expected);
    }
}

TEST_F(IniFileTest, SwitchesReadAnyIntegerAndNothingElse)
{
    struct Case {
        const char* stored; // nullptr: no key
        bool whenDefaultOff;
        bool whenDefaultOn;
    };
    const Case cases[] = {
        {"1", true, true},      {"0", false, false},  {"2", true, true},    {"0x1", true, true},
        {"-1", true, true},     {"$0", false, false}, {" 1 ", true, true},  {"true", false, true},
        {"yes", false, true},   {"", false, true},    {"1.0", false, true}, {"99999999999", false, true},
        {nullptr, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored ? c.stored : "(missing)");
        Given(c.stored ? std::string("[Config]\nShowPaydays=") + c.stored + "\n" : "[Config]\n");
        const IniFile ini{File()};
        EXPECT_EQ(ini.ReadBool("Config", "ShowPaydays", false), c.whenDefaultOff);
        EXPECT_EQ(ini.ReadBool("Config", "ShowPaydays", true), c.whenDefaultOn);
    }

    IniFile ini{File()};
    ini.WriteBool("Config", "ShowPaydays", true);
    ini.WriteBool("Config", "ShowDebit", false);
    ini.UpdateFile();
    EXPECT_EQ(ReadFileBytes(File()), "[Config]\nShowPaydays=1\nShowDebit=0\n");
}

TEST_F(IniFileTest, DatesAreWrittenInIsoAndReadInIsoOrTheLocalesShortFormat)
{
    FormatSettings german = UsEnglishFormatSettings();
    german.ShortDateFormat = "dd.MM.yyyy";
    german.DateSeparator = ".";

    IniFile ini{File()};
    ini.WriteDate("Config", "PPStart", 44185);
    ini.UpdateFile();
    EXPECT_EQ(Read("Config", "PPStart"), "2020-12-20");
    EXPECT_EQ(ini.ReadDate("Config", "PPStart", 1, UsEnglishFormatSettings()), 44185);
    EXPECT_EQ(ini.ReadDate("Config", "PPStart", 1, german), 44185);
    ini.WriteString("Config", "PPStart", "20.12.2020");
    EXPECT_EQ(ini.ReadDate("Config", "PPStart", 1, german), 44185);

    // Dates before the year 100 are dates, but no date field could show them.
    ini.WriteString("Config", "PPStart", "1/1/0100");
    EXPECT_EQ(ini.ReadDate("Config", "PPStart", 44185, UsEnglishFormatSettings()), MinFieldDate);
    for (const char* unreadable : {"", "tomorrow", "2/30/2021", "12/31/0099", "1/1/0001"}) {
        SCOPED_TRACE(unreadable);
        ini.WriteString("Config", "PPStart", unreadable);
        EXPECT_EQ(ini.ReadDate("Config", "PPStart", 44185, UsEnglishFormatSettings()), 44185);
    }
}

TEST_F(IniFileTest, BadFilesReadAsDefaultsAndStillTakeWrites)
{
    std::mt19937 random{20201220};
    std::string garbage(64 * 1024, '\0');
    for (char& c : garbage)
        c = static_cast<char>(random() & 0xFF);
    std::string huge;
    while (huge.size() < 10 * 1024 * 1024)
        huge += "Filler=" + std::string(100, 'f') + "\n";

    struct Case {
        const char* name;
        std::string bytes;
    };
    const Case cases[] = {
        {"empty", ""},
        {"binary garbage", garbage},
        {"10 MB of one section", "[Other]\n" + huge},
        {"lines without equals signs", "Config\nRDO\nRDO A1\n"},
        {"header without bracket", "[Config\nRDO=A1\n"},
        {"invalid UTF-8", "[Con\xFF\xFEig]\nRDO=\xC3\x28\n\xED\xA0\x80=1\n"},
        {"UTF-16 without the section", std::string("\xFF\xFE[\0C\0]\0", 8)},
        {"UTF-16 cut inside a character", std::string("\xFE\xFF\0[\0C\0]\xD8", 9)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Given(c.bytes);
        EXPECT_EQ(Read("Config", "RDO"), "<default>");
        Write("Config", "RDO", "B7");
        EXPECT_EQ(Read("Config", "RDO"), "B7");
        const std::string after = ReadFileBytes(File());
        // A UTF-16 file's odd last byte stays last; every other old byte stays in front.
        const bool odd = c.bytes.starts_with("\xFE\xFF") && c.bytes.size() % 2 == 1;
        EXPECT_EQ(after.substr(0, c.bytes.size() - odd), c.bytes.substr(0, c.bytes.size() - odd))
            << "the old bytes must survive";
        if (odd) {
            EXPECT_EQ(after.back(), c.bytes.back());
        }
    }
}

TEST_F(IniFileTest, AFailedWriteReportsThePathAndKeepsTheFile)
{
    Given("[Config]\nRDO=A1\n");
    FailingFileStore store{1};
    IniFile ini{File(), store};
    ini.WriteString("Config", "RDO", "B2");
    ini.WriteString("Config", "ShowDebit", "1");
    try {
        ini.UpdateFile();
        FAIL() << "the write must not report success";
    } catch (const EIniFileException& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + File().string());
        EXPECT_EQ(e.WhatFailed(), EIniFileException::Cause::Failed);
    }
    EXPECT_EQ(ReadFileBytes(File()), "[Config]\nRDO=A1\n");

    // A file that is there but cannot be read is never replaced by a fresh one.
    const fs::path folderInTheWay = File().parent_path() / "folder.ini";
    fs::create_directory(folderInTheWay);
    IniFile blocked{folderInTheWay};
    EXPECT_EQ(blocked.ReadString("Config", "RDO", "RDO"), "RDO");
    blocked.WriteString("Config", "RDO", "B2");
    EXPECT_THROW(blocked.UpdateFile(), EIniFileException);
    EXPECT_TRUE(fs::is_directory(folderInTheWay));
}

} // namespace
} // namespace tenvik
