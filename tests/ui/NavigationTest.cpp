#include "WindowFixture.h"

#include "ui/widgets/ArrowButton.h"
#include "ui/widgets/CellGrid.h"
#include "ui/widgets/ColorComboBox.h"
#include "ui/widgets/DateEdit.h"
#include "ui/widgets/DayCell.h"
#include "ui/widgets/Label.h"
#include "ui/widgets/StateColorButton.h"
#include "ui/widgets/TabControl.h"
#include "ui/widgets/Text.h"

#include <QApplication>
#include <QLineEdit>

namespace tenvik::test {
namespace {

using namespace Main;

enum class Move { NextButton, PrevButton, PageDown, PageUp, CtrlPageDown };

void Do(TMainForm& w, Move move)
{
    switch (move) {
    case Move::NextButton:
        QTest::mouseClick(w.bNext, Qt::LeftButton);
        break;
    case Move::PrevButton:
        QTest::mouseClick(w.bPrev, Qt::LeftButton);
        break;
    case Move::PageDown:
        QTest::keyClick(w.gloCal, Qt::Key_PageDown);
        break;
    case Move::PageUp:
        QTest::keyClick(w.gloCal, Qt::Key_PageUp);
        break;
    case Move::CtrlPageDown:
        QTest::keyClick(w.gloCal, Qt::Key_PageDown, Qt::ControlModifier);
        break;
    }
}

TEST_F(WindowTest, MonthStepsKeepTheDayWhereTheMonthAllowsAndStopAtTheEnds)
{
    TMainForm& w = open();
    struct Case {
        const char* name;
        DayNumber from;
        Move move;
        int times;
        DayNumber to;
        DayNumber saved; // 0: the buttons leave it alone
    };
    const Case cases[] = {
        {"31 Jan to leap February", Day(2024, 1, 31), Move::NextButton, 1, Day(2024, 2, 29), 0},
        {"the day stays lowered", Day(2024, 1, 31), Move::NextButton, 2, Day(2024, 3, 29), 0},
        {"31 Jan to February", Day(2021, 1, 31), Move::PageDown, 1, Day(2021, 2, 28), Day(2021, 2, 28)},
        {"31 Mar back", Day(2021, 3, 31), Move::PageUp, 1, Day(2021, 2, 28), Day(2021, 2, 28)},
        {"past 2060", Day(2060, 12, 15), Move::NextButton, 1, Day(2060, 12, 31), 0},
        {"past 2060 by key, saved before the clamp", Day(2060, 12, 15), Move::PageDown, 1, Day(2060, 12, 31),
         Day(2061, 1, 15)},
        {"before 1901", Day(1901, 1, 15), Move::PrevButton, 1, Day(1901, 1, 1), 0},
        {"Ctrl held", Day(2026, 12, 10), Move::CtrlPageDown, 1, Day(2027, 1, 10), Day(2027, 1, 10)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GoTo(c.from);
        SavedDate = 0;
        for (int i = 0; i < c.times; ++i)
            Do(w, c.move);
        EXPECT_EQ(CurrentDate, c.to);
        EXPECT_EQ(SavedDate, c.saved);
        // The grid shows the day, and only its cell is filled as the selection.
        const int cell = CellOf(CurrentDate);
        ASSERT_GE(cell, 0);
        EXPECT_EQ(w.gT[static_cast<std::size_t>(cell)]->text(), QString::number(CalendarDay(CurrentDate)));
        for (std::size_t i = 0; i < w.gR.size(); ++i)
            EXPECT_EQ(w.gR[i]->fillColor() != BkGrColor, i == static_cast<std::size_t>(cell)) << "cell " << i;
        EXPECT_EQ(w.tabCtrl->currentWidget(), w.tabCalendar);
    }
}

TEST_F(WindowTest, DayKeysHomeEndAndClicksKeepTheirOwnReturnPoint)
{
    TMainForm& w = open();
    struct Step {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        DayNumber current;
        DayNumber saved;
    };
    const Step steps[] = {
        {"End before any move", Qt::Key_End, {}, Today, Today},
        {"Right", Qt::Key_Right, {}, Day(2026, 12, 11), Day(2026, 12, 11)},
        {"Ctrl+Right", Qt::Key_Right, Qt::ControlModifier, Day(2026, 12, 12), Day(2026, 12, 12)},
        {"Shift+Down", Qt::Key_Down, Qt::ShiftModifier, Day(2026, 12, 19), Day(2026, 12, 19)},
        {"Up", Qt::Key_Up, {}, Day(2026, 12, 12), Day(2026, 12, 12)},
        {"Left", Qt::Key_Left, {}, Day(2026, 12, 11), Day(2026, 12, 11)},
        {"Home", Qt::Key_Home, {}, Today, Day(2026, 12, 11)},
        {"End", Qt::Key_End, {}, Day(2026, 12, 11), Day(2026, 12, 11)},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.name);
        QTest::keyClick(w.gloCal, s.key, s.modifiers);
        EXPECT_EQ(CurrentDate, s.current);
        EXPECT_EQ(SavedDate, s.saved);
    }

    // A click selects a day of the shown month; End still returns to the keyboard's place.
    QTest::mouseClick(w.gR[static_cast<std::size_t>(CellOf(Day(2026, 12, 24)))], Qt::LeftButton);
    EXPECT_EQ(CurrentDate, Day(2026, 12, 24));
    EXPECT_EQ(SavedDate, Day(2026, 12, 11));
    QTest::keyClick(w.gloCal, Qt::Key_End);
    EXPECT_EQ(CurrentDate, Day(2026, 12, 11));
}

TEST_F(WindowTest, LeftOnTheFirstShownDayStaysButRemembersTheDayBefore)
{
    TMainForm& w = open();
    GoTo(MinViewDate);
    QTest::keyClick(w.gloCal, Qt::Key_Left);
    EXPECT_EQ(CurrentDate, MinViewDate);
    EXPECT_EQ(SavedDate, MinViewDate - 1);
    QTest::keyClick(w.gloCal, Qt::Key_End);
    EXPECT_EQ(CurrentDate, MinViewDate);
}

TEST_F(WindowTest, UnlistedKeysOnlyRefresh)
{
    TMainForm& w = open();
    const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
        {Qt::Key_A, {}}, {Qt::Key_F5, {}}, {Qt::Key_Insert, Qt::ControlModifier}};
    for (const auto& [key, modifiers] : keys) {
        SCOPED_TRACE(key);
        w.lblToolbar1->setRawText(QStringLiteral("stale"));
        w.bToday->setFocus();
        QTest::keyClick(w.gloCal, key, modifiers);
        EXPECT_EQ(CurrentDate, Today);
        EXPECT_EQ(w.lblToolbar1->rawText(), QStringLiteral("Velmora Fire")); // the pass ran
        EXPECT_TRUE(w.gloCal->hasFocus());
        EXPECT_EQ(w.tabCtrl->currentWidget(), w.tabCalendar);
    }
}

// Keys the date field and the agency field edit with stay with them; they once went on to
// the window, whose refresh took the focus away at the first press of Ctrl or Shift.
TEST_F(WindowTest, TextAndDateFieldsKeepTheKeysTheyEditWith)
{
    TMainForm& w = open();
    const auto fieldKeeps = [&](QWidget& field, Qt::Key key, Qt::KeyboardModifiers modifiers) {
        w.lblToolbar1->setRawText(QStringLiteral("stale"));
        QTest::keyClick(&field, key, modifiers);
        EXPECT_TRUE(field.hasFocus());
        EXPECT_EQ(w.lblToolbar1->rawText(), QStringLiteral("stale")); // no refresh ran
        EXPECT_EQ(CurrentDate, Today);
    };
    const std::pair<Qt::Key, Qt::KeyboardModifiers> editingKeys[] = {
        {Qt::Key_Shift, Qt::ShiftModifier},     {Qt::Key_Control, Qt::ControlModifier},
        {Qt::Key_Alt, Qt::AltModifier},         {Qt::Key_Escape, {}},
        {Qt::Key_Up, Qt::ShiftModifier},        {Qt::Key_End, Qt::ShiftModifier},
        {Qt::Key_PageDown, Qt::ControlModifier}};

    w.deDate->setFocus();
    for (const auto& [key, modifiers] : editingKeys) {
        SCOPED_TRACE(::testing::Message() << "date field, key " << key);
        fieldKeeps(*w.deDate, key, modifiers);
    }
    auto* dateText = w.deDate->findChild<QLineEdit*>();
    ASSERT_NE(dateText, nullptr);
    QTest::keyClick(w.deDate, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(dateText->selectedText(), dateText->text());
    EXPECT_FALSE(dateText->text().isEmpty());

    w.tabCtrl->setCurrentWidget(w.tabSettings);
    w.edAgency->setFocus();
    for (const auto& [key, modifiers] : editingKeys) {
        SCOPED_TRACE(::testing::Message() << "agency field, key " << key);
        fieldKeeps(*w.edAgency, key, modifiers);
    }
    w.edAgency->end(false);
    QTest::keyClicks(w.edAgency, QStringLiteral(" East"));
    QTest::keyClick(w.edAgency, Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(w.edAgency, Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(w.edAgency->selectedText(), QStringLiteral("st"));
    QTest::keyClick(w.edAgency, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(w.edAgency->text(), QStringLiteral("Velmora Fire"));
    QTest::keyClick(w.edAgency, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(w.edAgency->selectedText(), QStringLiteral("Velmora Fire"));
    EXPECT_TRUE(w.edAgency->hasFocus());
}

TEST_F(WindowTest, NavigationKeysStillWorkFromTheGridAndTheButtons)
{
    TMainForm& w = open();
    w.bToday->setFocus();
    QTest::keyClick(w.bToday, Qt::Key_PageDown);
    EXPECT_EQ(CurrentDate, Day(2027, 1, 10));
    EXPECT_TRUE(w.gloCal->hasFocus());
    QTest::keyClick(w.gloCal, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(CurrentDate, Day(2027, 1, 11));
    w.bNext->setFocus();
    QTest::keyClick(w.bNext, Qt::Key_Home);
    EXPECT_EQ(CurrentDate, Today);
}

TEST_F(WindowTest, FooterPickerClampsItsOwnDateToo)
{
    TMainForm& w = open();
    const std::pair<DayNumber, DayNumber> picks[] = {
        {Day(1900, 1, 1), MinViewDate}, {Day(2070, 3, 5), MaxViewDate}, {Day(1990, 7, 4), Day(1990, 7, 4)}};
    for (const auto& [picked, shown] : picks) {
        SCOPED_TRACE(picked);
        w.deDate->setDayNumber(picked);
        w.deDate->openPicker();
        ASSERT_TRUE(w.deDate->isPickerOpen());
        w.deDate->closePicker();
        EXPECT_EQ(CurrentDate, shown);
        EXPECT_EQ(SavedDate, shown);
        EXPECT_EQ(w.deDate->dayNumber(), shown);
        EXPECT_FALSE(w.deDate->hasFocus());
    }
}

TEST_F(WindowTest, ClicksOnNeighbouringMonthsAndTheLastRowDoNothing)
{
    TMainForm& w = open();
    w.lblToolbar1->setRawText(QStringLiteral("stale"));
    QTest::mouseClick(w.gR[0], Qt::LeftButton);  // 29 November
    QTest::mouseClick(w.gR[34], Qt::LeftButton); // 2 January
    EXPECT_EQ(CurrentDate, Today);
    EXPECT_EQ(w.lblToolbar1->rawText(), QStringLiteral("stale")); // no refresh ran
    for (int cell = 0; cell < 42; ++cell)
        EXPECT_EQ(w.gR[static_cast<std::size_t>(cell)]->hitTest(), cell < 37) << cell;
}

TEST_F(WindowTest, PageChangesHideThePickersAndRestoreTheSettingsTitle)
{
    TMainForm& w = open();
    StateColorButton* backButtons[] = {w.sbBack2, w.sbBack3, w.sbBack4};
    QWidget* pages[] = {w.tabSettings, w.tabHelp, w.tabAbout};
    for (std::size_t i = 0; i < std::size(pages); ++i) {
        SCOPED_TRACE(i);
        w.tabCtrl->setCurrentWidget(pages[i]);
        w.dePPStart->show();
        w.ccbColor->show();
        w.lblToolbar2->setRawText(QString());
        CurrentDate = Day(1800, 1, 1); // a page change clamps it again
        QTest::mouseClick(backButtons[i], Qt::LeftButton);
        EXPECT_EQ(w.tabCtrl->currentWidget(), w.tabCalendar);
        EXPECT_TRUE(w.dePPStart->isHidden());
        EXPECT_TRUE(w.ccbColor->isHidden());
        EXPECT_EQ(w.lblToolbar2->rawText(), QStringLiteral("Tenvik\u00AE"));
        EXPECT_EQ(CurrentDate, MinViewDate);
    }
}

TEST_F(WindowTest, RefreshOnAnotherPageLeavesTheFocusWhereTheUserIs)
{
    TMainForm& w = open();
    w.tabCtrl->setCurrentWidget(w.tabSettings);
    w.edAgency->setFocus();
    ASSERT_TRUE(w.edAgency->hasFocus());
    w.resize(w.width(), w.height() + 40);
    QApplication::processEvents();
    EXPECT_TRUE(w.edAgency->hasFocus());
    QTest::mouseClick(w.sbBack2, Qt::LeftButton);
    EXPECT_TRUE(w.gloCal->hasFocus());
}

TEST_F(WindowTest, TodayButtonReturnsToTodayWithoutTouchingTheReturnPoint)
{
    TMainForm& w = open();
    QTest::keyClick(w.gloCal, Qt::Key_PageUp);
    QTest::mouseClick(w.bToday, Qt::LeftButton);
    EXPECT_EQ(CurrentDate, Today);
    EXPECT_EQ(SavedDate, Day(2026, 11, 10));
}

} // namespace
} // namespace tenvik::test
