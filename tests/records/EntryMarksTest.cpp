#include "records/EntryMarks.h"

#include "RecordsTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace tenvik::records {
namespace {

using namespace testing;

TEST(EntryMarksTest, ADayCarriesOneMarkPerKindItHolds)
{
    const int day = Day(2026, 12, 10);
    const Entry trade = Trade(day, TradeDirection::TheyWorkedForMe, "Dana Ruiz", 24);
    const Entry leave = Leave(day, LeaveKind::Sick, 0); // no hours is still leave taken
    const Entry extra = Extra(day, ExtraKind::Callback, ExtraPay::Banked, 3);
    const Entry note = Note(day, "Station 4");
    struct Case {
        const char* name;
        std::vector<Entry> entries;
        EntryMarks marks;
    };
    const Case cases[] = {
        {"no entries", {}, {}},
        {"another day's only",
         {Note(day + 1, "tomorrow"), Trade(day - 1, TradeDirection::IWorkedForThem, "A", 12)},
         {}},
        {"a trade", {trade}, {.trade = true}},
        {"two trades both ways, one mark",
         {trade, Trade(day, TradeDirection::IWorkedForThem, "Sam Ito", 12, 1)},
         {.trade = true}},
        {"leave", {leave}, {.leave = true}},
        {"extra hours", {extra}, {.extra = true}},
        {"a note among the next day's",
         {Note(day + 1, "x"), note, Leave(day + 1, LeaveKind::Vacation, 24)},
         {.note = true}},
        {"every kind", {note, extra, leave, trade}, {true, true, true, true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const EntryMarks marks = EntryMarksOf(day, c.entries);
        EXPECT_EQ(marks, c.marks);
        EXPECT_EQ(marks.Any(), !(c.marks == EntryMarks{}));
    }
}

} // namespace
} // namespace tenvik::records
