#include "ui/DayEntriesDialog.h"

#include "bridge/QtText.h"
#include "records/DatabaseError.h"
#include "records/EntryStore.h"
#include "records/IsoDay.h"

#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tenvik {

using records::Entry;
using records::EntryKind;

namespace {

QString HoursText(records::Hours hours)
{
    return FromStd(records::FormatHours(hours));
}

} // namespace

QString LeaveName(records::LeaveKind kind)
{
    switch (kind) {
    case records::LeaveKind::Vacation:
        return DayEntriesDialog::tr("Vacation");
    case records::LeaveKind::Sick:
        return DayEntriesDialog::tr("Sick leave");
    case records::LeaveKind::Compensatory:
        return DayEntriesDialog::tr("Compensatory time");
    case records::LeaveKind::Holiday:
        return DayEntriesDialog::tr("Holiday");
    case records::LeaveKind::Other:
        break;
    }
    return DayEntriesDialog::tr("Other leave");
}

namespace {

QString ExtraName(records::ExtraKind kind)
{
    return kind == records::ExtraKind::Overtime ? DayEntriesDialog::tr("Overtime") : DayEntriesDialog::tr("Callback");
}

std::string ToStd(const QString& text)
{
    return text.toStdString();
}

template<typename Enum>
Enum Selected(const QComboBox& box)
{
    return static_cast<Enum>(box.currentData().toInt());
}

template<typename Enum>
void Select(QComboBox& box, Enum value)
{
    box.setCurrentIndex(std::max(0, box.findData(static_cast<int>(value))));
}

} // namespace

QString EntryLine(const Entry& entry)
{
    QString line;
    const QString hours = HoursText(entry.hours);
    switch (entry.kind) {
    case EntryKind::Trade:
        line = entry.direction == records::TradeDirection::IWorkedForThem
            //: A trade: %1 the colleague, %2 the hours ("24")
            ? DayEntriesDialog::tr("I worked for %1: %2 h").arg(FromStd(entry.colleague), hours)
            //: A trade: %1 the colleague, %2 the hours ("24")
            : DayEntriesDialog::tr("%1 worked for me: %2 h").arg(FromStd(entry.colleague), hours);
        if (entry.paysBack)
            line += DayEntriesDialog::tr(" (pays back)");
        break;
    case EntryKind::Leave:
        //: Leave: %1 its kind ("Vacation"), %2 the hours
        line = DayEntriesDialog::tr("%1: %2 h").arg(LeaveName(entry.leave), hours);
        break;
    case EntryKind::Extra:
        line = entry.pay == records::ExtraPay::Paid
            //: Extra hours: %1 "Overtime" or "Callback", %2 the hours
            ? DayEntriesDialog::tr("%1: %2 h, paid").arg(ExtraName(entry.extra), hours)
            //: Extra hours: %1 "Overtime" or "Callback", %2 the hours
            : DayEntriesDialog::tr("%1: %2 h, banked").arg(ExtraName(entry.extra), hours);
        break;
    case EntryKind::Note:
        return DayEntriesDialog::tr("Note: %1").arg(FromStd(entry.text));
    }
    if (!entry.text.empty())
        line += QStringLiteral(" \u2014 ") + FromStd(entry.text);
    return line;
}

QString EntryProblemText(const records::EntryProblem& problem)
{
    using records::EntryProblemKind;
    switch (problem.kind) {
    case EntryProblemKind::HoursOutOfRange:
        return DayEntriesDialog::tr("The hours must be from 0 to 48.");
    case EntryProblemKind::DayOutOfRange:
        return DayEntriesDialog::tr("Entries can be kept for the years 1901 to 2060 only.");
    case EntryProblemKind::ControlCharacter:
        return DayEntriesDialog::tr("The text may not hold tabs, line breaks or other control characters.");
    case EntryProblemKind::InvalidText:
        return DayEntriesDialog::tr("The text holds characters that cannot be stored.");
    case EntryProblemKind::TextTooLong:
        return DayEntriesDialog::tr("The text is too long.");
    case EntryProblemKind::MissingColleague:
        return DayEntriesDialog::tr("A trade needs the colleague's name.");
    case EntryProblemKind::EmptyNote:
        return DayEntriesDialog::tr("A note needs some text.");
    case EntryProblemKind::PaysBackUnknown:
    case EntryProblemKind::PaysBackMismatch:
        return DayEntriesDialog::tr(
            "A trade can only pay back an earlier trade the other way round with the same colleague.");
    case EntryProblemKind::NoSuchEntry:
        break;
    }
    return DayEntriesDialog::tr("The entry is no longer there.");
}

