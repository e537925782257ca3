// Cost of the settings file's two passes on a realistic file, each beside the plainest way
// to move the same bytes measured in the same run: the read pass against one std::ifstream
// read, a Save against one file write with fsync and rename. The file lives in a folder
// under the temporary folder (TMPDIR), so the disk under it decides the Save figures.
#include "settings/Settings.h"

#include <benchmark/benchmark.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using namespace tenvik;

// A file as a user who edited it by hand and saved a few times would have it.
constexpr std::string_view RealisticFile = "; Tenvik settings\n"
                                           "[Config]\n"
                                           "Agency=Fire & Rescue Nord\n"
                                           "RDO=B3\n"
                                           "ShowPaydays=1\n"
                                           "ShowDebit=0\n"
                                           "ShowPayPeriods=1\n"
                                           "PPStart=1/3/2021\n"
                                           "Theme=dark\n"
                                           "\n"
                                           "[Window]\n"
                                           "Left=120\n"
                                           "Top=80\n"
                                           "\n"
                                           "[Colors]\n"
                                           "APlt=Red\n"
                                           "BPlt=#80FF0000\n"
                                           "XPlt=Fuchsia\n"
                                           "LdTr=Silver\n"
                                           "BkGr=White\n";

class BenchFolder {
public:
    BenchFolder()
    {
        std::string pattern = (fs::temp_directory_path() / "tenvik-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::system_error(errno, std::generic_category(), "mkdtemp");
        m_path = pattern;
        benchmark::AddCustomContext("settings folder", m_path.string());
    }
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;
    ~BenchFolder()
    {
        std::error_code ec;
        fs::remove_all(m_path, ec);
    }
    fs::path File(std::string_view name) const { return m_path / name; }

private:
    fs::path m_path;
};

const BenchFolder& Folder()
{
    static const BenchFolder folder;
    return folder;
}

// Made before the benchmarks start, so that the report's header names the folder.
const BenchFolder& TheFolder = Folder();

fs::path FreshFile(std::string_view name)
{
    const fs::path file = TheFolder.File(name);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << RealisticFile;
    return file;
}

void BM_ReadPass(benchmark::State& state)
{
    const fs::path file = FreshFile("read.ini");
    const FormatSettings locale = UsEnglishFormatSettings();
    // A pass opens its own IniFile, as the start-up does: the file is loaded every time.
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadSettings(IniFile{file}, locale));
}
BENCHMARK(BM_ReadPass)->Unit(benchmark::kMicrosecond);

void BM_ReadPass_BaselineIfstream(benchmark::State& state)
{
    const fs::path file = FreshFile("read.ini");
    for (auto _ : state) {
        std::ifstream in(file, std::ios::binary);
        std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(BM_ReadPass_BaselineIfstream)->Unit(benchmark::kMicrosecond);

// Two sets of choices in turn, so that every Save changes every key it writes.
void BM_Save(benchmark::State& state)
{
    const fs::path file = FreshFile("save.ini");
    IniFile ini{file};
    const FormatSettings locale = UsEnglishFormatSettings();
    SettingsRecord choices[2] = {ReadSettings(ini, locale), {}};
    choices[1].agency = "Station Nord";
    choices[1].assignment = "A7";
    std::string agencyOnFile = choices[0].agency;
    std::size_t next = 1;
    for (auto _ : state) {
        WriteSettings(ini, choices[next], agencyOnFile, locale);
        next ^= 1;
    }
}
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Save_BaselineOneWriteFsyncRename(benchmark::State& state)
{
    const fs::path file = FreshFile("plain.ini");
    const fs::path temporary = TheFolder.File("plain.ini.tmp");
    for (auto _ : state) {
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        const bool written = fd >= 0
            && ::write(fd, RealisticFile.data(), RealisticFile.size()) == static_cast<ssize_t>(RealisticFile.size());
        const bool synced = written && ::fsync(fd) == 0;
        const bool closed = fd >= 0 && ::close(fd) == 0;
        if (!synced || !closed || ::rename(temporary.c_str(), file.c_str()) != 0) {
            state.SkipWithError("the plain write failed");
            break;
        }
    }
}
BENCHMARK(BM_Save_BaselineOneWriteFsyncRename)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
