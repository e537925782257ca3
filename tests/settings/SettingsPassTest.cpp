#include "settings/Settings.h"

#include "SettingsTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace fs = std::filesystem;

namespace tenvik {
namespace {

using testing::CountingFileStore;
using testing::DefaultSettingsFile;
using testing::FailingFileStore;
using testing::NewFileText;
using testing::ReadFileBytes;
using testing::TempFolder;
using testing::WriteFileBytes;

class SettingsPassTest : public ::testing::Test {
protected:
    fs::path File() const { return m_folder.Path() / "Tenvik.ini"; }
    void Given(std::string_view bytes) const { WriteFileBytes(File(), bytes); }
    std::string FileText() const { return ReadFileBytes(File()); }

    SettingsRecord Read() const { return ReadSettings(IniFile{File()}, m_locale); }
    // One Save: the agency is compared with what the file was last given.
    void Save(const SettingsRecord& values)
    {
        IniFile ini{File()};
        WriteSettings(ini, values, m_agencyOnFile);
    }
    std::string& AgencyOnFile() { return m_agencyOnFile; }

private:
    TempFolder m_folder;
    FormatSettings m_locale = UsEnglishFormatSettings();
    std::string m_agencyOnFile{DefaultAgencyName};
};

void ExpectDefaults(const SettingsRecord& values)
{
    EXPECT_EQ(values.agency, "Velmora Fire");
    EXPECT_EQ(values.assignment, "RDO");
    EXPECT_FALSE(values.showPaydays);
    EXPECT_FALSE(values.showDebit);
    EXPECT_FALSE(values.showPayPeriods);
    EXPECT_EQ(values.payPeriodStart, 44185);
    EXPECT_EQ(values.shiftHours, 24);
    EXPECT_EQ(values.aPlt, 0xFFFF0000u);
    EXPECT_EQ(values.bPlt, 0xFF0000FFu);
    EXPECT_EQ(values.xPlt, 0xFFFF00FFu);
    EXPECT_EQ(values.ldTr, 0xFFC0C0C0u);
    EXPECT_EQ(values.bkGr, 0xFFFFFFFFu);
}

TEST_F(SettingsPassTest, FirstSaveOfTheDefaultsWritesEveryKeyButTheAgency)
{
    const SettingsRecord values = Read();
    ExpectDefaults(values);
    EXPECT_FALSE(fs::exists(File()));

    Save(values);

    EXPECT_EQ(FileText(), NewFileText(DefaultSettingsFile));
}

// The read pass once loaded the whole file for each of its eleven keys, and a Save loaded
// and replaced it once per key.
TEST_F(SettingsPassTest, TheReadPassLoadsTheFileOnceAndASaveLoadsAndReplacesItOnce)
{
    Given("[Config]\nRDO=B3\nShowPaydays=1\n[Colors]\nAPlt=Aqua\n");
    CountingFileStore store;
    IniFile ini{File(), store};
    SettingsRecord values = ReadSettings(ini, UsEnglishFormatSettings());
    EXPECT_EQ(store.Loads(), 1);
    EXPECT_EQ(values.assignment, "B3");
    EXPECT_TRUE(values.showPaydays);
    EXPECT_EQ(values.aPlt, 0xFF00FFFFu);

    // The Save sets its keys in the file as it is then, never in the copy the reads were
    // served from, and the reads after it see what it wrote.
    Given("[Config]\nRDO=B3\nShowPaydays=1\nTheme=dark\n[Colors]\nAPlt=Aqua\n");
    values.agency = "Ostmark Fire";
    std::string agencyOnFile{DefaultAgencyName};
    WriteSettings(ini, values, agencyOnFile);
    EXPECT_EQ(store.Loads(), 2);
    EXPECT_EQ(store.Replaces(), 1);
    EXPECT_EQ(ini.ReadString("Config", "Theme", "<default>"), "dark");
    EXPECT_EQ(ReadSettings(ini, UsEnglishFormatSettings()).agency, "Ostmark Fire");
    EXPECT_EQ(store.Loads(), 2);
}

TEST_F(SettingsPassTest, EverySavedValueReadsBack)
{
    SettingsRecord values;
    values.agency = "Fire & Rescue Nord";
    values.assignment = "B3";
    values.showPaydays = true;
    values.showPayPeriods = true;
    values.payPeriodStart = 45000;
    values.aPlt = 0xFF008080;
    values.bPlt = 0x80FF0000; // no name: stored as #80FF0000
    values.xPlt = 0x00000000;
    values.ldTr = 0xFFA9A9A9;
    values.bkGr = 0xFF000000;
    Save(values);

    const SettingsRecord back = Read();
    EXPECT_EQ(back.agency, values.agency);
    EXPECT_EQ(back.assignment, "B3");
    EXPECT_TRUE(back.showPaydays);
    EXPECT_FALSE(back.showDebit);
    EXPECT_TRUE(back.showPayPeriods);
    EXPECT_EQ(back.payPeriodStart, 45000);
    for (const ColorRoleInfo& info : ColorRoles)
        EXPECT_EQ(back.Color(info.role), values.Color(info.role)) << info.key;
    EXPECT_NE(FileText().find(NewFileText("BPlt=#80FF0000\n")), std::string::npos);
}

// The marks switch and the shift length came later: a file whose user never changed them
// keeps the bytes earlier versions wrote, and once one is written it is written always.
TEST_F(SettingsPassTest, MarksAndShiftLengthAreWrittenOnceTheyLeaveTheirDefaults)
{
    SettingsRecord values;
    Save(values);
    EXPECT_EQ(FileText().find("EntryMarks"), std::string::npos);
    EXPECT_EQ(FileText().find("ShiftHours"), std::string::npos);

    values.showEntryMarks = false;
    values.shiftHours = 12;
    Save(values);
    EXPECT_NE(FileText().find(NewFileText("PPStart=2020-12-20\nEntryMarks=0\nShiftHours=12\n[Colors]")),
              std::string::npos)
        << FileText();
    SettingsRecord back = Read();
    EXPECT_FALSE(back.showEntryMarks);
    EXPECT_EQ(back.shiftHours, 12);

    // Back to the defaults: written as such, not dropped.
    Save(SettingsRecord{});
    EXPECT_NE(FileText().find(NewFileText("EntryMarks=1\nShiftHours=24\n")), std::string::npos) << FileText();
    back = Read();
    EXPECT_TRUE(back.showEntryMarks);
    EXPECT_EQ(back.shiftHours, 24);
    EXPECT_TRUE(back.unreadable.empty());
}

TEST_F(SettingsPassTest, ASaveKeepsWhatTheProgramDoesNotKnow)
{
    Given("\xEF\xBB\xBF; Tenvik settings, edited by hand\r\n"
          "[config]\r\n"
          "rdo = a3\r\n"
          "Theme=dark\r\n"
          "\r\n"
          "[Network]\r\n"
          "Proxy=none\r\n"
          "[Colors]\r\n"
          "APlt=Cyan\r\n"
          "BPlt=#80FF0000\r\n"
          "Extra=1\r\n");
    const SettingsRecord values = Read();
    EXPECT_EQ(AssignmentIndexFor(values.assignment), 3);
    Save(values);

    EXPECT_EQ(FileText(),
              "\xEF\xBB\xBF; Tenvik settings, edited by hand\r\n"
              "[config]\r\n"
              "rdo = A3\r\n"
              "Theme=dark\r\n"
              "ShowPaydays=0\r\n"
              "ShowDebit=0\r\n"
              "ShowPayPeriods=0\r\n"
              "PPStart=2020-12-20\r\n"
              "\r\n"
              "[Network]\r\n"
              "Proxy=none\r\n"
              "[Colors]\r\n"
              "APlt=Aqua\r\n"
              "BPlt=#80FF0000\r\n"
              "Extra=1\r\n"
              "XPlt=Fuchsia\r\n"
              "LdTr=Silver\r\n"
              "BkGr=White\r\n");
}

TEST_F(SettingsPassTest, StoredValuesReadAsTheirRulesSay)
{
    struct Case {
        const char* line; // under its section
        const char* section;
        void (*check)(const SettingsRecord&);
    };
    const Case cases[] = {
        {"ShowPaydays=2", "Config", [](const SettingsRecord& v) { EXPECT_TRUE(v.showPaydays); }},
        {"ShowPaydays=0x1", "Config", [](const SettingsRecord& v) { EXPECT_TRUE(v.showPaydays); }},
        {"ShowPaydays=true", "Config", [](const SettingsRecord& v) { EXPECT_FALSE(v.showPaydays); }},
        {"ShowPaydays=", "Config", [](const SettingsRecord& v) { EXPECT_FALSE(v.showPaydays); }},
        {"ShowDebit=1", "Config", [](const SettingsRecord& v) { EXPECT_TRUE(v.showDebit); }},
        {"Agency=", "Config", [](const SettingsRecord& v) { EXPECT_EQ(v.agency, ""); }},
        {"PPStart=20.12.2021", "Config", [](const SettingsRecord& v) { EXPECT_EQ(v.payPeriodStart, 44185); }},
        {"PPStart=2021-12-19", "Config", [](const SettingsRecord& v) { EXPECT_EQ(v.payPeriodStart, 44549); }},
        // A shift is 1 to 48 hours; anything else is the usual 24.
        {"ShiftHours=12", "Config", [](const SettingsRecord& v) { EXPECT_EQ(v.shiftHours, 12); }},
        {"ShiftHours=48", "Config", [](const SettingsRecord& v) { EXPECT_EQ(v.shiftHours, 48); }},
        {"ShiftHours=49", "Config", [](const SettingsRecord& v) { EXPECT_EQ(v.shiftHours, 24); }},
        {"ShiftHours=0", "Config", [](const SettingsRecord& v) { EXPECT_EQ(v.shiftHours, 24); }},
        {"ShiftHours=10.5", "Config", [](const SettingsRecord& v) { EXPECT_EQ(v.shiftHours, 24); }},
        {"ShiftHours=", "Config", [](const SettingsRecord& v) { EXPECT_EQ(v.shiftHours, 24); }},
        {"EntryMarks=0", "Config", [](const SettingsRecord& v) { EXPECT_FALSE(v.showEntryMarks); }},
        {"EntryMarks=1", "Config", [](const SettingsRecord& v) { EXPECT_TRUE(v.showEntryMarks); }},
        {"EntryMarks=", "Config", [](const SettingsRecord& v) { EXPECT_TRUE(v.showEntryMarks); }},
        {"APlt=Cyan", "Colors", [](const SettingsRecord& v) { EXPECT_EQ(v.aPlt, 0xFF00FFFFu); }},
        {"APlt=#FF0000", "Colors", [](const SettingsRecord& v) { EXPECT_EQ(v.aPlt, 0x00FF0000u); }},
        // A colour that cannot be read keeps its role's default, and the rest still reads.
        {"APlt=Rouge\nBPlt=Green", "Colors",
         [](const SettingsRecord& v) {
             EXPECT_EQ(v.aPlt, 0xFFFF0000u);
             EXPECT_EQ(v.bPlt, 0xFF008000u);
         }},
        {"XPlt=", "Colors", [](const SettingsRecord& v) { EXPECT_EQ(v.xPlt, 0xFFFF00FFu); }},
        {"BkGr=rebeccapurple", "Colors", [](const SettingsRecord& v) { EXPECT_EQ(v.bkGr, 0xFFFFFFFFu); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        Given(std::string("[") + c.section + "]\n" + c.line + "\n");
        c.check(Read());
    }

    Given("[Config]\nAgency=" + std::string(3000, 'a') + "\n");
    EXPECT_EQ(Read().agency, std::string(2047, 'a'));
}

TEST_F(SettingsPassTest, AssignmentSelectsAnItemAndSavesItsText)
{
    struct Case {
        const char* stored;
        int index;
        const char* saved;
    };
    const Case cases[] = {
        {"RDO", 0, "RDO"}, {"", 0, "RDO"},   {"rdo", 0, "RDO"}, {"a3", 3, "A3"},     {"A7", 7, "A7"},
        {"b7", 14, "B7"},  {"C1", 0, "RDO"}, {"B8", 0, "RDO"},  {"B1 B2", 0, "RDO"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        EXPECT_EQ(AssignmentIndexFor(c.stored), c.index);
        Given(std::string("[Config]\nRDO=") + c.stored + "\n");
        Save(Read());
        EXPECT_EQ(IniFile{File()}.ReadString("Config", "RDO", "<missing>"), c.saved);
    }
}

TEST_F(SettingsPassTest, AgencyIsWrittenOnlyWhenItDiffersFromTheFile)
{
    Given("[Config]\nAgency=Velmora Fire\n");
    SettingsRecord values = Read();
    AgencyOnFile() = values.agency;

    values.agency = "Ostmark Fire";
    Save(values);
    EXPECT_EQ(Read().agency, "Ostmark Fire");
    EXPECT_EQ(AgencyOnFile(), "Ostmark Fire");

    // Typed back to the start-up text in the same run: the file holds another agency, so
    // it is written again and the next start shows what the user saw.
    values.agency = "Velmora Fire";
    Save(values);
    EXPECT_EQ(Read().agency, "Velmora Fire");

    // Unchanged: the key is left alone, whatever another program put there meanwhile.
    IniFile elsewhere{File()};
    elsewhere.WriteString("Config", "Agency", "Edited Elsewhere");
    elsewhere.UpdateFile();
    Save(values);
    EXPECT_EQ(Read().agency, "Edited Elsewhere");

    values.agency = "";
    Save(values);
    EXPECT_EQ(Read().agency, "");
    EXPECT_NE(FileText().find("Agency=\n"), std::string::npos);
}

// A Save is one replacement of the file: when it fails, no key of it is in the file, and
// the agency it would have written still counts as unsaved.
TEST_F(SettingsPassTest, ASaveThatFailsChangesNothing)
{
    const std::string before = "[Config]\n"
                               "Agency=Velmora Fire\n"
                               "RDO=A1\n"
                               "PPStart=12/20/2020\n"
                               "[Colors]\n"
                               "APlt=Red\n";
    Given(before);
    SettingsRecord values = Read();
    values.agency = "Ostmark Fire";
    values.assignment = "B2";
    values.showPaydays = values.showDebit = values.showPayPeriods = true;
    values.payPeriodStart = 44549;
    for (const ColorRoleInfo& info : ColorRoles)
        values.Color(info.role) = 0xFF123456;

    FailingFileStore store{1};
    IniFile ini{File(), store};
    std::string agencyOnFile = "Velmora Fire";
    try {
        WriteSettings(ini, values, agencyOnFile);
        FAIL() << "the failed write must reach the caller";
    } catch (const EIniFileException& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + File().string());
    }
    EXPECT_EQ(store.Replaces(), 1);
    EXPECT_EQ(agencyOnFile, "Velmora Fire");
    EXPECT_EQ(FileText(), before);
}

TEST_F(SettingsPassTest, ADateSavedUnderOneLocaleReadsAsTheSameDayUnderAnother)
{
    FormatSettings german = UsEnglishFormatSettings();
    german.ShortDateFormat = "dd.MM.yyyy";
    FormatSettings british = UsEnglishFormatSettings();
    british.ShortDateFormat = "dd/MM/yyyy";
    FormatSettings cLocale = UsEnglishFormatSettings(); // a program run by cron, with no LANG
    cLocale.ShortDateFormat = "d MMM yyyy";

    SettingsRecord values;
    values.payPeriodStart = 44170; // 5 December 2020
    Save(values);
    EXPECT_NE(FileText().find(NewFileText("PPStart=2020-12-05\n")), std::string::npos) << FileText();
    for (const FormatSettings& locale : {UsEnglishFormatSettings(), german, british, cLocale}) {
        SCOPED_TRACE(locale.ShortDateFormat);
        const SettingsRecord read = ReadSettings(IniFile{File()}, locale);
        EXPECT_EQ(read.payPeriodStart, 44170);
        EXPECT_TRUE(read.unreadable.empty());
    }

    // A file of the old kind, in the short date of the locale that wrote it: read as ever
    // where that locale reads it; where none does, the default, and the read says so.
    Given("[Config]\nPPStart=12/5/2020\n");
    EXPECT_EQ(Read().payPeriodStart, 44170);
    EXPECT_TRUE(Read().unreadable.empty());
    for (const FormatSettings& locale : {german, cLocale}) {
        SCOPED_TRACE(locale.ShortDateFormat);
        const SettingsRecord read = ReadSettings(IniFile{File()}, locale);
        EXPECT_EQ(read.payPeriodStart, 44185);
        ASSERT_EQ(read.unreadable.size(), 1u);
        EXPECT_EQ(read.unreadable[0].key, "PPStart");
        EXPECT_EQ(read.unreadable[0].text, "12/5/2020");
        EXPECT_EQ(read.unreadable[0].used, "2020-12-20");
    }
}

TEST_F(SettingsPassTest, ValuesPresentButUnreadableAreListedWithTheDefaultTaken)
{
    struct Case {
        const char* lines; // the file's
        std::vector<UnreadableValue> listed;
    };
    const Case cases[] = {
        {"[Config]\nShowPaydays=true\nShowDebit=yes\nShowPayPeriods=0x1\n",
         {{"ShowPaydays", "true", "0"}, {"ShowDebit", "yes", "0"}}},
        {"[Config]\nRDO=C1\n", {{"RDO", "C1", "RDO"}}},
        // The marks switch is on unless the file says otherwise.
        {"[Config]\nEntryMarks=no\nShiftHours=49\n", {{"EntryMarks", "no", "1"}, {"ShiftHours", "49", "24"}}},
        {"[Config]\nShiftHours=10.5\n", {{"ShiftHours", "10.5", "24"}}},
        {"[Config]\nPPStart=2/30/2021\n", {{"PPStart", "2/30/2021", "2020-12-20"}}},
        {"[Colors]\nAPlt=Rouge\nBPlt=Green\nBkGr=rebeccapurple\n",
         {{"APlt", "Rouge", "Red"}, {"BkGr", "rebeccapurple", "White"}}},
        // Missing and empty values are unset rather than wrong; these all read.
        {"[Config]\nRDO=rdo\nShowPaydays=\nPPStart=\nAgency=\n[Colors]\nXPlt=\n", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lines);
        Given(c.lines);
        const SettingsRecord read = Read();
        ASSERT_EQ(read.unreadable.size(), c.listed.size());
        for (std::size_t i = 0; i < c.listed.size(); ++i) {
            EXPECT_EQ(read.unreadable[i].key, c.listed[i].key);
            EXPECT_EQ(read.unreadable[i].text, c.listed[i].text);
            EXPECT_EQ(read.unreadable[i].used, c.listed[i].used);
        }
    }
}

TEST_F(SettingsPassTest, BadFilesGiveTheDefaults)
{
    std::string huge = "[Config]\n";
    while (huge.size() < 10 * 1024 * 1024)
        huge += "; " + std::string(200, '.') + "\n";
    const std::string files[] = {
        "",
        std::string("\0\xFF\x01[\n=\n]\r\r\n\x80", 12),
        huge,
        "[Config\nRDO=B7\nShowPaydays=1\n",
        "[Config]\nRDO\nShowPaydays\n[Colors]\nAPlt\n",
        "[Config]\nAgency=\xFF\xFE\nRDO=\xC3\x28\nPPStart=\xE2\x82\n[Colors]\nAPlt=\xED\xA0\x80\n",
    };
    for (const std::string& bytes : files) {
        SCOPED_TRACE(bytes.substr(0, 20));
        Given(bytes);
        SettingsRecord values = Read();
        // Text values come back as stored, readable or not; the window makes them safe.
        EXPECT_EQ(AssignmentIndexFor(values.assignment), 0);
        values.agency = DefaultAgencyName;
        values.assignment = "RDO";
        ExpectDefaults(values);
    }
}

} // namespace
} // namespace tenvik
