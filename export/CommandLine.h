#pragma once

#include "core/DayNumber.h"
#include "export/CalendarEvents.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

// The arguments of tenvik-export, checked before anything is read or written.
namespace tenvik {

struct ExportRequest {
    bool help = false;
    std::string icsPath; // empty: no calendar file
    std::string pdfPath; // empty: no printed year
    DayNumber from = 0;  // the days of the calendar file, both included
    DayNumber to = 0;
    int year = 0;                     // the printed year
    std::optional<std::string> group; // instead of the saved group; an item of AssignmentCodes
    EventKinds kinds;
};

struct CommandLineError {
    std::string message; // one line, without the program's name
};

// args are the arguments after the program's name; today fixes the default range (today
// and the next 365 days) and the default year.
std::variant<ExportRequest, CommandLineError> ParseExportCommandLine(std::span<const std::string_view> args,
                                                                     DayNumber today);

std::string ExportUsage(std::string_view programName);

} // namespace tenvik
