#include "app/ExportCommandLine.h"

#include "bridge/FilePath.h"
#include "bridge/QtText.h"
#include "core/IsoDate.h"
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
    if (name == u"ics" || name == u"pdf" || name == u"entries-csv" || name == u"pay-periods-csv")
        what = QCoreApplication::translate("tenvik-export", "a file name (- for standard output)");
    else if (name == u"import-csv")
        what = QCoreApplication::translate("tenvik-export", "a file name (- for standard input)");
    else if (name == u"publish")
        what = QCoreApplication::translate("tenvik-export", "a folder");
    else if (name == u"base-url")
        what = QCoreApplication::translate("tenvik-export", "an address (https://...)");
    else if (name == u"agency")
        what = QCoreApplication::translate("tenvik-export", "a name");
    else if (name == u"from" || name == u"to" || name == u"pay-period-start")
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
      m_entriesCsv(QStringLiteral("entries-csv"),
                   QCoreApplication::translate("tenvik-export",
                                               "Write every entry you recorded (trades, leave, extra hours, notes) "
                                               "as CSV, for a spreadsheet or to move them to another computer."),
                   QCoreApplication::translate("tenvik-export", "FILE")),
      m_payPeriodsCsv(QStringLiteral("pay-periods-csv"),
                      QCoreApplication::translate("tenvik-export",
                                                  "Write the hours of each pay period of --year, or of the days "
                                                  "--from to --to, as CSV for the payroll office."),
                      QCoreApplication::translate("tenvik-export", "FILE")),
      m_withEntries(QStringLiteral("with-entries"),
                    QCoreApplication::translate("tenvik-export",
                                                "Put your entries into the calendar file too. They name colleagues "
                                                "and hold your notes: share such a file with care.")),
      m_importCsv(QStringLiteral("import-csv"),
                  QCoreApplication::translate("tenvik-export",
                                              "Read an entries CSV back into your records: every line, or nothing "
                                              "when one is wrong."),
                  QCoreApplication::translate("tenvik-export", "FILE")),
      m_add(QStringLiteral("add"),
            QCoreApplication::translate("tenvik-export",
                                        "With --import-csv: add to the entries you have rather than only filling "
                                        "empty records.")),
      m_publish(QStringLiteral("publish"),
                QCoreApplication::translate("tenvik-export",
                                            "Publish every group's calendar for a department: a feed per group, "
                                            "per platoon and of the paydays, and a page to subscribe from, "
                                            "into FOLDER, for a web server to serve."),
                QCoreApplication::translate("tenvik-export", "FOLDER")),
      m_baseUrl(QStringLiteral("base-url"),
                QCoreApplication::translate("tenvik-export",
                                            "With --publish: the address the web server serves FOLDER at, such as "
                                            "https://calendar.example.org/shifts/."),
                QCoreApplication::translate("tenvik-export", "URL")),
      m_agency(QStringLiteral("agency"),
               QCoreApplication::translate("tenvik-export", "Use this agency name instead of the saved one."),
               QCoreApplication::translate("tenvik-export", "NAME")),
      m_payPeriodStart(
          QStringLiteral("pay-period-start"),
          QCoreApplication::translate("tenvik-export", "Use this pay-period start instead of the saved one."),
          QCoreApplication::translate("tenvik-export", "yyyy-MM-dd")),
      m_from(QStringLiteral("from"),
             QCoreApplication::translate("tenvik-export",
                                         "First day of the calendar file (default today; for --publish the first "
                                         "day of the quarter before this one)."),
             QCoreApplication::translate("tenvik-export", "yyyy-MM-dd")),
      m_to(QStringLiteral("to"),
           QCoreApplication::translate("tenvik-export",
                                       "Last day of the calendar file (default 365 days after --from; for "
                                       "--publish the end of next year)."),
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
    m_parser.addOptions({m_ics,       m_pdf,          m_entriesCsv,     m_payPeriodsCsv, m_withEntries, m_importCsv,
                         m_add,       m_publish,      m_baseUrl,        m_from,          m_to,          m_year,
                         m_group,     m_agency,       m_payPeriodStart, m_paper,         m_noDuty,      m_noRdo,
                         m_noPaydays, m_noPayPeriods, m_help,           m_version});
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

    const QList<QCommandLineOption> valued = {
        m_ics,  m_pdf, m_entriesCsv, m_payPeriodsCsv, m_importCsv, m_publish,        m_baseUrl,
        m_from, m_to,  m_year,       m_group,         m_agency,    m_payPeriodStart, m_paper};
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
    options.entriesCsv = m_parser.isSet(m_entriesCsv);
    options.payPeriodsCsv = m_parser.isSet(m_payPeriodsCsv);
    options.importCsv = m_parser.isSet(m_importCsv);
    options.addToEntries = m_parser.isSet(m_add);
    options.withEntries = m_parser.isSet(m_withEntries);
    options.publish = m_parser.isSet(m_publish);
    options.baseUrl = text(m_baseUrl);
    options.agency = text(m_agency);
    options.payPeriodStart = text(m_payPeriodStart);
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
    command.entriesCsvName = m_parser.value(m_entriesCsv);
    command.payPeriodsCsvName = m_parser.value(m_payPeriodsCsv);
    command.importName = m_parser.value(m_importCsv);
    command.publishName = m_parser.value(m_publish);

    // The second write to one file would replace the first.
    QList<QCommandLineOption> outputs;
    for (const QCommandLineOption& option : {m_ics, m_pdf, m_entriesCsv, m_payPeriodsCsv}) {
        if (m_parser.isSet(option))
            outputs.append(option);
    }
    for (qsizetype i = 0; i < outputs.size(); ++i) {
        for (qsizetype j = i + 1; j < outputs.size(); ++j) {
            const QString first = m_parser.value(outputs[i]);
            if (!SameOutput(FilePathOf(first), FilePathOf(m_parser.value(outputs[j]))))
                continue;
            const QString shared = IsStandardOutput(FilePathOf(first))
                ? QCoreApplication::translate("tenvik-export", "standard output")
                : first;
            return UsageError{
                QCoreApplication::translate("tenvik-export", "%1 and %2 name the same file, %3; give each its own")
                    .arg(Dashed(outputs[i]), Dashed(outputs[j]), shared)};
        }
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
                                      "--publish FOLDER keeps FOLDER as a link to the latest of its generations\n"
                                      "beside it (FOLDER.tenvik-N) and switches the link in one step, so a web\n"
                                      "server never serves half of a publish; a failed publish changes nothing\n"
                                      "that is served. With the same settings and days it writes the same bytes.\n"
                                      "\n"
                                      "Exit status: 0 when everything was written, 1 when a file could not be\n"
                                      "written, 2 when the arguments are wrong (then nothing is read or written).\n")
        + u'\n'
        + QCoreApplication::translate("tenvik-export",
                                      "Your entries are read from Tenvik.db beside the settings; where there is\n"
                                      "none, there are no entries. The entries CSV always holds every entry, so\n"
                                      "that it imports whole. --import-csv fills empty records only, unless --add\n"
                                      "is given; then a file with an entry you already have is refused, so that a\n"
                                      "file imported twice is not added twice. A refused import changes nothing\n"
                                      "and exits with 1.\n");
}

