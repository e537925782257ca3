#include "export/OutputFile.h"

#include "OutputFileTestSupport.h"
#include "SettingsTestSupport.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace tenvik {
namespace {

using testing::ReadFileBytes;
using testing::TempFolder;
using testing::WriteFileBytes;

TEST(OutputFileTest, APlainFileIsMadeOrReplacedWhole)
{
    const TempFolder folder;
    DiskFileStore store;
    const fs::path file = folder.Path() / "year.ics";
    WriteOutputFile(file, "first", store);
    EXPECT_EQ(ReadFileBytes(file), "first");
    WriteOutputFile(file, "second", store);
    EXPECT_EQ(ReadFileBytes(file), "second");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), fs::directory_iterator()), 1);

    // The store's own failure reaches the caller; the old file stays whole.
    testing::FailingFileStore full(1);
    EXPECT_EQ(ErrorOf([&] { WriteOutputFile(file, "third", full); }), std::errc::no_space_on_device);
    EXPECT_EQ(ReadFileBytes(file), "second");
}

TEST(OutputFileTest, AFolderIsRefusedAsAFolder)
{
    const TempFolder folder;
    DiskFileStore store;
    const fs::path existing = folder.Path() / "folder";
    fs::create_directory(existing);
    for (const fs::path& name : {existing, existing / "", folder.Path() / "missing" / ""}) {
        SCOPED_TRACE(name.string());
        EXPECT_EQ(ErrorOf([&] { WriteOutputFile(name, "x", store); }), std::errc::is_a_directory);
    }
    EXPECT_TRUE(fs::is_empty(existing));
    EXPECT_FALSE(fs::exists(folder.Path() / "missing"));
}

TEST(OutputFileTest, SameOutputComparesFilesNotNames)
{
    const TempFolder folder;
    WriteFileBytes(folder.Path() / "year", "x");
    fs::create_directory(folder.Path() / "sub");
    const auto in = [&](const char* name) { return folder.Path() / name; };
    struct Case {
        fs::path first;
        fs::path second;
        bool same;
    };
    const Case cases[] = {
        {"-", "-", true},
        {in("year"), in("year"), true},
        {in("year"), in("sub/../year"), true},
        {in("new"), in("sub/../new"), true}, // neither there yet: the same place
        {in("year"), in("other"), false},
        {in("new"), in("sub/new"), false},
        {"-", in("year"), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.first.string() + " " + c.second.string());
        EXPECT_EQ(SameOutput(c.first, c.second), c.same);
        EXPECT_EQ(SameOutput(c.second, c.first), c.same);
    }
    EXPECT_FALSE(fs::exists(in("new")));
    EXPECT_TRUE(IsStandardOutput("-"));
    EXPECT_FALSE(IsStandardOutput(in("-")));
}

} // namespace
} // namespace tenvik
