// The day's entries from the grid: the records open at their first need, beside the
// settings file; a damaged or newer file is handled as the user is told; and the dialog
// adds, edits and deletes entries, refusing bad ones with nothing written.
#include "WindowFixture.h"

#include "bridge/FilePath.h"
#include "records/RecordsFile.h"
#include "ui/DayEntriesDialog.h"
#include "ui/widgets/CellGrid.h"
#include "ui/widgets/DayCell.h"
#include "ui/widgets/TabControl.h"

#include <QAction>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStringListModel>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace tenvik::test {
namespace {

namespace fs = std::filesystem;
using Main::CurrentDate;
using records::Entry;
using records::EntryKind;
using records::Hours;

std::string FileBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Entry Trade(int day, records::TradeDirection direction, const std::string& colleague, int hours)
{
    Entry entry;
    entry.day = day;
    entry.kind = EntryKind::Trade;
    entry.direction = direction;
    entry.colleague = colleague;
    entry.hours = Hours::Whole(hours);
    return entry;
}

class DayEntriesTest : public WindowTest {
protected:
    fs::path recordsPath() const { return FilePathOf(configPath(QStringLiteral("Quorvell/Tenvik/Tenvik.db"))); }

    records::OpenedRecords openRecordsOn(CivilDate date)
    {
        fs::create_directories(recordsPath().parent_path());
        return records::OpenRecords(recordsPath(), records::Moment{date, 8, 0, 0});
    }

    // The day each dialog was opened for, by its title.
    std::vector<QString> m_titles;
    void recordTitles()
    {
        m_dialogHand = [this](QDialog& dialog) { m_titles.push_back(dialog.windowTitle()); };
    }
};

TEST_F(DayEntriesTest, EveryWayInOpensTheSelectedDaysEntriesAndTheRecordsOnlyThen)
{
    TMainForm& w = open();
    recordTitles();
    EXPECT_FALSE(w.recordsOpened());
    EXPECT_FALSE(fs::exists(recordsPath())); // start-up leaves the records alone

    // A double-click on a day of a neighbouring month does nothing.
    QTest::mouseDClick(w.gR[0], Qt::LeftButton);
    EXPECT_TRUE(m_dialogsRun.empty());
    EXPECT_FALSE(fs::exists(recordsPath()));

    QTest::mouseDClick(w.gR[static_cast<std::size_t>(CellOf(Day(2026, 12, 16)))], Qt::LeftButton);
    EXPECT_EQ(CurrentDate, Day(2026, 12, 16));
    EXPECT_TRUE(fs::exists(recordsPath()));

    QTest::keyClick(w.gloCal, Qt::Key_Right);
    QTest::keyClick(w.gloCal, Qt::Key_Return);
    EXPECT_TRUE(w.gloCal->hasFocus());

    QTest::keyClick(w.gloCal, Qt::Key_Right);
    w.miDayEntries->trigger();

    ASSERT_EQ(m_dialogsRun, (std::vector<QString>(3, QStringLiteral("dlgDayEntries"))));
    ASSERT_EQ(m_titles.size(), 3u);
    EXPECT_TRUE(m_titles[0].contains(QStringLiteral("December 16, 2026"))) << m_titles[0].toStdString();
    EXPECT_TRUE(m_titles[1].contains(QStringLiteral("December 17, 2026"))) << m_titles[1].toStdString();
    EXPECT_TRUE(m_titles[2].contains(QStringLiteral("December 18, 2026"))) << m_titles[2].toStdString();
    EXPECT_TRUE(m_reportedErrors.empty());
    EXPECT_TRUE(m_questionsAsked.empty());

    // Enter on another page still opens nothing.
    w.tabCtrl->setCurrentWidget(w.tabHelp);
    QTest::keyClick(&w, Qt::Key_Return);
    EXPECT_EQ(m_dialogsRun.size(), 3u);
}

TEST_F(DayEntriesTest, ADamagedFileIsToldAndTheNewestBackupRestoredOnYes)
{
    const int day = static_cast<int>(WholeDay(Today));
    {
        auto opened = openRecordsOn({2026, 12, 8});
        opened.store->Add(Trade(day, records::TradeDirection::IWorkedForThem, "Dana Ruiz", 24));
    }
    openRecordsOn({2026, 12, 9}); // backs up the trade
    {
        auto opened = openRecordsOn({2026, 12, 9});
        opened.store->connection().Execute("PRAGMA wal_checkpoint(TRUNCATE)");
    }

    for (const bool yes : {false, true}) {
        SCOPED_TRACE(yes);
        m_form.reset(); // the last window lets go of its file before it is damaged
        {
            std::ofstream(recordsPath(), std::ios::binary | std::ios::trunc) << "This is not a database";
        }
        m_answerYes = yes;
        m_questionsAsked.clear();
        m_reportedErrors.clear();
        std::size_t listed = 99;
        m_dialogHand = [&](QDialog& dialog) { listed = static_cast<DayEntriesDialog&>(dialog).entries().size(); };
        TMainForm& w = open();
        QTest::keyClick(w.gloCal, Qt::Key_Return);

        ASSERT_EQ(m_questionsAsked.size(), 1u);
        EXPECT_TRUE(m_questionsAsked[0].contains(QStringLiteral("damaged"))) << m_questionsAsked[0].toStdString();
        EXPECT_TRUE(m_questionsAsked[0].contains(QStringLiteral("Tenvik-2026-12-09.db")));
        EXPECT_TRUE(m_reportedErrors.empty());
        EXPECT_EQ(listed, yes ? 1u : 0u);
    }
    // Both damaged files were kept.
    int setAside = 0;
    for (const auto& item : fs::directory_iterator(recordsPath().parent_path()))
        setAside += item.path().filename().string().starts_with("Tenvik.db.corrupt-") ? 1 : 0;
    EXPECT_GE(setAside, 1);
}

TEST_F(DayEntriesTest, ANewerVersionsFileIsSaidAndLeftAlone)
{
    {
        auto opened = openRecordsOn(PinnedToday);
        opened.store->connection().Execute("PRAGMA user_version = 99");
        opened.store->connection().Execute("PRAGMA wal_checkpoint(TRUNCATE)");
    }
    const std::string before = FileBytes(recordsPath());

    TMainForm& w = open();
    QTest::keyClick(w.gloCal, Qt::Key_Return);
    EXPECT_TRUE(m_dialogsRun.empty());
    ASSERT_EQ(m_reportedErrors.size(), 1u);
    EXPECT_TRUE(m_reportedErrors[0].contains(QStringLiteral("newer version"))) << m_reportedErrors[0].toStdString();
    EXPECT_EQ(FileBytes(recordsPath()), before);
    EXPECT_FALSE(w.recordsOpened());
}

// The dialog on its own, over a store of its own.
class DayEntriesDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto opened =
            records::OpenRecords(FilePathOf(m_folder.path()) / "Tenvik.db", records::Moment{PinnedToday, 8, 0, 0});
        m_store = std::move(opened.store);
    }

    std::unique_ptr<DayEntriesDialog> dialog(Hours shift = Hours::Whole(24))
    {
        return std::make_unique<DayEntriesDialog>(*m_store, m_day, QStringLiteral("today"), shift);
    }

    static void Choose(QComboBox& box, int data) { box.setCurrentIndex(box.findData(data)); }

    static void Type(QLineEdit& field, const QString& text)
    {
        field.clear();
        QTest::keyClicks(&field, text);
    }

    QTemporaryDir m_folder;
    std::unique_ptr<records::EntryStore> m_store;
    int m_day = static_cast<int>(WholeDay(Today));
};

