// tenvik-export: the user's days as a calendar file and the year as a printable page,
// from the settings the calendar saved, and the user's own entries as CSV files. It runs
// where there is no desktop (cron, ssh, a server): it needs no display, makes no settings
// folder, and writes only the files it is asked for. Reading an entries CSV back in is
// the one task that writes the records, and may make their folder.
#include "app/ExportCommandLine.h"
#include "app/ExportRecords.h"
#include "app/PublishWords.h"
#include "app/TextOutput.h"
#include "bridge/FilePath.h"
#include "bridge/LocaleCapture.h"
#include "core/Clock.h"
#include "core/IsoDate.h"
#include "core/Profile.h"
#include "export/CalendarEvents.h"
#include "export/CommandLine.h"
#include "export/Feeds.h"
#include "export/ICalendar.h"
#include "export/OutputFile.h"
#include "export/PublishFolder.h"
#include "export/SavedProfile.h"
#include "print/YearSheet.h"
#include "records/EntriesCsv.h"
#include "records/RecordsFile.h"
#include "settings/FileStore.h"
#include "settings/SettingsFolder.h"
#include "settings/SystemErrorText.h"
#include "translations/EventWords.h"
#include "translations/Translations.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QGuiApplication>
#include <QLocale>

#include <chrono>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <variant>

namespace {

using namespace tenvik;

constexpr int ExitFailure = 1; // a file could not be written or read, or an import was refused
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

SavedProfile LoadProfile(const std::filesystem::path& settingsPath, const ExportRequest& request,
                         const FormatSettings& locale, const FileStore& store)
{
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
    if (request.agency)
        saved.profile.agency = AgencyOrDefault(*request.agency);
    if (request.payPeriodStart)
        saved.profile.payPeriodStart = *request.payPeriodStart;
    return saved;
}

records::Moment Now()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    return {CivilDate{date.year(), date.month(), date.day()}, time.hour(), time.minute(), time.second()};
}

// Opens the records as the window does, migrations and the day's backup included. A file
// set aside or written by a later version is reported; the caller then goes no further.
std::optional<records::OpenedRecords> OpenRecordsFile(const std::filesystem::path& path)
{
    try {
        records::OpenedRecords opened = records::OpenRecords(path, Now());
        switch (opened.report.state) {
        case records::OpenReport::State::Opened:
        case records::OpenReport::State::Created:
            return opened;
        case records::OpenReport::State::SetAside:
            // The window offers a backup only when it finds the damage itself; once a new
            // file stands in the old one's place, the way back is the newest backup by hand.
            if (opened.report.backups.empty())
                Say(ProgramName,
                    QCoreApplication::translate("tenvik-export",
                                                "your records %1 were damaged and have been set aside "
                                                "as %2; there is no backup of them")
                        .arg(DisplayPathOf(path), DisplayPathOf(opened.report.setAsidePath)));
            else
                Say(ProgramName,
                    QCoreApplication::translate("tenvik-export",
                                                "your records %1 were damaged and have been set aside as %2; the "
                                                "newest backup is %3: to go back to it, close Tenvik and copy it "
                                                "over %1")
                        .arg(DisplayPathOf(path), DisplayPathOf(opened.report.setAsidePath),
                             DisplayPathOf(opened.report.backups.front())));
            return opened;
        case records::OpenReport::State::TooNew:
            break;
        }
        Say(ProgramName,
            QCoreApplication::translate("tenvik-export",
                                        "your records %1 were written by a later version of Tenvik and are left "
                                        "as they are")
                .arg(DisplayPathOf(path)));
    } catch (const std::exception& error) {
        Say(ProgramName,
            QCoreApplication::translate("tenvik-export", "cannot open your records %1: %2")
                .arg(DisplayPathOf(path), QString::fromLocal8Bit(error.what())));
    }
    return std::nullopt;
}

// Every entry, read without making anything: no records file, no entries.
std::optional<std::vector<records::Entry>> ReadEntries(const std::filesystem::path& settingsPath)
{
    const std::filesystem::path path = records::RecordsPathBeside(settingsPath);
    std::error_code error;
    if (std::filesystem::status(path, error).type() == std::filesystem::file_type::not_found)
        return std::vector<records::Entry>{};
    auto opened = OpenRecordsFile(path);
    // A file set aside leaves empty records, which must not replace the user's CSV files.
    if (!opened || opened->report.state == records::OpenReport::State::SetAside)
        return std::nullopt;
    try {
        return opened->store->AllEntries();
    } catch (const std::exception& failure) {
        Say(ProgramName,
            QCoreApplication::translate("tenvik-export", "cannot open your records %1: %2")
                .arg(DisplayPathOf(path), QString::fromLocal8Bit(failure.what())));
    }
    return std::nullopt;
}

