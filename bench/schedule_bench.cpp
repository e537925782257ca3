// Cost of the schedule rules and of the month grid over the whole range the calendar
// shows, so that a change to either can be compared with what came before.
#include "core/DayNumber.h"
#include "core/MonthGrid.h"
#include "core/Payday.h"
#include "core/Rotation.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

using namespace tenvik;

constexpr std::int64_t DisplayableDays = static_cast<std::int64_t>(MaxViewDate - MinViewDate) + 1;

// Every rule the refresh pass asks of a day, for every day from January 1901 to December 2060.
void BM_ScheduleRulesForEveryDay(benchmark::State& state)
{
    for (auto _ : state) {
        for (DayNumber d = MinViewDate; d <= MaxViewDate; ++d) {
            benchmark::DoNotOptimize(ShiftCodeFor(d, "A3"));
            benchmark::DoNotOptimize(RdoLabelFor(d));
            benchmark::DoNotOptimize(IsPayday(d));
            benchmark::DoNotOptimize(IsPayPeriodStart(d, DefaultPayPeriodStart));
            benchmark::DoNotOptimize(PayPeriodLabel(d, DefaultPayPeriodStart));
        }
    }
    state.SetItemsProcessed(state.iterations() * DisplayableDays);
}
BENCHMARK(BM_ScheduleRulesForEveryDay)->Unit(benchmark::kMillisecond);

// The clamp and the 42-day grid for every month of the range, as each month step stores them.
void BM_MonthGridForEveryMonth(benchmark::State& state)
{
    std::vector<DayNumber> monthDays;
    for (DayNumber d = MinViewDate; d <= MaxViewDate; d = MonthStep(d, 1))
        monthDays.push_back(d);

    for (auto _ : state) {
        for (const DayNumber d : monthDays)
            benchmark::DoNotOptimize(ComputeViewDate(d));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(monthDays.size()));
}
BENCHMARK(BM_MonthGridForEveryMonth)->Unit(benchmark::kMicrosecond);

} // namespace
