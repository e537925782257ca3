// tenvik-export: the user's days as a calendar file and the year as a printable page,
// from the settings the calendar saved. It runs where there is no desktop (cron, ssh, a
// server): it needs no display, makes no settings folder, and writes only the files it is
// asked for.
#include "app/ExportCommandLine.h"
#include "app/TextOutput.h"
#include "bridge/FilePath.h"
#include "bridge/LocaleCapture.h"
#include "core/Clock.h"
#include "core/Profile.h"
#include "export/CalendarEvents.h"
#include "export/CommandLine.h"
#include "export/ICalendar.h"
#include "export/IsoDate.h"
#include "export/OutputFile.h"
#include "export/SavedProfile.h"
#include "print/YearSheet.h"
#include "settings/FileStore.h"
#include "settings/SettingsFolder.h"
#include "settings/SystemErrorText.h"
#include "translations/EventWords.h"
#include "translations/Translations.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLocale>

#include <chrono>
#include <cstdio>
#include <exception>
#include <string>
#include <string_view>
#include <system_error>
#include <variant>

namespace {

using namespace tenvik;

constexpr int ExitFailure = 1; // a file could not be written
constexpr int ExitUsage = 2;   // the arguments are wrong; nothing was read or written
const QString ProgramName = QStringLiteral("tenvik-export");

// Qt looks for a Flatpak marker in the session's runtime folder while the application
// object starts, and warns where there is no session (cron, ssh, a service) although the
// export needs none. That one warning is dropped; every other message passes.
QtMessageHandler PreviousHandler = nullptr;

void DropRuntimeFolderWarning(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && message.startsWith(u"QStandardPaths: XDG_RUNTIME_DIR not set"))
        return;
    if (PreviousHandler != nullptr)
        PreviousHandler(type, context, message);
}

QString ShownName(const QString& name)
{
    return IsStandardOutput(FilePathOf(name)) ? QCoreApplication::translate("tenvik-export", "standard output") : name;
}

bool Write(const QString& name, std::string_view bytes, FileStore& store)
{
    try {
        const auto path = FilePathOf(name);
        if (IsStandardOutput(path))
            WriteStandardOutput(bytes);
        else
            WriteOutputFile(path, bytes, store);
        return true;
    } catch (const std::system_error& error) {
        Say(ProgramName,
            QCoreApplication::translate("tenvik-export", "cannot write %1: %2")
                .arg(ShownName(name), QString::fromUtf8(SystemErrorText(error.code()))));
    } catch (const std::exception& error) {
        Say(ProgramName,
            QCoreApplication::translate("tenvik-export", "cannot write %1: %2")
                .arg(ShownName(name), QString::fromLocal8Bit(error.what())));
    }
    return false;
}

QString NoticeText(ExportNotice notice)
{
    switch (notice) {
    case ExportNotice::NoGroup:
        return QCoreApplication::translate("tenvik-export",
                                           "no assignment group is set: duty days and RDOs are left out; choose "
                                           "one with --group or in Settings");
    case ExportNotice::BeforeSchedule:
        return QCoreApplication::translate("tenvik-export",
                                           "the RDO schedule begins on 2012-01-17: no duty days before it");
    }
    return {};
}

QString EventCount(std::size_t count)
{
    // English takes its plural forms from a translation too ("1 event", "2 events").
    const int n = static_cast<int>(count);
    return QCoreApplication::translate("tenvik-export", "%n event(s)", nullptr, n);
}

UserProfile LoadProfile(const ExportRequest& request, const FormatSettings& locale, const FileStore& store)
{
    // Found without making a folder: the export only reads.
    const std::filesystem::path settingsPath = LocateSettingsPath(RoamingConfigBase());
    SavedProfile saved = LoadSavedProfile(settingsPath, locale, store);
    if (saved.unreadable) {
        Say(ProgramName,
            QCoreApplication::translate("tenvik-export", "cannot read the settings %1: %2; the defaults are used")
                .arg(DisplayPathOf(settingsPath), QString::fromUtf8(SystemErrorText(*saved.unreadable))));
    }
    for (const UnreadableValue& value : saved.unreadableValues) {
        //: %1 is a key of the settings file (PPStart), %2 its value there, %3 the file, %4 the
        //: value used instead, as the file would hold it (2020-12-20)
        Say(ProgramName,
            QCoreApplication::translate("tenvik-export", "cannot read %1=%2 in the settings %3; %4 is used")
                .arg(QString::fromStdString(value.key), QString::fromStdString(value.text), DisplayPathOf(settingsPath),
                     QString::fromStdString(value.used)));
    }
    if (request.group)
        saved.profile.group = *request.group;
    return saved.profile;
}

int Export(const ExportCommand& command)
{
    const ExportRequest& request = command.request;
    // The calendar wrote the pay-period start in this locale's short date.
    const FormatSettings locale = CaptureLocaleFormats(QLocale::system());
    DiskFileStore store;
    const UserProfile profile = LoadProfile(request, locale, store);
    for (const ExportNotice notice : NoticesFor(request, profile))
        Say(ProgramName, NoticeText(notice));

    // When standard output carries a file, the summary goes to standard error.
    const bool outputTaken =
        IsStandardOutput(FilePathOf(command.icsName)) || IsStandardOutput(FilePathOf(command.pdfName));
    std::FILE* const summary = outputTaken ? stderr : stdout;

    int status = 0;
    if (request.calendar) {
        const auto events = EventsFor(request.from, request.to, profile, request.kinds, TranslatedEventPhrases());
        const auto now = std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
        if (Write(command.icsName, ICalendarText(events, ProfileTitle(profile), now), store))
            Print(summary,
                  QCoreApplication::translate("tenvik-export", "%1: %2, %3 to %4\n")
                      .arg(ShownName(command.icsName), EventCount(events.size()),
                           QString::fromStdString(FormatIsoDate(request.from)),
                           QString::fromStdString(FormatIsoDate(request.to))));
        else
            status = ExitFailure;
    }
    if (request.sheet) {
        const Paper paper = request.paper.value_or(UserPaper());
        const QByteArray pdf = YearSheetPdf(request.year, profile, locale, PageSizeOf(paper));
        if (Write(command.pdfName, std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())), store))
            Print(summary,
                  QCoreApplication::translate("tenvik-export", "%1: the year %2 on %3 paper\n")
                      .arg(ShownName(command.pdfName), QString::number(request.year),
                           QString::fromLatin1(PaperName(paper))));
        else
            status = ExitFailure;
    }
    return status;
}

} // namespace

int main(int argc, char* argv[])
{
    // The export never opens a window. Qt's offscreen platform lays out the page's text with
    // no display, whatever platform the desktop session would name.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    PreviousHandler = qInstallMessageHandler(DropRuntimeFolderWarning);
    QGuiApplication app(argc, argv);
    const Translations translations(QLocale::system());

    const SystemClock clock;
    ExportCommandLine commandLine;
    const auto parsed = commandLine.parse(QCoreApplication::arguments(), TodayDate(clock));
    if (const auto* error = std::get_if<UsageError>(&parsed)) {
        Say(ProgramName, error->message);
        return ExitUsage;
    }
    const auto& command = std::get<ExportCommand>(parsed);
    switch (command.action) {
    case ExportCommand::Action::Help:
        Print(stdout, commandLine.helpText());
        return 0;
    case ExportCommand::Action::Version:
        Print(stdout, VersionLine(ProgramName) + u'\n');
        return 0;
    case ExportCommand::Action::Export:
        break;
    }
    return Export(command);
}