QString IsoText(DayNumber day)
{
    return QString::fromStdString(FormatIsoDate(day));
}

#ifdef TENVIK_PUBLISH
QString PublishSummary(std::size_t changed)
{
    const int n = static_cast<int>(changed);
    //: %1: the folder, %2: the number of feeds, %3 and %4: the first and last day they cover
    return QCoreApplication::translate("tenvik-export", "%1: %2 feeds and index.html, %3 to %4; %n file(s) changed",
                                       nullptr, n);
}

// Why a publish failed, and what members are served meanwhile.
QString PublishFailure(const QString& folder, const QString& why)
{
    if (PublishedGeneration(FilePathOf(folder)))
        return QCoreApplication::translate("tenvik-export", "cannot publish to %1: %2; the last publish stays in place")
            .arg(folder, why);
    return QCoreApplication::translate("tenvik-export", "cannot publish to %1: %2; nothing was published")
        .arg(folder, why);
}

// Every feed and the page into a new generation of the folder, switched in at once.
int Publish(const ExportCommand& command, const UserProfile& profile, const QString& language)
{
    const ExportRequest& request = command.request;
    const FeedWindow window{request.from, request.to};
    const std::vector<Feed> feeds = PublishedFeeds();
    const EventPhrases phrases = TranslatedEventPhrases();
    const FeedNames names = TranslatedFeedNames();
    std::vector<PublishedFile> files;
    for (const Feed& feed : feeds)
        files.push_back({feed.fileName, FeedText(feed, window, profile, phrases, names)});
    try {
        files.push_back({"index.html",
                         FeedPageHtml(PublishPageTexts(language, profile.agency, window), request.baseUrl,
                                      PublishPageSections(feeds))});
        const PublishOutcome outcome = PublishFolder(FilePathOf(command.publishName), files);
        Print(stdout,
              PublishSummary(outcome.changed)
                      .arg(command.publishName, QString::number(feeds.size()), IsoText(window.first),
                           IsoText(window.last))
                  + u'\n');
        return 0;
    } catch (const PublishError& error) {
        QString why;
        if (error.problem == PublishProblem::NotALink)
            why = QCoreApplication::translate("tenvik-export",
                                              "it is a folder or file that --publish did not make; move it away "
                                              "or publish to another name");
        else if (error.problem == PublishProblem::Busy)
            why = QCoreApplication::translate("tenvik-export",
                                              "another publish into %1 is still under way; try again when it has "
                                              "ended")
                      .arg(DisplayPathOf(error.path));
        else
            why = QCoreApplication::translate("tenvik-export", "%1: %2")
                      .arg(DisplayPathOf(error.path), QString::fromUtf8(SystemErrorText(error.code)));
        Say(ProgramName, PublishFailure(command.publishName, why));
    } catch (const std::exception& error) {
        Say(ProgramName, PublishFailure(command.publishName, QString::fromLocal8Bit(error.what())));
    }
    return ExitFailure;
}
#endif