TEST_F(DayEntriesDialogTest, EachKindIsAddedEditedAndDeleted)
{
    auto d = dialog(Hours::Whole(12));
    // A trade is the first kind and starts at one shift.
    EXPECT_EQ(d->edHours->text(), QStringLiteral("12"));

    Type(*d->edColleague, QStringLiteral("Dana Ruiz"));
    QTest::mouseClick(d->bAdd, Qt::LeftButton);

    Choose(*d->cbKind, static_cast<int>(EntryKind::Leave));
    Choose(*d->cbLeave, static_cast<int>(records::LeaveKind::Sick));
    Type(*d->edHours, QStringLiteral("10,5")); // the locale's comma is taken
    QTest::mouseClick(d->bAdd, Qt::LeftButton);

    d->bNew->click();
    Choose(*d->cbKind, static_cast<int>(EntryKind::Extra));
    Choose(*d->cbPay, static_cast<int>(records::ExtraPay::Banked));
    Type(*d->edHours, QStringLiteral("3"));
    QTest::keyClick(d->edHours, Qt::Key_Return); // Enter in a field adds

    d->bNew->click();
    Choose(*d->cbKind, static_cast<int>(EntryKind::Note));
    Type(*d->edText, QStringLiteral("Station 4, ladder"));
    QTest::mouseClick(d->bAdd, Qt::LeftButton);

    EXPECT_FALSE(d->lblProblem->isVisibleTo(d.get()));
    std::vector<Entry> stored = m_store->EntriesBetween(m_day, m_day);
    ASSERT_EQ(stored.size(), 4u);
    EXPECT_EQ(stored[0].colleague, "Dana Ruiz");
    EXPECT_EQ(stored[0].hours, Hours::Whole(12));
    EXPECT_EQ(stored[1].leave, records::LeaveKind::Sick);
    EXPECT_EQ(stored[1].hours, Hours{1050});
    EXPECT_EQ(stored[2].kind, EntryKind::Extra);
    EXPECT_EQ(stored[2].pay, records::ExtraPay::Banked);
    EXPECT_EQ(stored[3].text, "Station 4, ladder");
    ASSERT_EQ(d->lstEntries->count(), 4);
    EXPECT_EQ(d->lstEntries->item(0)->text(), QStringLiteral("I worked for Dana Ruiz: 12 h"));
    EXPECT_EQ(d->lstEntries->item(1)->text(), QStringLiteral("Sick leave: 10.5 h"));
    EXPECT_EQ(d->lstEntries->item(2)->text(), QStringLiteral("Overtime: 3 h, banked"));
    EXPECT_EQ(d->lstEntries->item(3)->text(), QStringLiteral("Note: Station 4, ladder"));

    // Selecting an entry shows it; its changes are saved over it.
    d->lstEntries->setCurrentRow(0);
    EXPECT_EQ(d->edColleague->text(), QStringLiteral("Dana Ruiz"));
    Choose(*d->cbDirection, static_cast<int>(records::TradeDirection::TheyWorkedForMe));
    Type(*d->edHours, QStringLiteral("24"));
    QTest::mouseClick(d->bUpdate, Qt::LeftButton);
    EXPECT_EQ(m_store->EntriesBetween(m_day, m_day)[0].direction, records::TradeDirection::TheyWorkedForMe);
    EXPECT_EQ(d->lstEntries->item(0)->text(), QStringLiteral("Dana Ruiz worked for me: 24 h"));

    d->lstEntries->setCurrentRow(1);
    QTest::mouseClick(d->bDelete, Qt::LeftButton);
    stored = m_store->EntriesBetween(m_day, m_day);
    ASSERT_EQ(stored.size(), 3u);
    EXPECT_EQ(stored[1].kind, EntryKind::Extra);

    // The name is offered the next time.
    auto next = dialog();
    auto* model = qobject_cast<QStringListModel*>(next->edColleague->completer()->model());
    ASSERT_NE(model, nullptr);
    EXPECT_EQ(model->stringList(), QStringList{QStringLiteral("Dana Ruiz")});
}

