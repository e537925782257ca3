// A settings file of many megabytes, made by a broken program or by hand: the read pass must
// fit in memory a small multiple of the file's size and go on with the defaults whatever
// fails while the file is taken apart. Each case runs in a process whose address space is
// limited to what it has plus a margin, so that a memory cost per line shows as a failure.
#include "ChildProcess.h"

#include "settings/Settings.h"

#include "../settings/SettingsTestSupport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sys/resource.h>

namespace fs = std::filesystem;

namespace tenvik {
namespace {

using testing::ChildProcess;
using testing::Ending;
using testing::TempFolder;

#if defined(__SANITIZE_ADDRESS__)
constexpr bool AddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool AddressSanitizer = true;
#else
constexpr bool AddressSanitizer = false;
#endif
#else
constexpr bool AddressSanitizer = false;
#endif

constexpr std::size_t MiB = 1024 * 1024;

// The address space the process holds now, and the limit that grants it `margin` more.
bool LimitAddressSpaceTo(std::size_t margin)
{
    std::ifstream statm("/proc/self/statm");
    std::size_t pages = 0;
    if (!(statm >> pages))
        return false;
    const std::size_t limit = pages * static_cast<std::size_t>(::sysconf(_SC_PAGESIZE)) + margin;
    const rlimit lowered{limit, limit};
    return ::setrlimit(RLIMIT_AS, &lowered) == 0;
}

void WriteFileOf(const fs::path& file, std::string_view head, std::string_view line, std::size_t bytes)
{
    std::ofstream out(file, std::ios::binary);
    out << head;
    std::string block;
    while (block.size() < 64 * 1024)
        block += line;
    for (std::size_t written = 0; written < bytes; written += block.size())
        out << block;
}

enum Outcome { ReadAsStored = 0, ReadAsDefaults = 1, ReadWrongly = 2, LimitUnavailable = 77 };

class LargeFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (AddressSanitizer)
            GTEST_SKIP() << "AddressSanitizer needs more address space than any limit would leave";
    }
    fs::path File() const { return m_folder.Path() / "Tenvik.ini"; }

    // Reads the file (and saves it, when asked) with `margin` bytes of address space to spare.
    int ReadWithin(std::size_t margin, bool save = false) const
    {
        ChildProcess child{[&] {
            if (!LimitAddressSpaceTo(margin))
                return int{LimitUnavailable};
            const FormatSettings locale = UsEnglishFormatSettings();
            const SettingsRecord values = ReadSettings(IniFile{File()}, locale);
            if (save) {
                IniFile ini{File()};
                std::string agencyOnFile = values.agency;
                WriteSettings(ini, values, agencyOnFile);
            }
            if (values.assignment == "A4" && values.showPaydays)
                return int{ReadAsStored};
            return values.assignment == "RDO" && !values.showPaydays ? int{ReadAsDefaults} : int{ReadWrongly};
        }};
        const int status = child.Wait();
        EXPECT_TRUE(WIFEXITED(status)) << Ending(status);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

private:
    TempFolder m_folder;
};

TEST_F(LargeFileTest, SixteenMegabytesOfBlankLinesReadAndSaveInLittleMoreThanTheirSize)
{
    WriteFileOf(File(), "[Config]\nRDO=A4\nShowPaydays=1\n", "\n", 16 * MiB);
    EXPECT_EQ(ReadWithin(48 * MiB), ReadAsStored);
    EXPECT_EQ(ReadWithin(80 * MiB, true), ReadAsStored);
    const std::string saved = testing::ReadFileBytes(File());
    EXPECT_TRUE(saved.starts_with("[Config]\nRDO=A4\nShowPaydays=1\nShowDebit=0\n")) << saved.substr(0, 80);
    EXPECT_GE(saved.size(), 16 * MiB);
}

// A file that does not fit leaves the calendar with its defaults, as one that cannot be read.
TEST_F(LargeFileTest, AFileThatDoesNotFitReadsAsTheDefaults)
{
    WriteFileOf(File(), "[Config]\nRDO=A4\nShowPaydays=1\n", "k=\n", 16 * MiB);
    EXPECT_EQ(ReadWithin(24 * MiB), ReadAsDefaults);
}

} // namespace
} // namespace tenvik