DayEntriesDialog::DayEntriesDialog(records::EntryStore& store, int day, const QString& dayTitle,
                                   records::Hours shiftLength, QWidget* parent)
    : QDialog(parent), m_store(store), m_day(day), m_shiftLength(shiftLength)
{
    setObjectName(QStringLiteral("dlgDayEntries"));
    //: The title of the day's entries; %1 the date
    setWindowTitle(tr("Entries for %1").arg(dayTitle));

    lstEntries = new QListWidget(this);
    lstEntries->setObjectName(QStringLiteral("lstEntries"));
    lstEntries->setAccessibleName(tr("Entries of the day"));

    cbKind = new QComboBox(this);
    cbKind->setObjectName(QStringLiteral("cbKind"));
    cbKind->addItem(tr("Trade"), static_cast<int>(EntryKind::Trade));
    cbKind->addItem(tr("Leave"), static_cast<int>(EntryKind::Leave));
    cbKind->addItem(tr("Extra hours"), static_cast<int>(EntryKind::Extra));
    cbKind->addItem(tr("Note"), static_cast<int>(EntryKind::Note));

    cbDirection = new QComboBox(this);
    cbDirection->setObjectName(QStringLiteral("cbDirection"));
    cbDirection->addItem(tr("I worked for them (they owe me)"),
                         static_cast<int>(records::TradeDirection::IWorkedForThem));
    cbDirection->addItem(tr("They worked for me (I owe them)"),
                         static_cast<int>(records::TradeDirection::TheyWorkedForMe));

    edColleague = new QLineEdit(this);
    edColleague->setObjectName(QStringLiteral("edColleague"));
    QStringList names;
    for (const std::string& name : m_store.ColleagueNames())
        names << FromStd(name);
    auto* completer = new QCompleter(names, edColleague);
    completer->setObjectName(QStringLiteral("cmpColleague"));
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    edColleague->setCompleter(completer);

    cbLeave = new QComboBox(this);
    cbLeave->setObjectName(QStringLiteral("cbLeave"));
    for (const records::LeaveKind kind : records::AllLeaveKinds)
        cbLeave->addItem(LeaveName(kind), static_cast<int>(kind));

    cbExtra = new QComboBox(this);
    cbExtra->setObjectName(QStringLiteral("cbExtra"));
    for (const records::ExtraKind kind : {records::ExtraKind::Overtime, records::ExtraKind::Callback})
        cbExtra->addItem(ExtraName(kind), static_cast<int>(kind));

    cbPay = new QComboBox(this);
    cbPay->setObjectName(QStringLiteral("cbPay"));
    cbPay->addItem(tr("Paid"), static_cast<int>(records::ExtraPay::Paid));
    cbPay->addItem(tr("Banked as compensatory time"), static_cast<int>(records::ExtraPay::Banked));

    edHours = new QLineEdit(this);
    edHours->setObjectName(QStringLiteral("edHours"));

    cbPaysBack = new QComboBox(this);
    cbPaysBack->setObjectName(QStringLiteral("cbPaysBack"));

    edText = new QLineEdit(this);
    edText->setObjectName(QStringLiteral("edText"));

    lblProblem = new QLabel(this);
    lblProblem->setObjectName(QStringLiteral("lblProblem"));
    lblProblem->setWordWrap(true);
    lblProblem->setStyleSheet(QStringLiteral("color: #B00020; font-weight: bold"));
    lblProblem->hide();

    m_form = new QFormLayout;
    m_form->addRow(tr("&Kind:"), cbKind);
    m_form->addRow(tr("&Trade:"), cbDirection);
    m_form->addRow(tr("&Colleague:"), edColleague);
    m_form->addRow(tr("&Leave:"), cbLeave);
    m_form->addRow(tr("&Extra:"), cbExtra);
    m_form->addRow(tr("&Pay:"), cbPay);
    m_form->addRow(tr("&Hours:"), edHours);
    m_form->addRow(tr("Pays &back:"), cbPaysBack);
    m_form->addRow(tr("&Note:"), edText);

    bNew = new QPushButton(tr("Ne&w"), this);
    bNew->setObjectName(QStringLiteral("bNew"));
    bAdd = new QPushButton(tr("&Add"), this);
    bAdd->setObjectName(QStringLiteral("bAdd"));
    bUpdate = new QPushButton(tr("&Save Changes"), this);
    bUpdate->setObjectName(QStringLiteral("bUpdate"));
    bDelete = new QPushButton(tr("&Delete"), this);
    bDelete->setObjectName(QStringLiteral("bDelete"));
    bClose = new QPushButton(tr("Close"), this);
    bClose->setObjectName(QStringLiteral("bClose"));
    // Enter in a field adds or saves the entry; only Escape or Close leave.
    for (QPushButton* button : {bNew, bAdd, bUpdate, bDelete, bClose})
        button->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {bNew, bAdd, bUpdate, bDelete})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(bClose);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lstEntries);
    layout->addLayout(m_form);
    layout->addWidget(lblProblem);
    layout->addLayout(buttons);

    connect(lstEntries, &QListWidget::currentRowChanged, this, &DayEntriesDialog::lstEntriesChange);
    connect(cbKind, &QComboBox::currentIndexChanged, this, &DayEntriesDialog::cbKindChange);
    connect(cbDirection, &QComboBox::currentIndexChanged, this, [this] { refreshPaysBack(std::nullopt); });
    connect(edColleague, &QLineEdit::editingFinished, this, &DayEntriesDialog::edColleagueExit);
    connect(bNew, &QPushButton::clicked, this, &DayEntriesDialog::bNewClick);
    connect(bAdd, &QPushButton::clicked, this, &DayEntriesDialog::bAddClick);
    connect(bUpdate, &QPushButton::clicked, this, &DayEntriesDialog::bUpdateClick);
    connect(bDelete, &QPushButton::clicked, this, &DayEntriesDialog::bDeleteClick);
    connect(bClose, &QPushButton::clicked, this, &QDialog::accept);
    for (QLineEdit* field : {edColleague, edHours, edText}) {
        connect(field, &QLineEdit::returnPressed, this, [this] {
            if (lstEntries->currentRow() >= 0)
                bUpdateClick();
            else
                bAddClick();
        });
    }

    reload(0);
    cbKind->setFocus();
}

