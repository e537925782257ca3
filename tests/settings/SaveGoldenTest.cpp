// A Save must write the very bytes that the Save of earlier versions wrote, key by key, over
// every INI fixture: the files in save-golden/ were made by that Save, once for a Save that
// changes nothing and once for one that changes every key.
#include "settings/Settings.h"

#include "SettingsTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace fs = std::filesystem;

namespace tenvik {
namespace {

using testing::ReadFileBytes;
using testing::TempFolder;
using testing::WriteFileBytes;

const fs::path GoldenFolder{TENVIK_SAVE_GOLDEN_DIR};

std::vector<fs::path> Fixtures()
{
    std::vector<fs::path> files;
    for (const fs::path& folder : {fs::path{TENVIK_INI_FIXTURE_DIR}, GoldenFolder / "inputs"}) {
        for (const auto& entry : fs::directory_iterator(folder))
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

SettingsRecord EveryKeyChanged()
{
    SettingsRecord values;
    values.agency = "Station S\xC3\xBC"
                    "d";
    values.assignment = "B7";
    values.showPaydays = values.showDebit = values.showPayPeriods = true;
    values.payPeriodStart = 44185 + 42;
    values.aPlt = 0xFF00FFFF;
    values.bPlt = 0x80FF0000;
    values.xPlt = 0xFF000080;
    values.ldTr = 0xFF000000;
    values.bkGr = 0xFFF5F5DC;
    return values;
}

TEST(SaveGolden, ASaveWritesWhatTheKeyByKeySaveWrote)
{
    const TempFolder folder;
    const fs::path file = folder.Path() / "Tenvik.ini";
    const FormatSettings locale = UsEnglishFormatSettings();
    const std::vector<fs::path> fixtures = Fixtures();
    ASSERT_GE(fixtures.size(), 10u);
    for (const fs::path& fixture : fixtures) {
        for (const bool changed : {false, true}) {
            const fs::path golden =
                GoldenFolder / (fixture.stem().string() + (changed ? ".changed.ini" : ".untouched.ini"));
            SCOPED_TRACE(golden.filename().string());
            ASSERT_TRUE(fs::exists(golden));
            WriteFileBytes(file, ReadFileBytes(fixture));
            const SettingsRecord read = ReadSettings(IniFile{file}, locale);
            std::string agencyOnFile = read.agency;
            IniFile ini{file};
            WriteSettings(ini, changed ? EveryKeyChanged() : read, agencyOnFile, locale);
            EXPECT_EQ(ReadFileBytes(file), ReadFileBytes(golden));
        }
    }
}

} // namespace
} // namespace tenvik
