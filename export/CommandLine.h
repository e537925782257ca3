#pragma once

#include "core/DayNumber.h"
#include "export/CalendarEvents.h"
#include "export/Paper.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

// The choices of tenvik-export, checked before anything is read or written. The command
// line itself is split by the program; this part turns the values it found into days, a
// year, a group and a paper, and names what is wrong with them as facts the program puts
// into words. Besides the calendar file and the printed year, the program writes the
// user's own entries and the pay periods' hours as CSV, and reads such an entries file
// back into the records; that import is a task of its own, never mixed with writing.
namespace tenvik {

// The values as the command line gave them, unchecked.
struct ExportOptions {
    bool calendar = false;      // --ics was given
    bool sheet = false;         // --pdf was given
    bool entriesCsv = false;    // --entries-csv was given
    bool payPeriodsCsv = false; // --pay-periods-csv was given
    bool importCsv = false;     // --import-csv was given
    bool addToEntries = false;  // --add
    bool withEntries = false;   // --with-entries
    bool publish = false;       // --publish was given
    std::optional<std::string> baseUrl;
    std::optional<std::string> agency;
    std::optional<std::string> payPeriodStart;
    std::optional<std::string> from;
    std::optional<std::string> to;
    std::optional<std::string> year;
    std::optional<std::string> group;
    std::optional<std::string> paper;
    EventKinds kinds;
};

struct ExportRequest {
    bool calendar = false;
    bool sheet = false;
    bool entriesCsv = false;
    bool payPeriodsCsv = false;
    bool importCsv = false;
    bool addToEntries = false;               // an import adds to the entries already there
    bool withEntries = false;                // the calendar file carries the entries too
    bool publish = false;                    // every group's feed and their page into a folder
    std::string baseUrl;                     // with publish: the folder's address, a FeedBaseUrl
    std::optional<std::string> agency;       // instead of the saved agency
    std::optional<DayNumber> payPeriodStart; // instead of the saved start
    DayNumber from = 0;                      // the days of the calendar file or the feeds, both included
    DayNumber to = 0;
    // --from or --to chose the days: the pay periods CSV then covers them rather than the year.
    bool rangeGiven = false;
    int year = 0;                     // the printed year
    std::optional<std::string> group; // instead of the saved group; an item of AssignmentCodes
    std::optional<Paper> paper;       // nothing: the environment's
    EventKinds kinds;
};

enum class OptionProblem {
    NothingToWrite,         // no output and no import
    RangeWithoutCalendar,   // --from or --to without --ics or --pay-periods-csv
    EntriesWithoutCalendar, // --with-entries without --ics
    AddWithoutImport,       // --add without --import-csv
    ImportWithOutput,       // --import-csv together with a file to write
    NotADate,               // option, value
    DateOutsideCalendar,    // option, value; first and last are the calendar's range
    NotAYear,               // value
    YearOutsideCalendar,    // value; first and last are the calendar's range
    NotAGroup,              // value
    NotAPaper,              // value
    RangeReversed,          // first and last are the range asked for
    PublishWithOutput,      // --publish together with another file to write
    ChoiceWithPublish,      // option: one that shapes one's own calendar (--group, --no-rdo ...) with --publish
    PublishWithoutBaseUrl,  // --publish without --base-url
    BaseUrlWithoutPublish,  // --base-url without --publish
    NotABaseUrl,            // value
    PublishUnavailable,     // --publish in a build without it (Windows)
};

struct OptionError {
    OptionProblem problem = OptionProblem::NothingToWrite;
    std::string option; // "--from", "--year" ...
    std::string value;  // as given
    DayNumber first = 0;
    DayNumber last = 0;
};

// today fixes the default range (today and the CalendarFileDays after it; for --publish the
// DefaultFeedWindow) and the default year.
std::variant<ExportRequest, OptionError> CheckExportOptions(const ExportOptions& options, DayNumber today);

// Whether the request reads the user's records: the entries CSV, the pay periods' hours
// and a calendar file with the entries.
bool NeedsRecords(const ExportRequest& request);

// What an export that goes ahead leaves out without being asked to.
enum class ExportNotice {
    NoGroup,        // no group saved or given: no duty days and no RDOs
    BeforeSchedule, // every day asked for lies before the RDO schedule begins
};

std::vector<ExportNotice> NoticesFor(const ExportRequest& request, const UserProfile& profile);

} // namespace tenvik
