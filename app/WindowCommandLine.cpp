#include "app/WindowCommandLine.h"

#include <QCoreApplication>

namespace tenvik {

WindowCommandLine::WindowCommandLine()
    : m_help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
             QCoreApplication::translate("tenvik", "Show this help and exit.")),
      m_version(QStringList{QStringLiteral("v"), QStringLiteral("version")},
                QCoreApplication::translate("tenvik", "Show the version and exit."))
{
    m_parser.setApplicationDescription(
        QCoreApplication::translate("tenvik",
                                    "The shift calendar: which platoon is on duty, your RDOs, paydays and "
                                    "pay periods, month by month."));
    m_parser.addOptions({m_help, m_version});
}

bool WindowCommandLine::AsksForText(int argc, const char* const* argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    WindowCommandLine commandLine;
    // Qt's own options are unknown here and do not matter: only ours are looked for.
    commandLine.m_parser.parse(arguments);
    return commandLine.m_parser.isSet(commandLine.m_help) || commandLine.m_parser.isSet(commandLine.m_version);
}

std::variant<WindowCommand, WindowUsageError> WindowCommandLine::parse(const QStringList& arguments)
{
    const bool parsed = m_parser.parse(arguments);
    WindowCommand command;
    if (m_parser.isSet(m_help)) {
        command.action = WindowCommand::Action::Help;
        return command;
    }
    if (m_parser.isSet(m_version)) {
        command.action = WindowCommand::Action::Version;
        return command;
    }
    if (const QStringList unknown = m_parser.unknownOptionNames(); !unknown.isEmpty()) {
        const QString name = unknown.constFirst();
        const QString dashed = (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
        return WindowUsageError{QCoreApplication::translate("tenvik", "unknown option '%1'; see --help").arg(dashed)};
    }
    if (!parsed)
        return WindowUsageError{m_parser.errorText()};
    if (const QStringList extra = m_parser.positionalArguments(); !extra.isEmpty())
        return WindowUsageError{
            QCoreApplication::translate("tenvik", "unexpected argument '%1'; see --help").arg(extra.constFirst())};
    return command;
}

QString WindowCommandLine::helpText() const
{
    return m_parser.helpText() + u'\n'
        + QCoreApplication::translate(
               "tenvik",
               "Qt's own options (-platform, -style, -reverse ...) work as in every Qt program.\n"
               "\n"
               "The settings are kept in $XDG_CONFIG_HOME/Quorvell/Tenvik/Tenvik.ini\n"
               "(normally ~/.config/...) and written only by Save. Right-click the month for\n"
               "Export to Calendar... and Print Year...; tenvik-export does both without a\n"
               "window.\n");
}

} // namespace tenvik