void DayEntriesDialog::reload(std::int64_t select)
{
    try {
        m_entries = m_store.EntriesBetween(m_day, m_day);
    } catch (const records::DatabaseError& error) {
        m_entries.clear();
        showProblem(tr("The records could not be read: %1").arg(FromStd(error.what())));
    }
    const QSignalBlocker block(lstEntries);
    lstEntries->clear();
    int row = -1;
    for (const Entry& entry : m_entries) {
        if (entry.id == select)
            row = lstEntries->count();
        lstEntries->addItem(EntryLine(entry));
    }
    lstEntries->setCurrentRow(row);
    lstEntriesChange();
}

void DayEntriesDialog::lstEntriesChange()
{
    const int row = lstEntries->currentRow();
    const bool selected = row >= 0 && row < static_cast<int>(m_entries.size());
    bUpdate->setEnabled(selected);
    bDelete->setEnabled(selected);
    if (selected) {
        showEntry(m_entries[static_cast<std::size_t>(row)]);
    } else {
        Entry fresh;
        fresh.kind = static_cast<EntryKind>(cbKind->currentData().toInt());
        fresh.hours = m_shiftLength;
        showEntry(fresh);
    }
}

void DayEntriesDialog::showEntry(const Entry& entry)
{
    const QSignalBlocker blockKind(cbKind);
    const QSignalBlocker blockDirection(cbDirection);
    Select(*cbKind, entry.kind);
    Select(*cbDirection, entry.direction);
    Select(*cbLeave, entry.leave);
    Select(*cbExtra, entry.extra);
    Select(*cbPay, entry.pay);
    edColleague->setText(FromStd(entry.colleague));
    edHours->setText(entry.kind == EntryKind::Note ? HoursText(m_shiftLength) : HoursText(entry.hours));
    edText->setText(FromStd(entry.text));
    refreshPaysBack(entry.paysBack);
    showRows();
}

void DayEntriesDialog::cbKindChange()
{
    showRows();
}

void DayEntriesDialog::showRows()
{
    const auto kind = Selected<EntryKind>(*cbKind);
    const bool trade = kind == EntryKind::Trade;
    m_form->setRowVisible(cbDirection, trade);
    m_form->setRowVisible(edColleague, trade);
    m_form->setRowVisible(cbPaysBack, trade);
    m_form->setRowVisible(cbLeave, kind == EntryKind::Leave);
    m_form->setRowVisible(cbExtra, kind == EntryKind::Extra);
    m_form->setRowVisible(cbPay, kind == EntryKind::Extra);
    m_form->setRowVisible(edHours, kind != EntryKind::Note);
}

void DayEntriesDialog::edColleagueExit()
{
    refreshPaysBack(cbPaysBack->currentData().isValid() ? std::optional(cbPaysBack->currentData().toLongLong())
                                                        : std::nullopt);
}

