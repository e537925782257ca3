#pragma once

#include "core/DayNumber.h"
#include "export/CommandLine.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <variant>

// The command line of tenvik-export: Qt's parser splits it, the plain export layer checks
// the values, and this part puts every problem into words.
namespace tenvik {

struct ExportCommand {
    enum class Action { Export, Help, Version };
    Action action = Action::Export;
    QString icsName; // as given, "-" for standard output; empty: no calendar file
    QString pdfName; // empty: no printed year
    QString entriesCsvName;
    QString payPeriodsCsvName;
    QString importName;  // the entries CSV to read in, "-" for standard input
    QString publishName; // the folder --publish keeps as a link to its latest feeds
    ExportRequest request;
};

struct UsageError {
    QString message; // one line, without the program's name
};

class ExportCommandLine {
public:
    ExportCommandLine();

    // arguments as QCoreApplication::arguments() gives them, the program's name first.
    // Reads the file system only to tell whether two outputs name one file.
    std::variant<ExportCommand, UsageError> parse(const QStringList& arguments, DayNumber today);

    // The usage, every option, and what a user needs to know around them. Needs the
    // application object for the program's name.
    QString helpText() const;

private:
    QCommandLineParser m_parser;
    QCommandLineOption m_ics;
    QCommandLineOption m_pdf;
    QCommandLineOption m_entriesCsv;
    QCommandLineOption m_payPeriodsCsv;
    QCommandLineOption m_withEntries;
    QCommandLineOption m_importCsv;
    QCommandLineOption m_add;
    QCommandLineOption m_publish;
    QCommandLineOption m_baseUrl;
    QCommandLineOption m_agency;
    QCommandLineOption m_payPeriodStart;
    QCommandLineOption m_from;
    QCommandLineOption m_to;
    QCommandLineOption m_year;
    QCommandLineOption m_group;
    QCommandLineOption m_paper;
    QCommandLineOption m_noDuty;
    QCommandLineOption m_noRdo;
    QCommandLineOption m_noPaydays;
    QCommandLineOption m_noPayPeriods;
    QCommandLineOption m_help;
    QCommandLineOption m_version;
};

QString OptionErrorText(const OptionError& error);

} // namespace tenvik