QString OptionErrorText(const OptionError& error)
{
    const QString option = FromStd(error.option);
    switch (error.problem) {
    case OptionProblem::NothingToWrite:
        return QCoreApplication::translate(
            "tenvik-export",
            "nothing to do: give --ics FILE, --pdf FILE, --entries-csv FILE, --pay-periods-csv FILE, --import-csv "
            "FILE or --publish FOLDER");
    case OptionProblem::EntriesWithoutCalendar:
        return QCoreApplication::translate("tenvik-export",
                                           "--with-entries puts your entries into --ics; give --ics FILE too");
    case OptionProblem::AddWithoutImport:
        return QCoreApplication::translate("tenvik-export", "--add goes with --import-csv FILE");
    case OptionProblem::ImportWithOutput:
        return QCoreApplication::translate("tenvik-export",
                                           "--import-csv reads entries in; run it on its own, then write files");
    case OptionProblem::RangeWithoutCalendar:
        return QCoreApplication::translate(
            "tenvik-export",
            "--from and --to set the days of --ics, --pay-periods-csv or --publish; give one of them too");
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
    case OptionProblem::PublishWithOutput:
        return QCoreApplication::translate("tenvik-export",
                                           "--publish writes a folder of its own; run it without other files to "
                                           "write");
    case OptionProblem::ChoiceWithPublish:
        //: %1: the option given with --publish (--group, --no-rdo, --year ...)
        return QCoreApplication::translate("tenvik-export",
                                           "%1 does not go with --publish, which writes every group's feeds "
                                           "whole, for the days of --from and --to; leave %1 out")
            .arg(option);
    case OptionProblem::PublishWithoutBaseUrl:
        return QCoreApplication::translate(
            "tenvik-export", "--publish needs --base-url URL, the address the web server serves the folder at");
    case OptionProblem::BaseUrlWithoutPublish:
        return QCoreApplication::translate("tenvik-export", "--base-url goes with --publish FOLDER");
    case OptionProblem::NotABaseUrl:
        return QCoreApplication::translate("tenvik-export",
                                           "--base-url: %1 is no web address; write it as https://host/path/")
            .arg(Quoted(error.value));
    case OptionProblem::PublishUnavailable:
        return QCoreApplication::translate("tenvik-export",
                                           "--publish is not available on Windows: publish from Linux, or copy "
                                           "the folder a Linux machine published");
    case OptionProblem::RangeReversed:
        return QCoreApplication::translate("tenvik-export", "the range ends before it begins: %1 to %2")
            .arg(IsoDate(error.first), IsoDate(error.last));
    }
    return option;
}

} // namespace tenvik
