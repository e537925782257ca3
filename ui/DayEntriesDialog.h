#pragma once

// moc cannot read the standard library's concepts the records' headers pull in; it needs
// nothing of them.
#ifndef Q_MOC_RUN
#include "records/Entry.h"
#include "records/EntryCheck.h"
#endif

#include <QDialog>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tenvik {

namespace records {
class EntryStore;
}

// A kind of leave in the user's words: "Sick leave".
QString LeaveName(records::LeaveKind kind);
// One entry in a line of the list: "I worked for Dana Ruiz: 24 h".
QString EntryLine(const records::Entry& entry);
// What is wrong with an entry, in the user's words.
QString EntryProblemText(const records::EntryProblem& problem);

// The entries of one day: the list, and below it the fields of the entry being added or
// the one selected in the list. Every change is written at once, one entry at a time;
// an entry that fails its checks is named in lblProblem and nothing is written.
class DayEntriesDialog : public QDialog {
    Q_OBJECT
public:
    DayEntriesDialog(records::EntryStore& store, int day, const QString& dayTitle, records::Hours shiftLength,
                     QWidget* parent = nullptr);

    QListWidget* lstEntries = nullptr;
    QComboBox* cbKind = nullptr;
    QComboBox* cbDirection = nullptr;
    QLineEdit* edColleague = nullptr;
    QComboBox* cbLeave = nullptr;
    QComboBox* cbExtra = nullptr;
    QComboBox* cbPay = nullptr;
    QLineEdit* edHours = nullptr;
    QComboBox* cbPaysBack = nullptr;
    QLineEdit* edText = nullptr;
    QLabel* lblProblem = nullptr;
    QPushButton* bNew = nullptr;
    QPushButton* bAdd = nullptr;
    QPushButton* bUpdate = nullptr;
    QPushButton* bDelete = nullptr;
    QPushButton* bClose = nullptr;

    // The day's entries as the list shows them.
    const std::vector<records::Entry>& entries() const { return m_entries; }

    // Handlers
    void lstEntriesChange();
    void cbKindChange();
    void edColleagueExit();
    void bNewClick();
    void bAddClick();
    void bUpdateClick();
    void bDeleteClick();

private:
    // The entry the fields describe; nothing (and the problem shown) when the hours are no number.
    std::optional<records::Entry> fieldsEntry();
    void showEntry(const records::Entry& entry);
    void reload(std::int64_t select);
    void refreshPaysBack(std::optional<std::int64_t> selected);
    void showRows();
    void showProblem(const QString& text);
    // Runs a change of the store; a failure of the database is said, never thrown on.
    bool apply(const std::function<std::optional<records::EntryProblem>()>& change);

    records::EntryStore& m_store;
    int m_day;
    records::Hours m_shiftLength;
    std::vector<records::Entry> m_entries;
    QFormLayout* m_form = nullptr;
};

} // namespace tenvik
