#include "export/CommandLine.h"

#include "export/DayMarks.h"
#include "export/IsoDate.h"

#include <algorithm>
#include <charconv>
#include <utility>

namespace tenvik {
namespace {

constexpr int DefaultRangeDays = 365; // after today, so a year and a day in all

using Failure = CommandLineError;

std::string Quoted(std::string_view text)
{
    return "'" + std::string(text) + "'";
}

// A value of an option, given as "--name VALUE" or "--name=VALUE".
class ArgumentReader {
public:
    explicit ArgumentReader(std::span<const std::string_view> args) : m_args(args) {}

    bool AtEnd() const { return m_next >= m_args.size(); }

    // The next option's name, with any "=VALUE" kept for Value.
    std::string_view NextName()
    {
        std::string_view arg = m_args[m_next++];
        m_inlineValue.reset();
        if (const auto equals = arg.find('='); arg.starts_with("--") && equals != std::string_view::npos) {
            m_inlineValue = arg.substr(equals + 1);
            arg = arg.substr(0, equals);
        }
        return arg;
    }

    bool HasInlineValue() const { return m_inlineValue.has_value(); }

    std::optional<std::string_view> Value()
    {
        if (m_inlineValue)
            return std::exchange(m_inlineValue, std::nullopt);
        // "--ics --pdf x.pdf" lacks the calendar file's name rather than naming it "--pdf".
        if (AtEnd() || m_args[m_next].starts_with("--"))
            return std::nullopt;
        return m_args[m_next++];
    }

private:
    std::span<const std::string_view> m_args;
    std::size_t m_next = 0;
    std::optional<std::string_view> m_inlineValue;
};

std::variant<DayNumber, Failure> DateOption(std::string_view option, std::string_view text)
{
    const auto day = ParseIsoDate(text);
    if (!day)
        return Failure{std::string(option) + ": " + Quoted(text) + " is not a date; write it as yyyy-MM-dd"};
    if (*day < MinViewDate || *day > MaxViewDate)
        return Failure{std::string(option) + ": " + std::string(text) + " is outside the calendar's range, "
                       + FormatIsoDate(MinViewDate) + " to " + FormatIsoDate(MaxViewDate)};
    return *day;
}

std::variant<int, Failure> YearOption(std::string_view text)
{
    int year = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), year);
    const int first = CalendarYear(MinViewDate);
    const int last = CalendarYear(MaxViewDate);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size())
        return Failure{"--year: " + Quoted(text) + " is not a year"};
    if (year < first || year > last)
        return Failure{"--year: " + std::string(text) + " is outside the calendar's range, " + std::to_string(first)
                       + " to " + std::to_string(last)};
    return year;
}

} // namespace

