#include "export/SavedProfile.h"

#include "SettingsTestSupport.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace tenvik {
namespace {

using testing::CountingFileStore;
using testing::TempFolder;
using testing::WriteFileBytes;

FormatSettings UsLocale()
{
    return UsEnglishFormatSettings();
}

TEST(SavedProfileTest, ReadsTheSettingsOnceAndSaysWhenTheyCannotBeRead)
{
    const TempFolder folder;
    const fs::path file = folder.Path() / "Tenvik.ini";
    CountingFileStore store;

    const SavedProfile missing = LoadSavedProfile(file, UsLocale(), store);
    EXPECT_FALSE(missing.unreadable);
    EXPECT_EQ(missing.profile.group, "RDO");

    WriteFileBytes(file, "[Config]\r\nAgency=Ostrand Fire\r\nRDO=b3\r\nPPStart=1/3/2021\r\n");
    const SavedProfile saved = LoadSavedProfile(file, UsLocale(), store);
    EXPECT_FALSE(saved.unreadable);
    EXPECT_EQ(saved.profile.agency, "Ostrand Fire");
    EXPECT_EQ(saved.profile.group, "B3");
    EXPECT_EQ(saved.profile.payPeriodStart, EncodeDate(2021, 1, 3));
    EXPECT_TRUE(saved.unreadableValues.empty());
    EXPECT_EQ(store.Loads(), 2);

    // The file read, but a value in it not: the export says which.
    WriteFileBytes(file, "[Config]\nRDO=b3\nPPStart=20.12.2020\n");
    const SavedProfile misread = LoadSavedProfile(file, UsLocale(), store);
    EXPECT_FALSE(misread.unreadable);
    EXPECT_EQ(misread.profile.group, "B3");
    EXPECT_EQ(misread.profile.payPeriodStart, DefaultPayPeriodStart);
    ASSERT_EQ(misread.unreadableValues.size(), 1u);
    EXPECT_EQ(misread.unreadableValues[0].key, "PPStart");
    EXPECT_EQ(misread.unreadableValues[0].text, "20.12.2020");

    // A folder in the file's place, as a file this user may not read would be.
    fs::remove(file);
    fs::create_directory(file);
    const SavedProfile unreadable = LoadSavedProfile(file, UsLocale(), store);
    ASSERT_TRUE(unreadable.unreadable);
    EXPECT_EQ(unreadable.profile.group, "RDO");
    EXPECT_EQ(unreadable.profile.agency, DefaultAgencyName);
}

} // namespace
} // namespace tenvik
