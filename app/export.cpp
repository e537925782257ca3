// tenvik-export: the user's days as a calendar file and the year as a printable page,
// from the settings the calendar saved. It needs no display.
#include "core/Clock.h"
#include "export/CalendarEvents.h"
#include "export/CommandLine.h"
#include "export/DayMarks.h"
#include "export/ICalendar.h"
#include "export/IsoDate.h"
#include "settings/FileStore.h"
#include "settings/IniFile.h"
#include "settings/Settings.h"
#include "settings/SettingsFolder.h"
#include "ui/LocaleCapture.h"
#include "ui/YearSheet.h"

#include <QGuiApplication>
#include <QLocale>

#include <chrono>
#include <cstdio>
#include <exception>
#include <string>
#include <string_view>
#include <system_error>
#include <variant>
#include <vector>

namespace {

constexpr const char* ProgramName = "tenvik-export";
constexpr int ExitFailure = 1; // a file could not be written
constexpr int ExitUsage = 2;   // the arguments are wrong; nothing was read or written

void Fail(const std::string& message)
{
    std::fprintf(stderr, "%s: %s\n", ProgramName, message.c_str());
}

bool Write(const std::string& path, std::string_view bytes)
{
    try {
        tenvik::DiskFileStore().Replace(path, bytes);
        return true;
    } catch (const std::system_error& error) {
        Fail("cannot write " + path + ": " + error.code().message());
    } catch (const std::exception& error) {
        Fail("cannot write " + path + ": " + error.what());
    }
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    const tenvik::SystemClock clock;
    const auto parsed = tenvik::ParseExportCommandLine(args, tenvik::TodayDate(clock));
    if (const auto* error = std::get_if<tenvik::CommandLineError>(&parsed)) {
        Fail(error->message);
        return ExitUsage;
    }
    const auto& request = std::get<tenvik::ExportRequest>(parsed);
    if (request.help) {
        std::fputs(tenvik::ExportUsage(ProgramName).c_str(), stdout);
        return 0;
    }

    // The page is drawn with Qt's fonts, which want a platform; offscreen needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    // The calendar wrote the pay-period start in this locale's short date.
    const tenvik::FormatSettings locale = tenvik::CaptureLocaleFormats(QLocale::system());
    const tenvik::IniFile ini(tenvik::FindSettingsPath(tenvik::RoamingConfigBase()));
    tenvik::ExportProfile profile = tenvik::ProfileFromSettings(tenvik::ReadSettings(ini, locale));
    if (request.group)
        profile.group = *request.group;

    int status = 0;
    if (!request.icsPath.empty()) {
        const auto events = tenvik::EventsFor(request.from, request.to, profile, request.kinds);
        const auto now = std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
        if (Write(request.icsPath, tenvik::ICalendarText(events, tenvik::ProfileTitle(profile), now)))
            std::printf("%s: %zu events, %s to %s\n", request.icsPath.c_str(), events.size(),
                        tenvik::FormatIsoDate(request.from).c_str(), tenvik::FormatIsoDate(request.to).c_str());
        else
            status = ExitFailure;
    }
    if (!request.pdfPath.empty()) {
        const QByteArray pdf =
            tenvik::YearSheetPdf(request.year, profile, locale, tenvik::YearSheetPageSize(QLocale::system()));
        if (Write(request.pdfPath, std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size()))))
            std::printf("%s: the year %d\n", request.pdfPath.c_str(), request.year);
        else
            status = ExitFailure;
    }
    return status;
}