std::variant<ExportRequest, CommandLineError> ParseExportCommandLine(std::span<const std::string_view> args,
                                                                     DayNumber today)
{
    ExportRequest request;
    std::optional<DayNumber> from;
    std::optional<DayNumber> to;
    std::optional<int> year;
    ArgumentReader reader(args);

    while (!reader.AtEnd()) {
        const std::string_view name = reader.NextName();
        const auto flag = [&](bool& field) -> std::optional<Failure> {
            if (reader.HasInlineValue())
                return Failure{std::string(name) + " takes no value"};
            field = false;
            return std::nullopt;
        };
        const auto value = [&](std::string_view what) -> std::variant<std::string_view, Failure> {
            const auto text = reader.Value();
            if (!text || text->empty())
                return Failure{std::string(name) + " needs " + std::string(what)};
            return *text;
        };

        std::optional<Failure> failure;
        if (name == "--help" || name == "-h") {
            request.help = true;
            return request;
        } else if (name == "--ics" || name == "--pdf") {
            auto path = value("a file name");
            if (auto* error = std::get_if<Failure>(&path))
                return *error;
            std::string& field = name == "--ics" ? request.icsPath : request.pdfPath;
            if (!field.empty())
                return Failure{std::string(name) + " is given twice"};
            field = std::get<std::string_view>(path);
        } else if (name == "--from" || name == "--to") {
            auto text = value("a date (yyyy-MM-dd)");
            if (auto* error = std::get_if<Failure>(&text))
                return *error;
            auto day = DateOption(name, std::get<std::string_view>(text));
            if (auto* error = std::get_if<Failure>(&day))
                return *error;
            (name == "--from" ? from : to) = std::get<DayNumber>(day);
        } else if (name == "--year") {
            auto text = value("a year");
            if (auto* error = std::get_if<Failure>(&text))
                return *error;
            auto parsed = YearOption(std::get<std::string_view>(text));
            if (auto* error = std::get_if<Failure>(&parsed))
                return *error;
            year = std::get<int>(parsed);
        } else if (name == "--group") {
            auto text = value("a group (RDO, A1 to A7, B1 to B7)");
            if (auto* error = std::get_if<Failure>(&text))
                return *error;
            const auto code = AssignmentCodeFor(std::get<std::string_view>(text));
            if (!code)
                return Failure{"--group: " + Quoted(std::get<std::string_view>(text))
                               + " is no group; use RDO, A1 to A7 or B1 to B7"};
            request.group = std::string(*code);
        } else if (name == "--no-duty") {
            failure = flag(request.kinds.duty);
        } else if (name == "--no-rdo") {
            failure = flag(request.kinds.rdo);
        } else if (name == "--no-paydays") {
            failure = flag(request.kinds.payday);
        } else if (name == "--no-pay-periods") {
            failure = flag(request.kinds.payPeriodStart);
        } else if (name.starts_with("-")) {
            return Failure{"unknown option " + Quoted(name) + "; see --help"};
        } else {
            return Failure{"unexpected argument " + Quoted(name) + "; see --help"};
        }
        if (failure)
            return *failure;
    }

    if (request.icsPath.empty() && request.pdfPath.empty())
        return Failure{"nothing to write: give --ics FILE, --pdf FILE or both"};
    if ((from || to) && request.icsPath.empty())
        return Failure{"--from and --to set the days of --ics; give --ics FILE too"};

    const DayNumber todayInView = std::clamp(static_cast<DayNumber>(WholeDay(today)), MinViewDate, MaxViewDate);
    if (from || to) {
        request.from = from.value_or(todayInView);
        request.to = to.value_or(std::min(request.from + DefaultRangeDays, MaxViewDate));
        if (request.from > request.to)
            return Failure{"the range ends before it begins: " + FormatIsoDate(request.from) + " to "
                           + FormatIsoDate(request.to)};
    } else if (year) {
        request.from = EncodeDate(*year, 1, 1);
        request.to = EncodeDate(*year, 12, 31);
    } else {
        request.from = todayInView;
        request.to = std::min(todayInView + DefaultRangeDays, MaxViewDate);
    }
    request.year = year.value_or(CalendarYear(todayInView));
    return request;
}

std::string ExportUsage(std::string_view programName)
{
    const std::string name(programName);
    return "Usage: " + name
        + " [--ics FILE] [--pdf FILE] [OPTIONS]\n"
          "Writes your shift calendar from the settings Tenvik saved.\n"
          "\n"
          "  --ics FILE        a calendar file (iCalendar) of your duty days, RDOs, paydays\n"
          "                    and pay-period starts, for any calendar program\n"
          "  --pdf FILE        one page with a whole year, for printing\n"
          "  --from DATE       first day of the calendar file (yyyy-MM-dd; default today)\n"
          "  --to DATE         last day of the calendar file (default 365 days after --from)\n"
          "  --year YEAR       the printed year (default this year); for --ics without\n"
          "                    --from or --to, the calendar file covers this year\n"
          "  --group GROUP     use this group instead of the saved one (RDO, A1-A7, B1-B7)\n"
          "  --no-duty         leave your duty days out of the calendar file\n"
          "  --no-rdo          leave your RDOs out\n"
          "  --no-paydays      leave the paydays out\n"
          "  --no-pay-periods  leave the pay-period starts out\n"
          "  --help            show this text\n"
          "\n"
          "Dates run from 1901-01-01 to 2060-12-31. The settings are read from\n"
          "$XDG_CONFIG_HOME/Quorvell/Tenvik/Tenvik.ini (normally ~/.config/...).\n";
}

} // namespace tenvik
