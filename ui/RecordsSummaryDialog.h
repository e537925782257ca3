#pragma once

#include "core/Profile.h"

#include <QDialog>

class QLabel;
class QTabWidget;
class QTableWidget;
class QTreeWidget;

namespace tenvik {

namespace records {
class EntryStore;
}

// What the user's records add up to for one year: the trade balance with each colleague
// and the open trades, the leave taken of each kind with the balances the user keeps
// (editable here), and the hours of each pay period.
class RecordsSummaryDialog : public QDialog {
    Q_OBJECT
public:
    // year: the year shown; today: today's whole day number, for the leave left today;
    // shiftHours: a duty day's hours.
    RecordsSummaryDialog(records::EntryStore& store, const UserProfile& profile, int year, int today, int shiftHours,
                         QWidget* parent = nullptr);

    QTabWidget* tabSummary = nullptr;
    QTreeWidget* trTrades = nullptr;
    QTableWidget* tblLeave = nullptr;
    QLabel* lblLeaveProblem = nullptr;
    QTableWidget* tblPayPeriods = nullptr;

    // The columns of tblLeave; the starting balance and the accrual are edited in place.
    enum LeaveColumn { LeaveKindColumn, TakenColumn, StartingColumn, AccrualColumn, TodayColumn, YearEndColumn };

    // Handlers
    void tblLeaveChange(int row, int column);

private:
    void refresh();
    void fillTrades();
    void fillLeave();
    void fillPayPeriods();

    records::EntryStore& m_store;
    UserProfile m_profile;
    int m_year;
    int m_today;
    int m_shiftHours;
    bool m_filling = false;
};

} // namespace tenvik
