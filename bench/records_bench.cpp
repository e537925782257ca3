// Cost of reading the user's records and of the summaries made from them, on a database
// of a busy member's twenty years: 5,000 entries from 2006 to 2025 (trades, leave, extra
// hours and notes, some with long texts). Reading a month is timed beside the plainest
// query over the same rows, measured in the same run. The file lives in a folder under
// the temporary folder (TMPDIR); after the first read it is in the page cache, as it is
// for the window, which keeps its connection open.
#include "records/EntryStore.h"
#include "records/RecordsFile.h"
#include "records/Statement.h"
#include "records/Summary.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>

namespace {

namespace fs = std::filesystem;
using namespace tenvik;
using namespace tenvik::records;

constexpr int EntryCount = 5000;

int DayOf(int year, int month, int day)
{
    return static_cast<int>(WholeDay(EncodeDate(year, month, day)));
}

class BenchRecords {
public:
    BenchRecords()
    {
        std::mt19937 random(5000);
        m_folder = fs::temp_directory_path() / ("tenvik-records-bench-" + std::to_string(random()));
        fs::create_directories(m_folder);
        m_opened = OpenRecords(m_folder / RecordsFileName, Moment{{2026, 12, 11}, 3, 0, 0});
        const int first = DayOf(2006, 1, 1);
        const int days = DayOf(2025, 12, 31) - first + 1;
        const char* colleagues[] = {"Anna Berg", "Bob O'Neil", "Chloé Martin", "Dieter Groß", "Eve", "Farid"};
        std::vector<Entry> entries;
        for (int i = 0; i < EntryCount; ++i) {
            Entry entry;
            entry.id = i + 1;
            entry.day = first + static_cast<int>(random() % static_cast<unsigned>(days));
            entry.kind = static_cast<EntryKind>(random() % 4);
            entry.hours = Hours::Whole(entry.kind == EntryKind::Note ? 0 : 4 + static_cast<int>(random() % 21));
            if (entry.kind == EntryKind::Trade) {
                entry.colleague = colleagues[random() % 6];
                entry.direction = static_cast<TradeDirection>(random() % 2);
            }
            entry.leave = static_cast<LeaveKind>(random() % 5);
            entry.extra = static_cast<ExtraKind>(random() % 2);
            entry.pay = static_cast<ExtraPay>(random() % 2);
            entry.text = entry.kind == EntryKind::Note ? std::string(20 + random() % 300, 'n') : std::string();
            entries.push_back(entry);
        }
        m_opened.store->AddAll(entries);
    }
    ~BenchRecords()
    {
        m_opened.store.reset();
        std::error_code ignored;
        fs::remove_all(m_folder, ignored);
    }
    EntryStore& Store() { return *m_opened.store; }

private:
    fs::path m_folder;
    OpenedRecords m_opened;
};

BenchRecords& Records()
{
    static BenchRecords records;
    return records;
}

// A different month each time, so no one month's pages are favoured.
int MonthStart(std::int64_t iteration)
{
    return DayOf(2006 + static_cast<int>(iteration / 12 % 20), 1 + static_cast<int>(iteration % 12), 1);
}

void BM_ReadMonthEntries(benchmark::State& state)
{
    EntryStore& store = Records().Store();
    std::int64_t i = 0;
    std::size_t rows = 0;
    for (auto _ : state) {
        const int first = MonthStart(i++);
        const auto entries = store.EntriesBetween(first, first + 30);
        rows += entries.size();
        benchmark::DoNotOptimize(entries.data());
    }
    state.counters["entries/month"] = static_cast<double>(rows) / static_cast<double>(i);
}
BENCHMARK(BM_ReadMonthEntries);

// The same rows by the plainest query: prepared, stepped, their day read and nothing built.
void BM_ReadMonthEntries_BaselineBareQuery(benchmark::State& state)
{
    EntryStore& store = Records().Store();
    std::int64_t i = 0;
    for (auto _ : state) {
        const int first = MonthStart(i++);
        Statement select(store.connection(), "SELECT day FROM entries WHERE day BETWEEN ?1 AND ?2");
        select.Bind(1, first).Bind(2, first + 30);
        std::int64_t sum = 0;
        while (select.Step())
            sum += select.Int64(0);
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_ReadMonthEntries_BaselineBareQuery);

// The summary of a year as the window shows it: the year's entries read, the pay periods,
// leave taken and each kind's balance, and the trade balances over all the entries.
void BM_YearSummary(benchmark::State& state)
{
    EntryStore& store = Records().Store();
    UserProfile profile;
    profile.group = "B3";
    profile.payPeriodStart = DayOf(2005, 12, 25);
    const LeaveAccount account{Hours::Whole(120), Hours::Whole(6)};
    std::int64_t i = 0;
    for (auto _ : state) {
        const int year = 2006 + static_cast<int>(i++ % 20);
        const auto yearEntries = store.EntriesBetween(DayOf(year, 1, 1) - 14, DayOf(year, 12, 31) + 14);
        const auto periods = PayPeriodsOfYear(yearEntries, profile, DefaultShiftLength, year);
        const auto taken = LeaveTakenIn(yearEntries, year);
        for (const LeaveKind kind : AllLeaveKinds)
            benchmark::DoNotOptimize(LeaveBalanceOf(yearEntries, kind, account, year, DayOf(year, 6, 30), profile));
        const auto balances = TradeBalances(store.AllTrades());
        benchmark::DoNotOptimize(periods.data());
        benchmark::DoNotOptimize(taken.data());
        benchmark::DoNotOptimize(balances.data());
    }
}
BENCHMARK(BM_YearSummary)->Unit(benchmark::kMillisecond);

// The pure part of it: the pay periods of a year from entries already read.
void BM_PayPeriodsOfYear(benchmark::State& state)
{
    UserProfile profile;
    profile.group = "B3";
    const auto entries = Records().Store().EntriesBetween(DayOf(2024, 1, 1) - 14, DayOf(2024, 12, 31) + 14);
    for (auto _ : state)
        benchmark::DoNotOptimize(PayPeriodsOfYear(entries, profile, DefaultShiftLength, 2024).data());
}
BENCHMARK(BM_PayPeriodsOfYear);

} // namespace