// The trades this one may pay back: the same colleague's, the other way round, on this
// day or before.
void DayEntriesDialog::refreshPaysBack(std::optional<std::int64_t> selected)
{
    const QSignalBlocker block(cbPaysBack);
    cbPaysBack->clear();
    cbPaysBack->addItem(tr("Nothing"));
    const std::string colleague = ToStd(edColleague->text().trimmed());
    const auto direction = Selected<records::TradeDirection>(*cbDirection);
    const int row = lstEntries->currentRow();
    const std::int64_t self =
        row >= 0 && row < static_cast<int>(m_entries.size()) ? m_entries[static_cast<std::size_t>(row)].id : 0;
    std::vector<Entry> trades;
    try {
        trades = m_store.AllTrades();
    } catch (const records::DatabaseError&) {
    }
    for (auto it = trades.rbegin(); it != trades.rend(); ++it) {
        if (it->id == self || it->day > m_day || it->direction == direction || it->colleague != colleague)
            continue;
        //: An earlier trade to pay back: %1 its date, %2 the line that describes it
        cbPaysBack->addItem(tr("%1: %2").arg(FromStd(records::FormatIsoDay(it->day)), EntryLine(*it)),
                            QVariant::fromValue(static_cast<qlonglong>(it->id)));
    }
    if (selected) {
        const int index = cbPaysBack->findData(QVariant::fromValue(static_cast<qlonglong>(*selected)));
        cbPaysBack->setCurrentIndex(std::max(0, index));
    }
}

std::optional<Entry> DayEntriesDialog::fieldsEntry()
{
    Entry entry;
    entry.day = m_day;
    entry.kind = Selected<EntryKind>(*cbKind);
    entry.direction = Selected<records::TradeDirection>(*cbDirection);
    entry.leave = Selected<records::LeaveKind>(*cbLeave);
    entry.extra = Selected<records::ExtraKind>(*cbExtra);
    entry.pay = Selected<records::ExtraPay>(*cbPay);
    entry.colleague = ToStd(edColleague->text().trimmed());
    entry.text = ToStd(edText->text().trimmed());
    if (entry.kind == EntryKind::Trade && cbPaysBack->currentData().isValid())
        entry.paysBack = cbPaysBack->currentData().toLongLong();
    if (entry.kind != EntryKind::Note) {
        // Either decimal mark is taken; the records keep a dot.
        const auto hours = records::ParseHours(ToStd(edHours->text().trimmed().replace(u',', u'.')));
        if (!hours) {
            showProblem(tr("The hours must be a number such as 24 or 10.5."));
            edHours->setFocus();
            return std::nullopt;
        }
        entry.hours = *hours;
    }
    return records::Normalised(entry);
}

void DayEntriesDialog::bNewClick()
{
    lblProblem->hide();
    lstEntries->setCurrentRow(-1);
    cbKind->setFocus();
}

void DayEntriesDialog::bAddClick()
{
    const auto entry = fieldsEntry();
    if (!entry)
        return;
    std::int64_t added = 0;
    if (apply([&] {
            const records::AddResult result = m_store.Add(*entry);
            added = result.id;
            return result.problem;
        }))
        reload(added);
}

void DayEntriesDialog::bUpdateClick()
{
    const int row = lstEntries->currentRow();
    if (row < 0 || row >= static_cast<int>(m_entries.size()))
        return;
    auto entry = fieldsEntry();
    if (!entry)
        return;
    entry->id = m_entries[static_cast<std::size_t>(row)].id;
    if (apply([&] { return m_store.Update(*entry); }))
        reload(entry->id);
}

void DayEntriesDialog::bDeleteClick()
{
    const int row = lstEntries->currentRow();
    if (row < 0 || row >= static_cast<int>(m_entries.size()))
        return;
    const std::int64_t id = m_entries[static_cast<std::size_t>(row)].id;
    if (apply([&] { return m_store.Remove(id); }))
        reload(0);
}

bool DayEntriesDialog::apply(const std::function<std::optional<records::EntryProblem>()>& change)
{
    std::optional<records::EntryProblem> problem;
    try {
        problem = change();
    } catch (const records::DatabaseError& error) {
        showProblem(tr("The records could not be written: %1").arg(FromStd(error.what())));
        return false;
    }
    if (problem) {
        showProblem(EntryProblemText(*problem));
        return false;
    }
    lblProblem->hide();
    return true;
}

void DayEntriesDialog::showProblem(const QString& text)
{
    lblProblem->setText(text);
    lblProblem->setAccessibleName(text);
    lblProblem->show();
}

} // namespace tenvik
