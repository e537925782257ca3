// The marks of the user's entries on the grid's days: read only once the window shows,
// following every change of the entries, another window's too, and leaving a day without
// entries exactly as it was.
#include "WindowFixture.h"

#include "settings/Color.h"
#include "ui/DayDescription.h"
#include "ui/DayEntriesDialog.h"
#include "ui/PaintTags.h"
#include "ui/widgets/CellGrid.h"
#include "ui/widgets/DayCell.h"
#include "ui/widgets/Label.h"
#include "ui/widgets/Switch.h"
#include "ui/widgets/TabControl.h"

#include <QComboBox>
#include <QEvent>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <filesystem>

namespace tenvik::test {
namespace {

namespace fs = std::filesystem;
using namespace Main;
using records::Entry;
using records::EntryKind;

Entry NoteOn(DayNumber day, std::string text)
{
    Entry entry;
    entry.day = static_cast<int>(day);
    entry.kind = EntryKind::Note;
    entry.text = std::move(text);
    return entry;
}

Entry TradeOn(DayNumber day)
{
    Entry entry;
    entry.day = static_cast<int>(day);
    entry.kind = EntryKind::Trade;
    entry.direction = records::TradeDirection::TheyWorkedForMe;
    entry.colleague = "Sam Ito";
    entry.hours = records::Hours::Whole(24);
    return entry;
}

class EntryMarksTest : public WindowTest {
protected:
    static const DayCell& CellFor(const TMainForm& w, DayNumber day)
    {
        return *w.gR[static_cast<std::size_t>(CellOf(day))];
    }

    // Each cell of the grid as it is drawn.
    static std::vector<QImage> Cells(const TMainForm& w)
    {
        std::vector<QImage> cells;
        for (DayCell* cell : w.gR)
            cells.push_back(cell->grab().toImage());
        return cells;
    }

