// The user's own records of their days: the database opened at its first need, and the
// day's entries opened from the grid by a double-click, Enter or the context menu.
#include "bridge/FilePath.h"
#include "bridge/QtDate.h"
#include "bridge/QtText.h"
#include "core/Clock.h"
#include "records/DatabaseError.h"
#include "records/RecordsFile.h"
#include "ui/DayEntriesDialog.h"
#include "ui/Main.h"
#include "ui/MainState.h"
#include "ui/MainUnit.h"
#include "ui/RecordsSummaryDialog.h"
#include "ui/widgets/DayCell.h"
#include "ui/widgets/Tag.h"

#include <QDir>
#include <QMessageBox>
#include <QSpinBox>
#include <QTime>

#include <exception>

namespace tenvik {

using namespace Main;

namespace {

QString NativePath(const std::filesystem::path& path)
{
    return QDir::toNativeSeparators(DisplayPathOf(path));
}

QString FileNameText(const std::filesystem::path& path)
{
    return DisplayPathOf(path.filename());
}

records::Moment Now(const Clock& clock)
{
    const QTime time = QTime::currentTime();
    return {clock.LocalDate(), time.hour(), time.minute(), time.second()};
}

} // namespace

records::EntryStore* TMainForm::recordsStore()
{
    if (m_records)
        return m_records.get();
    const std::filesystem::path path = records::RecordsPathBeside(SettingsPath);
    records::OpenedRecords opened;
    try {
        std::filesystem::create_directories(path.parent_path());
        opened = records::OpenRecords(path, Now(*TheClock));
    } catch (const std::exception& error) {
        //: %1 the records file, %2 why it could not be opened
        reportError(tr("Your records in %1 could not be opened: %2").arg(NativePath(path), FromStd(error.what())));
        return nullptr;
    }
    const records::OpenReport& report = opened.report;
    if (report.state == records::OpenReport::State::TooNew) {
        //: %1 the records file
        reportError(tr("Your records in %1 were written by a newer version of Tenvik. "
                       "This version leaves them as they are; please use the newer one.")
                        .arg(NativePath(path)));
        return nullptr;
    }
    m_records = std::move(opened.store);
    if (report.state == records::OpenReport::State::SetAside) {
        //: %1 the damaged file, %2 the name it was set aside under
        const QString damaged = tr("Your records file %1 was damaged and could not be read. It was kept, "
                                   "untouched, as %2, and a new, empty records file was started.")
                                    .arg(NativePath(path), FileNameText(report.setAsidePath));
        if (report.backups.empty()) {
            reportError(damaged + u' ' + tr("There is no backup to restore."));
        } else {
            const QString backup = FileNameText(report.backups.front());
            //: %1 the backup file's name, which holds its date
            if (askYesNo(damaged + QStringLiteral("\n\n")
                         + tr("Restore your records from the newest backup, %1?").arg(backup))) {
                try {
                    records::RestoreFromBackup(*m_records, report.backups.front());
                } catch (const std::exception& error) {
                    //: %1 the backup file's name, %2 why it failed
                    reportError(tr("The backup %1 could not be restored: %2").arg(backup, FromStd(error.what())));
                }
            }
        }
    }
    return m_records.get();
}

void TMainForm::readRecordsFromNowOn()
{
    m_readsRecords = true;
    RefreshEntries();
}

void TMainForm::readShownEntries()
{
    ShownEntries.clear();
    if (!m_records) {
        if (!m_readsRecords || m_recordsUnreadable)
            return;
        // A file another window makes later is found at the next refresh: asking costs
        // one look at the folder.
        const std::filesystem::path path = records::RecordsPathBeside(SettingsPath);
        std::error_code error;
        if (!std::filesystem::exists(path, error))
            return;
        m_records = records::OpenRecordsIfSound(path, Now(*TheClock));
        if (!m_records) {
            m_recordsUnreadable = true;
            return;
        }
    }
    try {
        ShownEntries = m_records->EntriesBetween(static_cast<int>(WholeDay(CellDates.front())),
                                                 static_cast<int>(WholeDay(CellDates.back())));
    } catch (const std::exception&) {
        // The grid shows no marks; the day's entries say what is wrong when the user goes there.
        ShownEntries.clear();
    }
}

void TMainForm::gR00DblClick(Rectangle* sender)
{
    const int cell = TagOf(*sender);
    if (cell < 0 || cell >= GridCellCount)
        return;
    // A day of a neighbouring month does nothing, as for a single click.
    if (!SameMonthNumber(CellDates[static_cast<std::size_t>(cell)], CurrentDate))
        return;
    CurrentDate = CellDates[static_cast<std::size_t>(cell)];
    openDayEntries();
}

void TMainForm::miDayEntriesClick()
{
    openDayEntries();
}

void TMainForm::openDayEntries()
{
    records::EntryStore* store = recordsStore();
    if (store == nullptr)
        return;
    const int day = static_cast<int>(WholeDay(CurrentDate));
    const QString title = environment().longDateLocale.toString(DayNumberToQDate(CurrentDate), QLocale::LongFormat);
    DayEntriesDialog dialog(*store, day, title, records::Hours::Whole(spnShiftHours->value()), this);
    if (m_environment.runDialog)
        m_environment.runDialog(dialog);
    else
        dialog.exec();
    RefreshAll();
}

void TMainForm::miMyRecordsClick()
{
    records::EntryStore* store = recordsStore();
    if (store == nullptr)
        return;
    RecordsSummaryDialog dialog(*store, WindowProfile(), CalendarYear(CurrentDate),
                                static_cast<int>(WholeDay(TodayDate(*TheClock))), spnShiftHours->value(), this);
    if (m_environment.runDialog)
        m_environment.runDialog(dialog);
    else
        dialog.exec();
    RefreshAll();
}

bool TMainForm::askYesNo(const QString& question, bool yesByDefault)
{
    if (m_environment.askYesNo)
        return m_environment.askYesNo(this, question);
    return QMessageBox::question(this, windowTitle(), question, QMessageBox::Yes | QMessageBox::No,
                                 yesByDefault ? QMessageBox::Yes : QMessageBox::No)
        == QMessageBox::Yes;
}

} // namespace tenvik
