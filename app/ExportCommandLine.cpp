#include "app/ExportCommandLine.h"

#include "bridge/FilePath.h"
#include "bridge/QtText.h"
#include "export/IsoDate.h"
#include "export/OutputFile.h"

#include <QCoreApplication>

#include <optional>

namespace tenvik {
namespace {

QString IsoDate(DayNumber day)
{
    return FromStd(FormatIsoDate(day));
}

QString Quoted(const std::string& text)
{
    return u'\'' + FromStd(text) + u'\'';
}

// "--ics" for an option's first long name.
QString Dashed(const QCommandLineOption& option)
{
    return QStringLiteral("--") + option.names().constLast();
}

// "--ics needs a file name": what the option's value is.
QString Needs(const QCommandLineOption& option)
{
    const QString name = option.names().constLast();
    QString what;
    if (name == u"ics" || name == u"pdf")
        what = QCoreApplication::translate("tenvik-export", "a file name (- for standard output)");
    else if (name == u"from" || name == u"to")
        what = QCoreApplication::translate("tenvik-export", "a date (yyyy-MM-dd)");
    else if (name == u"year")
        what = QCoreApplication::translate("tenvik-export", "a year");
    else if (name == u"group")
        what = QCoreApplication::translate("tenvik-export", "a group (RDO, A1 to A7, B1 to B7)");
    else
        what = QCoreApplication::translate("tenvik-export", "a paper size (a4 or letter)");
    return QCoreApplication::translate("tenvik-export", "%1 needs %2").arg(Dashed(option), what);
}

} // namespace

ExportCommandLine::ExportCommandLine()
    : m_ics(QStringLiteral("ics"),
            QCoreApplication::translate("tenvik-export",
                                        "Write a calendar file (iCalendar) of your duty days, RDOs, paydays and "
                                        "pay-period starts, for any calendar program."),
            QCoreApplication::translate("tenvik-export", "FILE")),
      m_pdf(QStringLiteral("pdf"),
            QCoreApplication::translate("tenvik-export", "Write one page with a whole year, for printing."),
            QCoreApplication::translate("tenvik-export", "FILE")),
      m_from(QStringLiteral("from"),
             QCoreApplication::translate("tenvik-export", "First day of the calendar file (default today)."),
             QCoreApplication::translate("tenvik-export", "yyyy-MM-dd")),
      m_to(QStringLiteral("to"),
           QCoreApplication::translate("tenvik-export",
                                       "Last day of the calendar file (default 365 days after --from)."),
           QCoreApplication::translate("tenvik-export", "yyyy-MM-dd")),
      m_year(QStringLiteral("year"),
             QCoreApplication::translate("tenvik-export",
                                         "The printed year (default this year); for --ics without --from or --to, "
                                         "the calendar file covers this year."),
             QCoreApplication::translate("tenvik-export", "YEAR")),
      m_group(QStringLiteral("group"),
              QCoreApplication::translate(
                  "tenvik-export", "Use this group instead of the saved one: RDO (no group), A1 to A7, B1 to B7."),
              QCoreApplication::translate("tenvik-export", "GROUP")),
      m_paper(QStringLiteral("paper"),
              QCoreApplication::translate("tenvik-export",
                                          "The paper of the printed year: a4 or letter (default: your locale's)."),
              QCoreApplication::translate("tenvik-export", "SIZE")),
      m_noDuty(QStringLiteral("no-duty"),
               QCoreApplication::translate("tenvik-export", "Leave your duty days out of the calendar file.")),
      m_noRdo(QStringLiteral("no-rdo"), QCoreApplication::translate("tenvik-export", "Leave your RDOs out.")),
      m_noPaydays(QStringLiteral("no-paydays"), QCoreApplication::translate("tenvik-export", "Leave the paydays out.")),
      m_noPayPeriods(QStringLiteral("no-pay-periods"),
                     QCoreApplication::translate("tenvik-export", "Leave the pay-period starts out.")),
      m_help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
             QCoreApplication::translate("tenvik-export", "Show this help and exit.")),
      m_version(QStringList{QStringLiteral("v"), QStringLiteral("version")},
                QCoreApplication::translate("tenvik-export", "Show the version and exit."))
{
    m_parser.setApplicationDescription(QCoreApplication::translate(
        "tenvik-export", "Writes your shift calendar from the settings Tenvik saved, without a window or a display."));
    m_parser.addOptions({m_ics, m_pdf, m_from, m_to, m_year, m_group, m_paper, m_noDuty, m_noRdo, m_noPaydays,
                         m_noPayPeriods, m_help, m_version});
}

