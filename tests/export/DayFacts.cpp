// Prints what the core rules say about each day of a range, one line a day, for the
// scripts that check the exported files against the rules:
//   2027-01-05 X A 0 -      (date, shift code for the group, platoon, payday, pay period starting)
// Usage: tenvik_day_facts GROUP PPSTART FROM TO   (dates as yyyy-mm-dd)
#include "core/DayNumber.h"
#include "core/Payday.h"
#include "core/Rotation.h"

#include <cstdio>
#include <optional>
#include <string>

namespace {

std::optional<tenvik::DayNumber> Parse(const char* text)
{
    int year = 0;
    int month = 0;
    int day = 0;
    if (std::sscanf(text, "%d-%d-%d", &year, &month, &day) != 3)
        return std::nullopt;
    return tenvik::TryEncodeDate(year, month, day);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s GROUP PPSTART FROM TO\n", argv[0]);
        return 2;
    }
    const std::string group = argv[1];
    const auto payPeriodStart = Parse(argv[2]);
    const auto from = Parse(argv[3]);
    const auto to = Parse(argv[4]);
    if (!payPeriodStart || !from || !to) {
        std::fprintf(stderr, "bad date\n");
        return 2;
    }
    for (tenvik::DayNumber d = *from; d <= *to; d += 1) {
        const tenvik::CivilDate date = tenvik::DecodeDate(d);
        const auto code = static_cast<char>(tenvik::ShiftCodeFor(d, group));
        const auto platoon = static_cast<char>(tenvik::ShiftCodeFor(d, "RDO"));
        const std::string period =
            tenvik::IsPayPeriodStart(d, *payPeriodStart) ? tenvik::PayPeriodLabel(d, *payPeriodStart) : "-";
        std::printf("%04d-%02d-%02d %c %c %d %s\n", date.year, date.month, date.day, code, platoon,
                    tenvik::IsPayday(d) ? 1 : 0, period.c_str());
    }
    return 0;
}