    static void Activate(TMainForm& w)
    {
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&w, &activate);
    }
};

TEST_F(EntryMarksTest, TheRecordsWaitForTheFirstFrameAndReadingNeverMakesThem)
{
    TMainForm& bare = open();
    settle();
    EXPECT_FALSE(bare.recordsOpened());
    EXPECT_FALSE(fs::exists(recordsPath()));

    otherWindowsRecords()->Add(NoteOn(Today + 1, "Station 4"));
    TMainForm& w = open(Show::No);
    settle();
    // Not shown, no frame: start-up has not touched them.
    EXPECT_FALSE(w.recordsOpened());
    EXPECT_FALSE(CellFor(w, Today + 1).marks().Any());

    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    settle();
    EXPECT_TRUE(w.recordsOpened());
    EXPECT_EQ(CellFor(w, Today + 1).marks(), (CellMarks{.note = true}));
    EXPECT_FALSE(CellFor(w, Today).marks().Any());
}

// Added and deleted in the day's entries, as the user does.
TEST_F(EntryMarksTest, AMarkComesWithAnEntryAndGoesWithIt)
{
    writeSettings("[Config]\nShowDebit=1\nShowPayPeriods=1\n");
    TMainForm& w = open();
    settle();
    const DayNumber day = Day(2026, 12, 16);
    QTest::mouseClick(w.gR[static_cast<std::size_t>(CellOf(day))], Qt::LeftButton);
    m_dialogHand = [](QDialog& dialog) {
        auto& entries = static_cast<DayEntriesDialog&>(dialog);
        entries.cbKind->setCurrentIndex(entries.cbKind->findData(static_cast<int>(EntryKind::Leave)));
        entries.edHours->setText(QStringLiteral("10"));
        entries.bAdd->click();
    };
    w.miDayEntries->trigger();

    const DayCell& cell = CellFor(w, day);
    EXPECT_EQ(cell.marks(), (CellMarks{.leave = true}));
    // The selected day is filled with its shift's colour; the mark stands out on it.
    EXPECT_EQ(cell.markColor(), ContrastColor(cell.fillColor()));
    EXPECT_TRUE(cell.marksBlock().has_value());
    GoTo(Day(2026, 12, 3));
    EXPECT_EQ(cell.markColor(), ContrastColor(BkGrColor));

    // Another day's entries leave this one's marks alone.
    GoTo(day);
    m_dialogHand = [](QDialog& dialog) {
        auto& entries = static_cast<DayEntriesDialog&>(dialog);
        entries.lstEntries->setCurrentRow(0);
        entries.bDelete->click();
    };
    w.miDayEntries->trigger();
    EXPECT_FALSE(cell.marks().Any());
    EXPECT_FALSE(cell.marksBlock().has_value());
    EXPECT_EQ(m_dialogsRun.size(), 2u);
}

TEST_F(EntryMarksTest, ADayWithoutEntriesIsDrawnAsWithoutRecords)
{
    // Labels in the corners, the numbers there too; Today selected.
    writeSettings("[Config]\nRDO=B2\nShowPaydays=1\nShowDebit=1\nShowPayPeriods=1\n");
    TMainForm& without = open();
    settle();
    const std::vector<QImage> before = Cells(without);
    m_form.reset();

    // Every kind on two days, one of them the selected day; nothing on the others.
    const std::vector<DayNumber> marked = {Today, Day(2026, 12, 21)};
    {
        auto other = otherWindowsRecords();
        for (const DayNumber day : marked) {
            other->Add(TradeOn(day));
            other->Add(NoteOn(day, "x"));
        }
    }
    TMainForm& w = open();
    settle();
    ASSERT_TRUE(w.recordsOpened());
    const std::vector<QImage> after = Cells(w);
    for (std::size_t i = 0; i < after.size(); ++i) {
        SCOPED_TRACE(w.gR[i]->objectName().toStdString());
        const bool hasMarks = std::find(marked.begin(), marked.end(), CellDates[i]) != marked.end()
            && i <= static_cast<std::size_t>(LastDayCell);
        EXPECT_EQ(w.gR[i]->marks().Any(), hasMarks);
        if (hasMarks)
            EXPECT_NE(after[i], before[i]);
        else
            EXPECT_EQ(after[i], before[i]);
    }

    // The switch turns them all off, at the next refresh.
    w.swEntryMarks->setChecked(false);
    UpdateView();
    EXPECT_EQ(Cells(w), before);
}

TEST_F(EntryMarksTest, AnotherWindowsEntriesShowWhenTheWindowIsActivatedAgain)
{
    // No file yet: another window makes it.
    TMainForm& w = open();
    settle();
    w.tabCtrl->setCurrentWidget(w.tabSettings);
    w.edAgency->setFocus();
    auto other = otherWindowsRecords();
    other->Add(TradeOn(Today + 2));
    EXPECT_FALSE(CellFor(w, Today + 2).marks().Any());
    Activate(w);
    EXPECT_EQ(CellFor(w, Today + 2).marks(), (CellMarks{.trade = true}));
    EXPECT_TRUE(w.gR[static_cast<std::size_t>(CellOf(Today + 2))]->accessibleName().contains(
        QStringLiteral("Sam Ito worked for me: 24 h")));
    // The user's place is kept.
    EXPECT_TRUE(w.edAgency->hasFocus());

    // Both at work on the same file: each sees the other's next edit.
    other->Add(NoteOn(Today + 2, "swap back in January"));
    Activate(w);
    EXPECT_EQ(CellFor(w, Today + 2).marks(), (CellMarks{.trade = true, .note = true}));
    // A month step reads them again, too.
    other->Add(NoteOn(Day(2027, 1, 20), "course"));
    w.tabCtrl->setCurrentWidget(w.tabCalendar);
    QTest::keyClick(w.gloCal, Qt::Key_PageDown);
    ASSERT_GE(CellOf(Day(2027, 1, 20)), 0);
    EXPECT_EQ(CellFor(w, Day(2027, 1, 20)).marks(), (CellMarks{.note = true}));
}

TEST_F(EntryMarksTest, ADaysDescriptionSaysItsEntriesWithTheMarksOnOrOff)
{
    const std::string longNote = "Swapped with Sam because of the course at the academy, "
                                 "he takes my Christmas shift in return";
    {
        auto other = otherWindowsRecords();
        other->Add(TradeOn(Today + 1));
        other->Add(NoteOn(Today + 1, longNote));
    }
    TMainForm& w = open();
    settle();
    const QString shortened = ShortenedForSpeech(QString::fromStdString(longNote));
    EXPECT_EQ(shortened, QStringLiteral("Swapped with Sam because of the course at the academy, he\u2026"));
    for (const bool on : {true, false}) {
        SCOPED_TRACE(on);
        w.swEntryMarks->setChecked(on);
        GoTo(Today + 1);
        const QString said = w.gR[static_cast<std::size_t>(CellOf(Today + 1))]->accessibleName();
        EXPECT_TRUE(said.endsWith(QStringLiteral(", Sam Ito worked for me: 24 h, Note: ") + shortened))
            << said.toStdString();
        EXPECT_EQ(w.lblStatus->accessibleName(), said);
        // A day without entries says what it said before.
        EXPECT_FALSE(w.gR[static_cast<std::size_t>(CellOf(Today))]->accessibleName().contains(u':'));
    }
    EXPECT_EQ(ShortenedForSpeech(QStringLiteral("  short\nnote ")), QStringLiteral("short note"));
    EXPECT_EQ(ShortenedForSpeech(QString(70, u'x')), QString(60, u'x') + QChar(0x2026));
}

} // namespace
} // namespace tenvik::test
