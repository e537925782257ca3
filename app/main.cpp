// The calendar program: opens the one window and runs until it closes. --help and
// --version answer without a display.
#include "app/FirstFrameReport.h"
#include "app/TextOutput.h"
#include "app/WindowCommandLine.h"
#include "bridge/LocaleCapture.h"
#include "core/Clock.h"
#include "settings/FileStore.h"
#include "settings/SettingsFolder.h"
#include "translations/Translations.h"
#include "ui/AppIdentity.h"
#include "ui/Main.h"

#include <QApplication>
#include <QLocale>
#include <QMessageBox>

#include <optional>
#include <variant>

namespace {

constexpr int ExitUsage = 2;
const QString ProgramName = QStringLiteral("tenvik");

// Prints what the command asks for and gives the exit code, or nothing when the window is
// to open.
std::optional<int> AnswerCommandLine(const QStringList& arguments)
{
    tenvik::WindowCommandLine commandLine;
    const auto parsed = commandLine.parse(arguments);
    if (const auto* error = std::get_if<tenvik::WindowUsageError>(&parsed)) {
        tenvik::Say(ProgramName, error->message);
        return ExitUsage;
    }
    switch (std::get<tenvik::WindowCommand>(parsed).action) {
    case tenvik::WindowCommand::Action::Help:
        tenvik::Print(stdout, commandLine.helpText());
        return 0;
    case tenvik::WindowCommand::Action::Version:
        tenvik::Print(stdout, tenvik::VersionLine(ProgramName) + u'\n');
        return 0;
    case tenvik::WindowCommand::Action::Run:
        break;
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char* argv[])
{
    // A window needs a display; a text does not, so it is answered before one is opened.
    if (tenvik::WindowCommandLine::AsksForText(argc, argv)) {
        QCoreApplication app(argc, argv);
        const tenvik::Translations translations(QLocale::system());
        return AnswerCommandLine(QCoreApplication::arguments()).value_or(0);
    }

    QApplication app(argc, argv);
    // Before the first text is made: the window reads its texts once, as it is built.
    const tenvik::Translations translations(QLocale::system());
    tenvik::SetApplicationIdentity();
    if (const auto exitCode = AnswerCommandLine(QCoreApplication::arguments()))
        return *exitCode;

    const QLocale userLocale = QLocale::system();
    tenvik::StartupEnvironment environment;
    environment.clock = std::make_shared<tenvik::SystemClock>();
    environment.locale = tenvik::CaptureLocaleFormats(userLocale);
    environment.longDateLocale = userLocale;
    environment.language = translations.language();
    environment.configBase = tenvik::RoamingConfigBase();
    environment.fileStore = std::make_shared<tenvik::DiskFileStore>();
    environment.reportError = [](QWidget* parent, const QString& message) {
        QMessageBox::critical(parent, QApplication::applicationDisplayName(), message);
    };

    tenvik::TMainForm window(std::move(environment));
    tenvik::CompleteIconAfterFirstFrame(window);
    tenvik::ReportFirstFrameWhenAsked(window);
    window.show();
    return QApplication::exec();
}
