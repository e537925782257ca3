#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <variant>

// The command line of the calendar window: --help and --version, which need no display,
// and nothing else of ours; Qt's own options (-style, -platform ...) are taken by the
// application object before this parser sees the rest.
namespace tenvik {

struct WindowCommand {
    enum class Action { Run, Help, Version };
    Action action = Action::Run;
};

struct WindowUsageError {
    QString message; // one line, without the program's name
};

class WindowCommandLine {
public:
    WindowCommandLine();

    // Before any application object exists: whether the arguments ask only for a text,
    // so that the program can answer without opening a display.
    static bool AsksForText(int argc, const char* const* argv);

    std::variant<WindowCommand, WindowUsageError> parse(const QStringList& arguments);
    QString helpText() const;

private:
    QCommandLineParser m_parser;
    QCommandLineOption m_help;
    QCommandLineOption m_version;
};

} // namespace tenvik