TEST_F(DayEntriesDialogTest, BadInputIsNamedAndNothingWritten)
{
    struct Case {
        const char* name;
        EntryKind kind;
        QString colleague, hours, text, said;
    };
    const Case cases[] = {
        {"too many hours", EntryKind::Leave, {}, QStringLiteral("49"), {}, QStringLiteral("0 to 48")},
        {"hours no number", EntryKind::Extra, {}, QStringLiteral("ten"), {}, QStringLiteral("a number")},
        {"a trade with nobody",
         EntryKind::Trade,
         QStringLiteral("  "),
         QStringLiteral("24"),
         {},
         QStringLiteral("colleague's name")},
        {"an empty note", EntryKind::Note, {}, {}, {}, QStringLiteral("needs some text")},
        {"a control character", EntryKind::Note, {}, {}, QStringLiteral("a\u0007b"), QStringLiteral("control")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto d = dialog();
        Choose(*d->cbKind, static_cast<int>(c.kind));
        d->edColleague->setText(c.colleague);
        d->edHours->setText(c.hours);
        d->edText->setText(c.text);
        QTest::mouseClick(d->bAdd, Qt::LeftButton);
        EXPECT_TRUE(d->lblProblem->isVisibleTo(d.get()));
        EXPECT_TRUE(d->lblProblem->text().contains(c.said)) << d->lblProblem->text().toStdString();
        EXPECT_TRUE(m_store->AllEntries().empty());
        EXPECT_EQ(d->lstEntries->count(), 0);
    }
}

TEST_F(DayEntriesDialogTest, ATradeMayPayBackAnEarlierOneTheOtherWayRound)
{
    const auto owed = m_store->Add(Trade(m_day - 7, records::TradeDirection::IWorkedForThem, "Dana Ruiz", 24));
    m_store->Add(Trade(m_day - 6, records::TradeDirection::TheyWorkedForMe, "Dana Ruiz", 24)); // same way: not offered
    m_store->Add(Trade(m_day - 5, records::TradeDirection::IWorkedForThem, "Lee Park", 24));   // another colleague
    m_store->Add(Trade(m_day + 1, records::TradeDirection::IWorkedForThem, "Dana Ruiz", 24));  // later

    auto d = dialog();
    Choose(*d->cbDirection, static_cast<int>(records::TradeDirection::TheyWorkedForMe));
    Type(*d->edColleague, QStringLiteral("Dana Ruiz"));
    emit d->edColleague->editingFinished();
    ASSERT_EQ(d->cbPaysBack->count(), 2); // nothing, or the one trade it may settle
    EXPECT_EQ(d->cbPaysBack->itemData(1).toLongLong(), owed.id);
    d->cbPaysBack->setCurrentIndex(1);
    QTest::mouseClick(d->bAdd, Qt::LeftButton);

    const std::vector<Entry> stored = m_store->EntriesBetween(m_day, m_day);
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].paysBack, owed.id);
    EXPECT_EQ(d->lstEntries->item(0)->text(), QStringLiteral("Dana Ruiz worked for me: 24 h (pays back)"));
}

} // namespace
} // namespace tenvik::test
