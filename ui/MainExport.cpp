// The grid's context menu: the user's days as a calendar file for their phone, and the
// year on one page, printed or saved as PDF. Both ask the model of a day the grid paints
// with, for the group, agency and pay-period start the window holds, and both say when
// they are done as they say when they fail.
#include "bridge/FilePath.h"
#include "core/Clock.h"
#include "export/CalendarEvents.h"
#include "export/ICalendar.h"
#include "export/OutputFile.h"
#include "print/YearSheet.h"
#include "records/DatabaseError.h"
#include "records/EntryStore.h"
#include "settings/SystemErrorText.h"
#include "translations/EntryEventWords.h"
#include "translations/EventWords.h"
#include "ui/Main.h"
#include "ui/MainState.h"
#include "ui/MainUnit.h"
#include "ui/widgets/CellGrid.h"
#include "ui/widgets/Notice.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
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

QString FileNameOf(const QString& path)
{
    return QFileInfo(path).fileName();
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
    pmCalendar->addSeparator();
    miDayEntries = pmCalendar->addAction(tr("Day Entries…"));
    miDayEntries->setObjectName(QStringLiteral("miDayEntries"));
    miMyRecords = pmCalendar->addAction(tr("My Records…"));
    miMyRecords->setObjectName(QStringLiteral("miMyRecords"));
    miMyRecords->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    // The window holds it too, so that its shortcut works while the menu is closed.
    addAction(miMyRecords);

    gloCal->setContextMenuPolicy(Qt::CustomContextMenu);

    lblNotice = new Notice(this);
    lblNotice->setObjectName(QStringLiteral("lblNotice"));
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
    std::vector<DayEvent> events = EventsFor(first, last, profile, {}, TranslatedEventPhrases());
    // Names and notes are private: the entries go into the file only when the user says so.
    if (askYesNo(tr("Add your own entries (trades, leave, extra hours and notes) to the calendar file? "
                    "Their names and notes can be read by anyone you give the file to."),
                 false)) {
        records::EntryStore* store = recordsStore();
        if (store == nullptr)
            return;
        try {
            const auto entries =
                store->EntriesBetween(static_cast<int>(WholeDay(first)), static_cast<int>(WholeDay(last)));
            AddEntryEvents(events, EntryEventTexts(entries), first, last, EntryEventCategory().toStdString());
        } catch (const records::DatabaseError& error) {
            reportError(tr("Your records could not be read: %1").arg(QString::fromUtf8(error.what())));
            return;
        }
    }
    const auto now = std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
    if (saveExport(path, ICalendarText(events, ProfileTitle(profile), now)))
        lblNotice->showMessage(tr("Calendar saved to %1").arg(FileNameOf(path)));
}

void TMainForm::miPrintYearClick()
{
    const int year = CalendarYear(CurrentDate);
    const UserProfile profile = ExportedProfile();
    const QPageSize paper = PageSizeOf(UserPaper());
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Tenvik %1").arg(year));
    printer.setPageSize(paper);
    printer.setPageOrientation(QPageLayout::Landscape);
    // With no printer to offer, the dialog offers the PDF file, named as before.
    if (QPrinterInfo::availablePrinterNames().isEmpty())
        printer.setOutputFileName(SuggestedPath(QStringLiteral("Tenvik %1.pdf").arg(year)));
    if (!choosePrinter(printer))
        return;

    if (printer.outputFormat() == QPrinter::PdfFormat) {
        // Saved as PDF: the very bytes tenvik-export writes, through the same writer, on the
        // paper the dialog ended on.
        const QString path = printer.outputFileName();
        if (path.isEmpty())
            return;
        const QPageSize chosen = printer.pageLayout().pageSize();
        const QByteArray pdf =
            YearSheetPdf(year, profile, LocaleFormats, chosen.isEquivalentTo(paper) ? paper : chosen);
        if (saveExport(path, std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size()))))
            lblNotice->showMessage(tr("Year %1 saved to %2").arg(year).arg(FileNameOf(path)));
        return;
    }

    QPainter painter;
    if (!painter.begin(&printer)) {
        reportError(tr("Unable to print to %1").arg(printer.printerName()));
        return;
    }
    PaintYearSheet(painter, QRectF(0, 0, printer.width(), printer.height()), year, profile, LocaleFormats);
    if (!painter.end()) {
        reportError(tr("Unable to print to %1").arg(printer.printerName()));
        return;
    }
    lblNotice->showMessage(tr("Year %1 sent to %2").arg(year).arg(printer.printerName()));
}

QString TMainForm::chooseSaveFile(const QString& caption, const QString& suggestedPath, const QString& filter)
{
    if (m_environment.chooseSaveFile)
        return m_environment.chooseSaveFile(this, caption, suggestedPath, filter);
    return QFileDialog::getSaveFileName(this, caption, suggestedPath, filter);
}

bool TMainForm::choosePrinter(QPrinter& printer)
{
    if (m_environment.choosePrinter)
        return m_environment.choosePrinter(this, printer);
    QPrintDialog dialog(&printer, this);
    // One page: nothing to choose a range from.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    return dialog.exec() == QDialog::Accepted;
}

bool TMainForm::saveExport(const QString& path, std::string_view bytes)
{
    QString message = tr("Unable to write to %1").arg(QDir::toNativeSeparators(path));
    try {
        WriteOutputFile(FilePathOf(path), bytes, *m_environment.fileStore);
        return true;
    } catch (const std::system_error& error) {
        message += QStringLiteral(": ") + QString::fromUtf8(SystemErrorText(error.code()));
    } catch (const std::exception&) {
    }
    reportError(message);
    return false;
}

void TMainForm::reportError(const QString& message)
{
    if (m_environment.reportError)
        m_environment.reportError(this, message);
    else
        QMessageBox::critical(this, windowTitle(), message);
}

} // namespace tenvik
