// A Save must write the very bytes that the Save of earlier versions wrote, key by key, over
// the INI fixtures: the files in save-golden/ were made by that Save, once for a Save that
// changes nothing and once for one that changes every key, from the fuzzer's seeds of that
// time and the inputs beside them, the pay-period start since written as an ISO date. (Seeds
// added since, in UTF-16 or with lone CRs, are files that Save used to spoil.)
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

struct GoldenCase {
    fs::path fixture;
    bool changed;
    fs::path golden;
};

std::vector<GoldenCase> GoldenCases()
{
    std::vector<GoldenCase> cases;
    for (const auto& entry : fs::directory_iterator(GoldenFolder)) {
        const fs::path golden = entry.path();
        const fs::path kind = golden.stem().extension(); // ".changed" or ".untouched"
        const std::string name = golden.stem().stem().string() + ".ini";
        if (kind != ".changed" && kind != ".untouched")
            continue;
        const fs::path seed = fs::path{TENVIK_INI_FIXTURE_DIR} / name;
        cases.push_back({fs::exists(seed) ? seed : GoldenFolder / "inputs" / name, kind == ".changed", golden});
    }
    std::sort(cases.begin(), cases.end(), [](const GoldenCase& a, const GoldenCase& b) { return a.golden < b.golden; });
    return cases;
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
    const std::vector<GoldenCase> cases = GoldenCases();
    ASSERT_EQ(cases.size(), 26u);
    for (const GoldenCase& c : cases) {
        SCOPED_TRACE(c.golden.filename().string());
        ASSERT_TRUE(fs::exists(c.fixture)) << c.fixture;
        WriteFileBytes(file, ReadFileBytes(c.fixture));
        const SettingsRecord read = ReadSettings(IniFile{file}, locale);
        std::string agencyOnFile = read.agency;
        IniFile ini{file};
        WriteSettings(ini, c.changed ? EveryKeyChanged() : read, agencyOnFile);
        EXPECT_EQ(ReadFileBytes(file), ReadFileBytes(c.golden));
    }
}

} // namespace
} // namespace tenvik
