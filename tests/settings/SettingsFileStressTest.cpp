// Settings files as other programs and other moments leave them: in UTF-16, with classic
// Mac line ends, behind a link that points nowhere yet, beside the leftovers of a killed
// Save.
#include "settings/Settings.h"

#include "SettingsTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace fs = std::filesystem;

namespace tenvik {
namespace {

using testing::ReadFileBytes;
using testing::TempFolder;
using testing::WriteFileBytes;

class SettingsFileStressTest : public ::testing::Test {
protected:
    fs::path File() const { return m_folder.Path() / "Tenvik.ini"; }
    const fs::path& Folder() const { return m_folder.Path(); }
    SettingsRecord Read() const { return ReadSettings(IniFile{File()}, UsEnglishFormatSettings()); }
    void Save(const SettingsRecord& values) const
    {
        IniFile ini{File()};
        std::string agencyOnFile{DefaultAgencyName};
        WriteSettings(ini, values, agencyOnFile);
    }

private:
    TempFolder m_folder;
};

// The bytes of a UTF-16 text with its byte-order mark.
std::string Utf16(std::u16string_view text, bool bigEndian)
{
    std::string bytes;
    for (const char16_t unit : std::u16string{u"\uFEFF"} + std::u16string{text}) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

TEST_F(SettingsFileStressTest, Utf16FilesAreReadAndSavedInTheirOwnEncoding)
{
    for (const bool bigEndian : {false, true}) {
        SCOPED_TRACE(bigEndian ? "UTF-16BE" : "UTF-16LE");
        WriteFileBytes(File(),
                       Utf16(u"; from Notepad\r\n[Config]\r\nAgency=Caf\u00E9 \U0001F692\r\nRDO=b3\r\n"
                             u"ShowPaydays=1\r\n[Colors]\r\nAPlt=Aqua\r\n",
                             bigEndian));
        SettingsRecord values = Read();
        EXPECT_EQ(values.agency, "Caf\xC3\xA9 \xF0\x9F\x9A\x92");
        EXPECT_EQ(values.assignment, "b3");
        EXPECT_TRUE(values.showPaydays);
        EXPECT_EQ(values.aPlt, 0xFF00FFFFu);

        values.agency = "Feuerwehr S\xC3\xBC"
                        "d";
        Save(values);
        EXPECT_EQ(ReadFileBytes(File()),
                  Utf16(u"; from Notepad\r\n[Config]\r\nAgency=Feuerwehr S\u00FCd\r\nRDO=B3\r\nShowPaydays=1\r\n"
                        u"ShowDebit=0\r\nShowPayPeriods=0\r\nPPStart=2020-12-20\r\n[Colors]\r\nAPlt=Aqua\r\n"
                        u"BPlt=Blue\r\nXPlt=Fuchsia\r\nLdTr=Silver\r\nBkGr=White\r\n",
                        bigEndian));
        EXPECT_EQ(Read().agency, values.agency);
    }
}

// What no UTF-8 can say, a surrogate without its partner and a last byte without its
// pair, is kept byte for byte.
TEST_F(SettingsFileStressTest, Utf16FilesKeepWhatTheyCannotReadByteForByte)
{
    const std::u16string unknown = u"[Other]\r\nKey=\xD800x\xDC01\r\n";
    const std::u16string saved = u"[Config]\r\nRDO=RDO\r\nShowPaydays=0\r\nShowDebit=0\r\nShowPayPeriods=0\r\n"
                                 u"PPStart=2020-12-20\r\n[Colors]\r\nAPlt=Red\r\nBPlt=Blue\r\nXPlt=Fuchsia\r\n"
                                 u"LdTr=Silver\r\nBkGr=White\r\n";
    for (const bool bigEndian : {false, true}) {
        SCOPED_TRACE(bigEndian ? "UTF-16BE" : "UTF-16LE");
        WriteFileBytes(File(), Utf16(unknown, bigEndian) + "\x7F");
        Save(Read());
        EXPECT_EQ(ReadFileBytes(File()), Utf16(unknown + saved, bigEndian) + "\x7F");
    }
}

TEST_F(SettingsFileStressTest, ALoneCarriageReturnEndsALineAndSavesKeepTheFilesLineEnds)
{
    struct Case {
        const char* name;
        std::string before;
        std::string after;
    };
    const std::string colours = "APlt=Red|BPlt=Blue|XPlt=Fuchsia|LdTr=Silver|BkGr=White|";
    const auto with = [](std::string text, std::string_view lineEnd) {
        std::string out;
        for (const char c : text)
            out += c == '|' ? std::string{lineEnd} : std::string(1, c);
        return out;
    };
    const Case cases[] = {
        {"classic Mac line ends", "[Config]\rRDO=A5\rShowPaydays=1\r",
         with("[Config]|RDO=A5|ShowPaydays=1|ShowDebit=0|ShowPayPeriods=0|PPStart=2020-12-20|[Colors]|" + colours,
              "\r")},
        {"a lone CR inside a CR LF file", "[Config]\r\nRDO=A5\rShowPaydays=1\r\n",
         "[Config]\r\nRDO=A5\rShowPaydays=1\r\n"
             + with("ShowDebit=0|ShowPayPeriods=0|PPStart=2020-12-20|[Colors]|" + colours, "\r\n")},
        {"a lone CR inside an LF file", "[Config]\nRDO=A5\rShowPaydays=1\n",
         "[Config]\nRDO=A5\rShowPaydays=1\n"
             + with("ShowDebit=0|ShowPayPeriods=0|PPStart=2020-12-20|[Colors]|" + colours, "\n")},
        // The CR ending the added lines must not join the LF of the blank line after them.
        {"an LF line inside a classic Mac file", "[Config]\rRDO=A5\rShowPaydays=1\n\n[Colors]\r",
         "[Config]\rRDO=A5\rShowPaydays=1\nShowDebit=0\rShowPayPeriods=0\rPPStart=2020-12-20\r\n\n[Colors]\r"
             + with(colours, "\r")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteFileBytes(File(), c.before);
        const SettingsRecord values = Read();
        EXPECT_EQ(values.assignment, "A5");
        EXPECT_TRUE(values.showPaydays);
        Save(values);
        EXPECT_EQ(ReadFileBytes(File()), c.after);
    }
}

TEST_F(SettingsFileStressTest, ALinkToAFileNotYetMadeKeepsItsLink)
{
    const fs::path target = Folder() / "dotfiles" / "Tenvik.ini";
    fs::create_directory(target.parent_path());
    std::error_code noLinks;
    fs::create_symlink(target, File(), noLinks);
    if (noLinks)
        GTEST_SKIP() << "this system makes no symbolic links here: " << noLinks.message();
    // Absolute, and relative to the link's own folder.
    for (const fs::path& pointsTo : {target, fs::path{"dotfiles"} / "Tenvik.ini"}) {
        SCOPED_TRACE(pointsTo.string());
        fs::remove(target);
        fs::remove(File());
        fs::create_symlink(pointsTo, File());
        Save(SettingsRecord{});
        EXPECT_TRUE(fs::is_symlink(File()));
        EXPECT_NE(ReadFileBytes(target).find("[Colors]"), std::string::npos);
    }

    // A link into a folder that is gone cannot be saved through, and says so; the link stays.
    fs::remove(File());
    fs::create_symlink(Folder() / "gone" / "Tenvik.ini", File());
    try {
        Save(SettingsRecord{});
        FAIL() << "saved through a link into a missing folder";
    } catch (const EIniFileException& e) {
        EXPECT_EQ(e.WhatFailed(), EIniFileException::Cause::LinkTargetFolderMissing);
        EXPECT_EQ(std::string(e.what()),
                  "Unable to write to " + File().string() + ": it is a link into the folder "
                      + (Folder() / "gone").string() + ", which is missing.");
    }
    EXPECT_TRUE(fs::is_symlink(File()));
    EXPECT_FALSE(fs::exists(Folder() / "gone"));
}

// A Save killed between its temporary file and the rename left that file behind, as large
// as the settings file; the next Save clears it at once, fresh or not.
TEST_F(SettingsFileStressTest, ASaveRemovesTheLeftoversOfAKilledSave)
{
    WriteFileBytes(File(), "[Config]\nRDO=A1\n");
    WriteFileBytes(Folder() / "Tenvik.ini.tmp-0123456789", "[Config]\nRDO=A");
    WriteFileBytes(Folder() / "Other.ini.tmp-0123456789", "not ours");
    Save(SettingsRecord{});
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(Folder()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    names.erase(std::remove(names.begin(), names.end(), "Tenvik.ini.lock"), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Other.ini.tmp-0123456789", "Tenvik.ini"}));
}

} // namespace
} // namespace tenvik