int Export(const ExportCommand& command, const QString& language)
{
    const ExportRequest& request = command.request;
    // The calendar wrote the pay-period start in this locale's short date.
    const FormatSettings locale = CaptureLocaleFormats(QLocale::system());
    DiskFileStore store;
    // Found without making a folder: the export only reads.
    const std::filesystem::path settingsPath = LocateSettingsPath(RoamingConfigBase());
    const SavedProfile saved = LoadProfile(settingsPath, request, locale, store);
    const UserProfile& profile = saved.profile;
#ifdef TENVIK_PUBLISH
    if (request.publish)
        return Publish(command, profile, language);
#endif
    (void)language;
    for (const ExportNotice notice : NoticesFor(request, profile))
        Say(ProgramName, NoticeText(notice));

    std::vector<records::Entry> entries;
    if (NeedsRecords(request)) {
        auto read = ReadEntries(settingsPath);
        if (!read)
            return ExitFailure;
        entries = std::move(*read);
    }

    // When standard output carries a file, the summary goes to standard error.
    bool outputTaken = false;
    for (const QString* name :
         {&command.icsName, &command.pdfName, &command.entriesCsvName, &command.payPeriodsCsvName})
        outputTaken = outputTaken || IsStandardOutput(FilePathOf(*name));
    std::FILE* const summary = outputTaken ? stderr : stdout;

    int status = 0;
    if (request.calendar) {
        auto events = EventsFor(request.from, request.to, profile, request.kinds, TranslatedEventPhrases());
        if (request.withEntries) {
            AddEntryEvents(events, EntryEventTexts(entries), request.from, request.to,
                           EntryEventCategory().toStdString());
        }
        const auto now = std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
        if (Write(command.icsName, ICalendarText(events, ProfileTitle(profile), now), store))
            Print(summary,
                  QCoreApplication::translate("tenvik-export", "%1: %2, %3 to %4\n")
                      .arg(ShownName(command.icsName), EventCount(events.size()), IsoText(request.from),
                           IsoText(request.to)));
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
    if (request.entriesCsv) {
        const int n = static_cast<int>(entries.size());
        if (Write(command.entriesCsvName, records::EntriesToCsv(entries), store))
            Print(summary,
                  QCoreApplication::translate("tenvik-export", "%1: %n entry(s)\n", nullptr, n)
                      .arg(ShownName(command.entriesCsvName)));
        else
            status = ExitFailure;
    }
    if (request.payPeriodsCsv) {
        const auto periods = PayPeriodsFor(request, entries, profile, records::Hours::Whole(saved.shiftHours));
        const int n = static_cast<int>(periods.size());
        if (Write(command.payPeriodsCsvName, records::PayPeriodsToCsv(periods), store)) {
            QString line = QCoreApplication::translate("tenvik-export", "%1: %n pay period(s)", nullptr, n)
                               .arg(ShownName(command.payPeriodsCsvName));
            if (!periods.empty())
                line = QCoreApplication::translate("tenvik-export", "%1, %2 to %3")
                           .arg(line, IsoText(periods.front().first), IsoText(periods.back().last));
            Print(summary, line + u'\n');
        } else {
            status = ExitFailure;
        }
    }
    return status;
}

// An entries CSV into the records: checked whole before the records are opened, so that
// a wrong file makes no folder and no database.
int Import(const ExportCommand& command)
{
    const bool fromInput = command.importName == QLatin1StringView(StandardOutputName);
    const QString shown =
        fromInput ? QCoreApplication::translate("tenvik-export", "standard input") : command.importName;
    std::string text;
    if (fromInput) {
        text.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
    } else {
        QFile file(command.importName);
        if (!file.open(QIODevice::ReadOnly)) {
            Say(ProgramName,
                QCoreApplication::translate("tenvik-export", "cannot read %1: %2").arg(shown, file.errorString()));
            return ExitFailure;
        }
        text = file.readAll().toStdString();
    }
    const auto refuse = [&](const QString& why) {
        Say(ProgramName, QCoreApplication::translate("tenvik-export", "cannot import %1: %2").arg(shown, why));
        return ExitFailure;
    };
    if (const auto read = records::EntriesFromCsv(text); const auto* problem = std::get_if<records::CsvProblem>(&read))
        return refuse(CsvProblemText(*problem));

    std::filesystem::path path;
    try {
        path = records::RecordsPathBeside(FindSettingsPath(RoamingConfigBase()));
    } catch (const std::exception& error) {
        return refuse(QString::fromLocal8Bit(error.what()));
    }
    auto opened = OpenRecordsFile(path);
    if (!opened)
        return ExitFailure;
    try {
        const auto imported = ImportEntries(*opened->store, text, command.request.addToEntries);
        if (const auto* why = std::get_if<QString>(&imported))
            return refuse(*why);
        const int n = static_cast<int>(std::get<std::size_t>(imported));
        Print(stdout,
              QCoreApplication::translate("tenvik-export", "%1: %n entry(s) imported into %2\n", nullptr, n)
                  .arg(shown, DisplayPathOf(path)));
    } catch (const std::exception& error) {
        return refuse(QString::fromLocal8Bit(error.what()));
    }
    return 0;
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
    return command.request.importCsv ? Import(command) : Export(command, translations.language());
}
