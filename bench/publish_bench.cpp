// Cost of publishing a department's feeds: every group's, both platoons' and the
// paydays' calendar over two years, and their page with its seventeen QR codes, written
// as a new generation of the folder and switched in (each file and both folders synced to
// the disk). Beside it, in the same run: making the same bytes without writing them, and
// writing the same bytes to as many files, one write each, with nothing else. The
// folders live under the temporary folder (TMPDIR).
#include "core/DayNumber.h"
#include "export/FeedPage.h"
#include "export/Feeds.h"
#include "export/PublishFolder.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace tenvik;

const FeedWindow TwoYears{EncodeDate(2027, 1, 1), EncodeDate(2028, 12, 31)};

std::vector<PublishedFile> Files()
{
    const UserProfile profile;
    const std::vector<Feed> feeds = PublishedFeeds();
    std::vector<PublishedFile> files;
    PageSection section{"Feeds", {}};
    for (const Feed& feed : feeds) {
        files.push_back({feed.fileName, FeedText(feed, TwoYears, profile)});
        section.feeds.push_back({feed.fileName, "The feed's days.", feed.fileName});
    }
    PageTexts texts;
    texts.title = "Velmora Fire: shift calendars";
    texts.subscribeLabel = "Subscribe to %1";
    texts.codeLabel = "QR code of %1: %2";
    files.push_back({"index.html", FeedPageHtml(texts, "https://calendar.velmora-fire.example.org/", {section})});
    return files;
}

class BenchFolder {
public:
    BenchFolder()
    {
        std::random_device random;
        m_path = fs::temp_directory_path() / ("tenvik-publish-bench-" + std::to_string(random()));
        fs::create_directories(m_path);
    }
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;
    ~BenchFolder()
    {
        std::error_code ignored;
        fs::remove_all(m_path, ignored);
    }
    const fs::path& Path() const { return m_path; }

private:
    fs::path m_path;
};

// What a publish computes: the seventeen calendars and the page with its codes.
void BM_MakeFeedsAndPage(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(Files());
}

// The whole publish, as the weekly timer runs it.
void BM_Publish(benchmark::State& state)
{
    const BenchFolder folder;
    for (auto _ : state)
        benchmark::DoNotOptimize(PublishFolder(folder.Path() / "feeds", Files()));
}

// The baseline: the same bytes, each file replaced with one write and nothing else;
// with sync, each also synced to the disk, as the publish does.
void WriteSameBytes(benchmark::State& state, bool sync)
{
    const BenchFolder folder;
    const std::vector<PublishedFile> files = Files();
    for (auto _ : state) {
        for (const PublishedFile& file : files) {
            const fs::path path = folder.Path() / file.name;
            const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
            if (fd < 0 || ::write(fd, file.bytes.data(), file.bytes.size()) != static_cast<ssize_t>(file.bytes.size())
                || (sync && ::fsync(fd) != 0))
                state.SkipWithError("cannot write");
            ::close(fd);
        }
    }
}

void BM_WriteSameBytes(benchmark::State& state)
{
    WriteSameBytes(state, false);
}

void BM_WriteSameBytesSynced(benchmark::State& state)
{
    WriteSameBytes(state, true);
}

BENCHMARK(BM_MakeFeedsAndPage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Publish)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteSameBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteSameBytesSynced)->Unit(benchmark::kMillisecond);

} // namespace