std::variant<ExportCommand, UsageError> ExportCommandLine::parse(const QStringList& arguments, DayNumber today)
{
    const bool parsed = m_parser.parse(arguments);
    ExportCommand command;
    if (m_parser.isSet(m_help)) {
        command.action = ExportCommand::Action::Help;
        return command;
    }
    if (m_parser.isSet(m_version)) {
        command.action = ExportCommand::Action::Version;
        return command;
    }

    const QList<QCommandLineOption> valued = {m_ics, m_pdf, m_from, m_to, m_year, m_group, m_paper};
    if (!parsed) {
        if (const QStringList unknown = m_parser.unknownOptionNames(); !unknown.isEmpty()) {
            const QString name = unknown.constFirst();
            const QString dashed = (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
            return UsageError{
                QCoreApplication::translate("tenvik-export", "unknown option '%1'; see --help").arg(dashed)};
        }
        // Qt says "Missing value after '--ics'."; ours says what the value is.
        for (const QCommandLineOption& option : valued) {
            if (arguments.size() > 1 && arguments.constLast() == Dashed(option))
                return UsageError{Needs(option)};
        }
        return UsageError{m_parser.errorText()};
    }
    // "--ics --pdf y.pdf" lacks the calendar file's name rather than naming it "--pdf".
    for (const QCommandLineOption& option : valued) {
        const QStringList values = m_parser.values(option);
        if (values.size() > 1)
            return UsageError{QCoreApplication::translate("tenvik-export", "%1 is given twice").arg(Dashed(option))};
        if (values.size() == 1 && (values.constFirst().isEmpty() || values.constFirst().startsWith(u"--")))
            return UsageError{Needs(option)};
    }

    if (const QStringList extra = m_parser.positionalArguments(); !extra.isEmpty())
        return UsageError{QCoreApplication::translate("tenvik-export", "unexpected argument '%1'; see --help")
                              .arg(extra.constFirst())};

    const auto text = [&](const QCommandLineOption& option) -> std::optional<std::string> {
        if (!m_parser.isSet(option))
            return std::nullopt;
        return m_parser.value(option).toStdString();
    };
    ExportOptions options;
    options.calendar = m_parser.isSet(m_ics);
    options.sheet = m_parser.isSet(m_pdf);
    options.from = text(m_from);
    options.to = text(m_to);
    options.year = text(m_year);
    options.group = text(m_group);
    options.paper = text(m_paper);
    options.kinds.duty = !m_parser.isSet(m_noDuty);
    options.kinds.rdo = !m_parser.isSet(m_noRdo);
    options.kinds.payday = !m_parser.isSet(m_noPaydays);
    options.kinds.payPeriodStart = !m_parser.isSet(m_noPayPeriods);

    const auto checked = CheckExportOptions(options, today);
    if (const auto* error = std::get_if<OptionError>(&checked))
        return UsageError{OptionErrorText(*error)};
    command.request = std::get<ExportRequest>(checked);
    command.icsName = m_parser.value(m_ics);
    command.pdfName = m_parser.value(m_pdf);

    if (options.calendar && options.sheet && SameOutput(FilePathOf(command.icsName), FilePathOf(command.pdfName))) {
        const QString shared = IsStandardOutput(FilePathOf(command.icsName))
            ? QCoreApplication::translate("tenvik-export", "standard output")
            : command.icsName;
        return UsageError{
            QCoreApplication::translate("tenvik-export", "--ics and --pdf name the same file, %1; give each its own")
                .arg(shared)};
    }
    return command;
}

QString ExportCommandLine::helpText() const
{
    return m_parser.helpText() + u'\n'
        + QCoreApplication::translate("tenvik-export",
                                      "FILE may be - for standard output; the summary then goes to standard error.\n"
                                      "A link is kept and the file it points to replaced; a pipe or a device is\n"
                                      "written to as it is. Dates run from 1901-01-01 to 2060-12-31.\n"
                                      "\n"
                                      "The settings are read, never written, from\n"
                                      "$XDG_CONFIG_HOME/Quorvell/Tenvik/Tenvik.ini (normally ~/.config/...).\n"
                                      "\n"
                                      "The paper is --paper, else PAPERSIZE (a4 or letter), else your locale's\n"
                                      "(LC_ALL, LC_PAPER, LANG): letter in the United States, Canada, Mexico, the\n"
                                      "Philippines and the other countries whose locales print on it, a4 elsewhere.\n"
                                      "\n"
                                      "Import each group's calendar file into a calendar of its own: the calendar\n"
                                      "is named after the agency and the group. After a change of group, delete the\n"
                                      "old group's calendar in your calendar program, then import the new file.\n"
                                      "Importing a newer file of the same group updates its events.\n"
                                      "\n"
                                      "Exit status: 0 when everything was written, 1 when a file could not be\n"
                                      "written, 2 when the arguments are wrong (then nothing is read or written).\n");
}

QString OptionErrorText(const OptionError& error)
{
    const QString option = FromStd(error.option);
    switch (error.problem) {
    case OptionProblem::NothingToWrite:
        return QCoreApplication::translate("tenvik-export", "nothing to write: give --ics FILE, --pdf FILE or both");
    case OptionProblem::RangeWithoutCalendar:
        return QCoreApplication::translate("tenvik-export",
                                           "--from and --to set the days of --ics; give --ics FILE too");
    case OptionProblem::NotADate:
        return QCoreApplication::translate("tenvik-export", "%1: %2 is not a date; write it as yyyy-MM-dd")
            .arg(option, Quoted(error.value));
    case OptionProblem::DateOutsideCalendar:
        return QCoreApplication::translate("tenvik-export", "%1: %2 is outside the calendar's range, %3 to %4")
            .arg(option, FromStd(error.value), IsoDate(error.first), IsoDate(error.last));
    case OptionProblem::NotAYear:
        return QCoreApplication::translate("tenvik-export", "--year: %1 is not a year").arg(Quoted(error.value));
    case OptionProblem::YearOutsideCalendar:
        return QCoreApplication::translate("tenvik-export", "--year: %1 is outside the calendar's range, %2 to %3")
            .arg(FromStd(error.value), QString::number(CalendarYear(error.first)),
                 QString::number(CalendarYear(error.last)));
    case OptionProblem::NotAGroup:
        return QCoreApplication::translate("tenvik-export", "--group: %1 is no group; use RDO, A1 to A7 or B1 to B7")
            .arg(Quoted(error.value));
    case OptionProblem::NotAPaper:
        return QCoreApplication::translate("tenvik-export", "--paper: %1 is no paper size; use a4 or letter")
            .arg(Quoted(error.value));
    case OptionProblem::RangeReversed:
        return QCoreApplication::translate("tenvik-export", "the range ends before it begins: %1 to %2")
            .arg(IsoDate(error.first), IsoDate(error.last));
    }
    return option;
}

} // namespace tenvik
