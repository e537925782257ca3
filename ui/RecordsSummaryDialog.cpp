#include "ui/RecordsSummaryDialog.h"

#include "bridge/QtText.h"
#include "core/DayNumber.h"
#include "records/DatabaseError.h"
#include "records/EntryStore.h"
#include "records/IsoDay.h"
#include "records/Summary.h"
#include "ui/DayEntriesDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tenvik {

using records::Hours;

namespace {

QString HoursText(Hours hours)
{
    return FromStd(records::FormatHours(hours));
}

QString DateText(int day)
{
    return FromStd(records::FormatIsoDay(day));
}

// Writes a cell, keeping its item: the leave table is written again from the signal of
// the very item the user just edited.
void SetCell(QTableWidget& table, int row, int column, const QString& text, bool editable = false)
{
    QTableWidgetItem* item = table.item(row, column);
    if (item == nullptr) {
        item = new QTableWidgetItem;
        table.setItem(row, column, item);
    }
    item->setText(text);
    item->setFlags(editable ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable
                            : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    if (!editable && !text.isEmpty() && (text.front().isDigit() || text.front() == u'-'))
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

QTableWidget* NewTable(QWidget* parent, const char* name, const QStringList& headers)
{
    auto* table = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    table->setObjectName(QLatin1StringView(name));
    table->setHorizontalHeaderLabels(headers);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return table;
}

} // namespace

RecordsSummaryDialog::RecordsSummaryDialog(records::EntryStore& store, const UserProfile& profile, int year, int today,
                                           int shiftHours, QWidget* parent)
    : QDialog(parent), m_store(store), m_profile(profile), m_year(year), m_today(today), m_shiftHours(shiftHours)
{
    setObjectName(QStringLiteral("dlgRecordsSummary"));
    //: %1 the year the summary is for
    setWindowTitle(tr("My Records %1").arg(year));

    tabSummary = new QTabWidget(this);
    tabSummary->setObjectName(QStringLiteral("tabSummary"));

    trTrades = new QTreeWidget(this);
    trTrades->setObjectName(QStringLiteral("trTrades"));
    trTrades->setHeaderLabels({tr("Colleague"), tr("Balance")});
    trTrades->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tabSummary->addTab(trTrades, tr("&Trades"));

    auto* leavePage = new QWidget(this);
    leavePage->setObjectName(QStringLiteral("tabLeave"));
    tblLeave = NewTable(leavePage, "tblLeave",
                        {tr("Leave"), tr("Taken %1").arg(year), tr("Balance on 1 January"), tr("Added each pay period"),
                         tr("Left today"), tr("Left at year end")});
    auto* leaveHint =
        new QLabel(tr("Give a starting balance and what each pay period adds to see what is left."), leavePage);
    leaveHint->setObjectName(QStringLiteral("lblLeaveHint"));
    leaveHint->setWordWrap(true);
    lblLeaveProblem = new QLabel(leavePage);
    lblLeaveProblem->setObjectName(QStringLiteral("lblLeaveProblem"));
    lblLeaveProblem->setWordWrap(true);
    lblLeaveProblem->setStyleSheet(QStringLiteral("color: #B00020; font-weight: bold"));
    lblLeaveProblem->hide();
    auto* leaveLayout = new QVBoxLayout(leavePage);
    leaveLayout->addWidget(tblLeave);
    leaveLayout->addWidget(leaveHint);
    leaveLayout->addWidget(lblLeaveProblem);
    tabSummary->addTab(leavePage, tr("&Leave"));

    tblPayPeriods = NewTable(this, "tblPayPeriods",
                             {tr("Pay period"), tr("From"), tr("To"), tr("Scheduled"), tr("Trades in"),
                              tr("Trades out"), tr("Leave"), tr("Extra"), tr("Total")});
    tabSummary->addTab(tblPayPeriods, tr("&Pay Periods"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->setObjectName(QStringLiteral("bbSummary"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabSummary);
    layout->addWidget(buttons);
    resize(640, 420);

    connect(tblLeave, &QTableWidget::cellChanged, this, &RecordsSummaryDialog::tblLeaveChange);
    refresh();
}

void RecordsSummaryDialog::refresh()
{
    m_filling = true;
    try {
        fillTrades();
        fillLeave();
        fillPayPeriods();
    } catch (const records::DatabaseError& error) {
        lblLeaveProblem->setText(tr("The records could not be read: %1").arg(FromStd(error.what())));
        lblLeaveProblem->show();
    }
    m_filling = false;
}

void RecordsSummaryDialog::fillTrades()
{
    trTrades->clear();
    const std::vector<records::Entry> trades = m_store.AllTrades();
    for (const records::ColleagueBalance& balance : records::TradeBalances(trades)) {
        const QString name = FromStd(balance.colleague);
        QString owed;
        if (balance.owedToMe > Hours{})
            //: %1 the colleague, %2 the hours
            owed = tr("%1 owes you %2 h").arg(name, HoursText(balance.owedToMe));
        else if (balance.owedToMe < Hours{})
            //: %1 the colleague, %2 the hours
            owed = tr("You owe %1 %2 h").arg(name, HoursText(-balance.owedToMe));
        else
            owed = tr("Settled");
        auto* item = new QTreeWidgetItem(trTrades, {name, owed});
        for (const records::Entry& open : balance.openTrades) {
            //: An open trade: %1 its date, %2 the trade
            new QTreeWidgetItem(item, {tr("Open since %1").arg(DateText(open.day)), EntryLine(open)});
        }
        item->setExpanded(true);
    }
    if (trTrades->topLevelItemCount() == 0)
        new QTreeWidgetItem(trTrades, {tr("No trades recorded"), QString()});
}

void RecordsSummaryDialog::fillLeave()
{
    const std::vector<records::Entry> year = m_store.EntriesBetween(
        static_cast<int>(WholeDay(EncodeDate(m_year, 1, 1))), static_cast<int>(WholeDay(EncodeDate(m_year, 12, 31))));
    const records::LeaveByKind taken = records::LeaveTakenIn(year, m_year);
    tblLeave->setRowCount(static_cast<int>(records::AllLeaveKinds.size()));
    for (std::size_t i = 0; i < records::AllLeaveKinds.size(); ++i) {
        const records::LeaveKind kind = records::AllLeaveKinds[i];
        const int row = static_cast<int>(i);
        SetCell(*tblLeave, row, LeaveKindColumn, LeaveName(kind));
        SetCell(*tblLeave, row, TakenColumn, HoursText(taken[i]));
        const auto account = m_store.LeaveAccountOf(kind, m_year);
        SetCell(*tblLeave, row, StartingColumn, account ? HoursText(account->startingBalance) : QString(), true);
        SetCell(*tblLeave, row, AccrualColumn, account ? HoursText(account->accrualPerPayPeriod) : QString(), true);
        QString today, yearEnd;
        if (account) {
            const records::LeaveBalance balance =
                records::LeaveBalanceOf(year, kind, *account, m_year, m_today, m_profile);
            today = HoursText(balance.today);
            yearEnd = HoursText(balance.yearEnd);
        }
        SetCell(*tblLeave, row, TodayColumn, today);
        SetCell(*tblLeave, row, YearEndColumn, yearEnd);
    }
}

void RecordsSummaryDialog::fillPayPeriods()
{
    // A period crossing the year's ends reaches into the years on either side.
    const std::vector<records::Entry> entries =
        m_store.EntriesBetween(static_cast<int>(WholeDay(EncodeDate(m_year, 1, 1))) - 14,
                               static_cast<int>(WholeDay(EncodeDate(m_year, 12, 31))) + 14);
    const auto periods = records::PayPeriodsOfYear(entries, m_profile, Hours::Whole(m_shiftHours), m_year);
    tblPayPeriods->setRowCount(static_cast<int>(periods.size()));
    int row = 0;
    for (const records::PayPeriodTotals& period : periods) {
        const QString cells[] = {QStringLiteral("PP%1").arg(period.number),
                                 DateText(period.first),
                                 DateText(period.last),
                                 HoursText(period.scheduled),
                                 HoursText(period.tradesIn),
                                 HoursText(period.tradesOut),
                                 HoursText(period.leave),
                                 HoursText(period.extra),
                                 HoursText(period.Total())};
        int column = 0;
        for (const QString& text : cells)
            SetCell(*tblPayPeriods, row, column++, text);
        ++row;
    }
}

// Sets the account of the row's kind from its two cells; empty cells count as 0, and a
// value the records refuse is named and the table shows what is kept.
void RecordsSummaryDialog::tblLeaveChange(int row, int column)
{
    if (m_filling || (column != StartingColumn && column != AccrualColumn))
        return;
    const auto kind = records::AllLeaveKinds[static_cast<std::size_t>(row)];
    const auto read = [&](int at) -> std::optional<Hours> {
        QString text = tblLeave->item(row, at)->text().trimmed().replace(u',', u'.');
        const bool owed = text.startsWith(u'-');
        if (owed)
            text.remove(0, 1);
        if (text.isEmpty())
            return Hours{};
        const auto hours = records::ParseHours(text.toStdString());
        if (!hours)
            return std::nullopt;
        return owed ? -*hours : *hours;
    };
    const auto starting = read(StartingColumn);
    const auto accrual = read(AccrualColumn);
    std::optional<records::EntryProblem> problem;
    if (!starting || !accrual) {
        lblLeaveProblem->setText(DayEntriesDialog::tr("The hours must be a number such as 24 or 10.5."));
        lblLeaveProblem->show();
    } else {
        try {
            problem = m_store.SetLeaveAccount(kind, m_year, records::LeaveAccount{*starting, *accrual});
        } catch (const records::DatabaseError& error) {
            lblLeaveProblem->setText(
                DayEntriesDialog::tr("The records could not be written: %1").arg(FromStd(error.what())));
            lblLeaveProblem->show();
            return;
        }
        if (problem) {
            lblLeaveProblem->setText(tr("A starting balance must be within 9999 hours either way, and a pay "
                                        "period can add 0 to 48 hours."));
            lblLeaveProblem->show();
        } else {
            lblLeaveProblem->hide();
        }
    }
    refresh();
}

} // namespace tenvik
