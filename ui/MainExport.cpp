// The grid's context menu: the user's days as a calendar file for their phone, and the
// year on one printable page. Both ask the model of a day the grid paints with, for the
// group, agency and pay-period start the window holds.
#include "bridge/FilePath.h"
#include "core/Clock.h"
#include "export/CalendarEvents.h"
#include "export/ICalendar.h"
#include "export/OutputFile.h"
#include "print/YearSheet.h"
#include "translations/EventWords.h"
#include "ui/Main.h"
#include "ui/MainState.h"
#include "ui/MainUnit.h"
#include "ui/widgets/GridLayout.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QStandardPaths>

#include <algorithm>
#include <chrono>
#include <exception>
#include <system_error>

namespace tenvik {

using namespace Main;

namespace {

// The exports name the default agency where the field is empty, as tenvik-export does.
UserProfile ExportedProfile()
{
    UserProfile profile = WindowProfile();
    profile.agency = AgencyOrDefault(profile.agency);
    return profile;
}

QString SuggestedPath(const QString& fileName)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    return QDir(folder).filePath(fileName);
}

} // namespace

void TMainForm::buildExportMenu()
{
    pmCalendar = new QMenu(this);
    pmCalendar->setObjectName(QStringLiteral("pmCalendar"));
    miExportCalendar = pmCalendar->addAction(tr("Export to Calendar…"));
    miExportCalendar->setObjectName(QStringLiteral("miExportCalendar"));
    miPrintYear = pmCalendar->addAction(tr("Print Year…"));
    miPrintYear->setObjectName(QStringLiteral("miPrintYear"));

    gloCal->setContextMenuPolicy(Qt::CustomContextMenu);
}

void TMainForm::gloCalContextMenu(const QPoint& position)
{
    pmCalendar->popup(gloCal->mapToGlobal(position));
}

void TMainForm::miExportCalendarClick()
{
    const DayNumber first = std::clamp(TodayDate(*TheClock), MinViewDate, MaxViewDate);
    const DayNumber last = CalendarFileEnd(first);
    const QString path = chooseSaveFile(tr("Export to Calendar"), SuggestedPath(QStringLiteral("Tenvik.ics")),
                                        tr("Calendar files (*.ics)"));
    if (path.isEmpty())
        return;
    const UserProfile profile = ExportedProfile();
    const auto now = std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
    saveExport(
        path, ICalendarText(EventsFor(first, last, profile, {}, TranslatedEventPhrases()), ProfileTitle(profile), now));
}

void TMainForm::miPrintYearClick()
{
    const int year = CalendarYear(CurrentDate);
    const QString path = chooseSaveFile(tr("Print Year"), SuggestedPath(QStringLiteral("Tenvik %1.pdf").arg(year)),
                                        tr("PDF documents (*.pdf)"));
    if (path.isEmpty())
        return;
    const QByteArray pdf = YearSheetPdf(year, ExportedProfile(), LocaleFormats, PageSizeOf(UserPaper()));
    saveExport(path, std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
}

QString TMainForm::chooseSaveFile(const QString& caption, const QString& suggestedPath, const QString& filter)
{
    if (m_environment.chooseSaveFile)
        return m_environment.chooseSaveFile(this, caption, suggestedPath, filter);
    return QFileDialog::getSaveFileName(this, caption, suggestedPath, filter);
}

void TMainForm::saveExport(const QString& path, std::string_view bytes)
{
    QString message = tr("Unable to write to %1").arg(QDir::toNativeSeparators(path));
    try {
        WriteOutputFile(FilePathOf(path), bytes, *m_environment.fileStore);
        return;
    } catch (const std::system_error& error) {
        message += QStringLiteral(": ") + QString::fromLocal8Bit(error.code().message());
    } catch (const std::exception&) {
    }
    if (m_environment.reportError)
        m_environment.reportError(this, message);
    else
        QMessageBox::critical(this, windowTitle(), message);
}

} // namespace tenvik
