// Cost of the settings file's two passes, each beside the plainest way to move the same
// bytes measured in the same run: the read pass against one std::ifstream read, a Save
// against one file write with fsync and rename (and, to show what the folder's fsync
// costs, the same with it), on a realistic file and on one of 10 MB. The file lives in a
// folder under the temporary folder (TMPDIR), so the disk under it decides the Save
// figures.
#include "settings/Settings.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

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

// The realistic file followed by ordinary lines the program does not know, 10 MB in all.
const std::string& LargeFile()
{
    static const std::string bytes = [] {
        std::string text{RealisticFile};
        text += "[Notes]\n";
        for (int line = 0; text.size() < 10 * 1024 * 1024; ++line)
            text += "Note" + std::to_string(line) + "=a line another program keeps here\n";
        return text;
    }();
    return bytes;
}

fs::path FreshFile(std::string_view name, std::string_view bytes)
{
    const fs::path file = TheFolder.File(name);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
    return file;
}

// A pass opens its own IniFile, as the start-up does: the file is loaded every time.
void ReadPass(benchmark::State& state, std::string_view bytes)
{
    const fs::path file = FreshFile("read.ini", bytes);
    const FormatSettings locale = UsEnglishFormatSettings();
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadSettings(IniFile{file}, locale));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

void ReadWithIfstream(benchmark::State& state, std::string_view bytes)
{
    const fs::path file = FreshFile("read.ini", bytes);
    for (auto _ : state) {
        std::ifstream in(file, std::ios::binary | std::ios::ate);
        std::string read(static_cast<std::size_t>(in.tellg()), '\0');
        in.seekg(0);
        in.read(read.data(), static_cast<std::streamsize>(read.size()));
        benchmark::DoNotOptimize(read);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

// Two sets of choices in turn, so that every Save changes every key it writes.
void Save(benchmark::State& state, std::string_view bytes)
{
    const fs::path file = FreshFile("save.ini", bytes);
    const FormatSettings locale = UsEnglishFormatSettings();
    SettingsRecord choices[2] = {ReadSettings(IniFile{file}, locale), {}};
    choices[1].agency = "Station Nord";
    choices[1].assignment = "A7";
    std::string agencyOnFile = choices[0].agency;
    std::size_t next = 1;
    for (auto _ : state) {
        IniFile ini{file};
        WriteSettings(ini, choices[next], agencyOnFile);
        next ^= 1;
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

enum class FolderSync { No, Yes };

// One write, fsync and rename of a temporary file over the file (and the folder's fsync).
bool PlainReplace(const fs::path& file, std::string_view bytes, FolderSync folderSync)
{
    const fs::path temporary = fs::path{file} += ".tmp";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    const bool written = fd >= 0 && ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    const bool synced = written && ::fsync(fd) == 0;
    const bool closed = fd >= 0 && ::close(fd) == 0;
    if (!synced || !closed || ::rename(temporary.c_str(), file.c_str()) != 0)
        return false;
    if (folderSync == FolderSync::No)
        return true;
    const int folder = ::open(file.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const bool folderSynced = folder >= 0 && ::fsync(folder) == 0;
    if (folder >= 0)
        ::close(folder);
    return folderSynced;
}

void WriteFsyncRename(benchmark::State& state, std::string_view bytes, FolderSync folderSync)
{
    const fs::path file = FreshFile("plain.ini", bytes);
    for (auto _ : state) {
        if (!PlainReplace(file, bytes, folderSync)) {
            state.SkipWithError("the plain write failed");
            break;
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

void WriteWithOfstream(benchmark::State& state, std::string_view bytes)
{
    const fs::path file = TheFolder.File("plain.ini");
    for (auto _ : state) {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out.flush()) {
            state.SkipWithError("the plain write failed");
            break;
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

void BM_ReadPass(benchmark::State& state)
{
    ReadPass(state, RealisticFile);
}
BENCHMARK(BM_ReadPass)->Unit(benchmark::kMicrosecond);

void BM_ReadPass_BaselineIfstream(benchmark::State& state)
{
    ReadWithIfstream(state, RealisticFile);
}
BENCHMARK(BM_ReadPass_BaselineIfstream)->Unit(benchmark::kMicrosecond);

void BM_Save(benchmark::State& state)
{
    Save(state, RealisticFile);
}
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Save_BaselineOneWriteFsyncRename(benchmark::State& state)
{
    WriteFsyncRename(state, RealisticFile, FolderSync::No);
}
BENCHMARK(BM_Save_BaselineOneWriteFsyncRename)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Save_BaselineOneWriteFsyncRenameFolderFsync(benchmark::State& state)
{
    WriteFsyncRename(state, RealisticFile, FolderSync::Yes);
}
BENCHMARK(BM_Save_BaselineOneWriteFsyncRenameFolderFsync)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ReadPass10MB(benchmark::State& state)
{
    ReadPass(state, LargeFile());
}
BENCHMARK(BM_ReadPass10MB)->Unit(benchmark::kMillisecond);

void BM_ReadPass10MB_BaselineIfstream(benchmark::State& state)
{
    ReadWithIfstream(state, LargeFile());
}
BENCHMARK(BM_ReadPass10MB_BaselineIfstream)->Unit(benchmark::kMillisecond);

void BM_Save10MB(benchmark::State& state)
{
    Save(state, LargeFile());
}
BENCHMARK(BM_Save10MB)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Save10MB_BaselineOfstream(benchmark::State& state)
{
    WriteWithOfstream(state, LargeFile());
}
BENCHMARK(BM_Save10MB_BaselineOfstream)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Save10MB_BaselineOneWriteFsyncRename(benchmark::State& state)
{
    WriteFsyncRename(state, LargeFile(), FolderSync::No);
}
BENCHMARK(BM_Save10MB_BaselineOneWriteFsyncRename)->Unit(benchmark::kMillisecond)->UseRealTime();

// The disk's latency drifts with whatever else the machine writes, so the Save and its
// baselines are also timed in turn, one of each per iteration, and compared by their
// medians: the counters hold the medians in milliseconds and Save's ratio to each.
void BM_SaveInTurnWithItsBaselines(benchmark::State& state)
{
    const fs::path file = FreshFile("turns.ini", RealisticFile);
    const fs::path plain = FreshFile("turns-plain.ini", RealisticFile);
    const FormatSettings locale = UsEnglishFormatSettings();
    SettingsRecord choices[2] = {ReadSettings(IniFile{file}, locale), {}};
    choices[1].agency = "Station Nord";
    std::string agencyOnFile = choices[0].agency;
    std::vector<double> save, baseline, withFolder;
    const auto timed = [](std::vector<double>& into, const auto& step) {
        const auto start = std::chrono::steady_clock::now();
        step();
        into.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    };
    std::size_t next = 1;
    for (auto _ : state) {
        timed(save, [&] {
            IniFile ini{file};
            WriteSettings(ini, choices[next], agencyOnFile);
        });
        next ^= 1;
        timed(baseline, [&] { PlainReplace(plain, RealisticFile, FolderSync::No); });
        timed(withFolder, [&] { PlainReplace(plain, RealisticFile, FolderSync::Yes); });
    }
    const auto median = [](std::vector<double> times) {
        std::nth_element(times.begin(), times.begin() + static_cast<std::ptrdiff_t>(times.size() / 2), times.end());
        return times[times.size() / 2];
    };
    state.counters["Save_ms"] = median(save);
    state.counters["WriteFsyncRename_ms"] = median(baseline);
    state.counters["WithFolderFsync_ms"] = median(withFolder);
    state.counters["Ratio"] = median(save) / median(baseline);
    state.counters["RatioToFolderFsync"] = median(save) / median(withFolder);
}
BENCHMARK(BM_SaveInTurnWithItsBaselines)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

} // namespace
