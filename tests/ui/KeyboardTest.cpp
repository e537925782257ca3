// What the keyboard reaches beyond the calendar's own keys: a date typed into the footer's
// field, the pay-period start, the page-switch keys and the scrolling of the pages that
// scroll.
#include "WindowFixture.h"

#include "ui/widgets/CellGrid.h"
#include "ui/widgets/ComboBox.h"
#include "ui/widgets/DateEdit.h"
#include "ui/widgets/Label.h"
#include "ui/widgets/Notice.h"
#include "ui/widgets/ScrollPage.h"
#include "ui/widgets/StateColorButton.h"
#include "ui/widgets/TabControl.h"

#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>

#include <algorithm>
#include <utility>

namespace tenvik::test {
namespace {

using namespace Main;

// A key as the user presses it: to the widget with the focus, else to the window.
void Press(TMainForm& w, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus != nullptr ? focus : &w, key, modifiers);
}

void TypeYear(DateEdit& field, const QString& year)
{
    field.setFocus();
    field.setSelectedSection(QDateTimeEdit::YearSection);
    QTest::keyClicks(&field, year);
}

TEST_F(WindowTest, ADateTypedIntoTheFooterFieldIsGoneToOnEnterOrOnLeavingTheField)
{
    TMainForm& w = open();

    TypeYear(*w.deDate, QStringLiteral("2031"));
    QTest::keyClick(w.deDate, Qt::Key_Return);
    EXPECT_EQ(CurrentDate, Day(2031, 12, 10));
    EXPECT_EQ(SavedDate, Day(2031, 12, 10));
    EXPECT_EQ(w.lblMonthName->rawText(), QStringLiteral("Dec 2031"));
    EXPECT_TRUE(w.gloCal->hasFocus()); // as after the picker

    TypeYear(*w.deDate, QStringLiteral("2032"));
    QTest::keyClick(w.deDate, Qt::Key_Tab);
    EXPECT_EQ(CurrentDate, Day(2032, 12, 10));
    EXPECT_EQ(SavedDate, Day(2032, 12, 10));
    EXPECT_TRUE(w.gloCal->hasFocus());
    EXPECT_FALSE(w.lblDateNotice->isVisible());
}

TEST_F(WindowTest, ATypedTextThatIsNoDateInRangeIsSaidToBeNoneAndStays)
{
    TMainForm& w = open();
    GoTo(Day(2027, 3, 1));
    auto* text = w.deDate->findChild<QLineEdit*>();
    ASSERT_NE(text, nullptr);

    // Before the calendar's first year, by Enter and by leaving the field.
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Tab}) {
        SCOPED_TRACE(key);
        w.lblDateNotice->hide();
        TypeYear(*w.deDate, QStringLiteral("1850"));
        QTest::keyClick(w.deDate, key);
        EXPECT_EQ(text->text(), QStringLiteral("12/10/1850"));
        EXPECT_EQ(CurrentDate, Day(2027, 3, 1));
        EXPECT_EQ(SavedDate, Today);
        EXPECT_TRUE(w.lblDateNotice->isVisible());
        EXPECT_TRUE(w.lblDateNotice->text().contains(QStringLiteral("12/10/1850")));
        EXPECT_TRUE(w.lblDateNotice->text().contains(QStringLiteral("1/1/1901")));
        if (key == Qt::Key_Return) {
            EXPECT_TRUE(w.deDate->hasFocus()); // to mend it
        }
    }

    // No date at all: the year deleted. The notice sits over the grid, clear of the field.
    w.deDate->setFocus();
    w.deDate->setSelectedSection(QDateTimeEdit::YearSection);
    QTest::keyClick(w.deDate, Qt::Key_Backspace);
    ASSERT_EQ(text->text(), QStringLiteral("12/10/"));
    QTest::keyClick(w.deDate, Qt::Key_Return);
    EXPECT_EQ(text->text(), QStringLiteral("12/10/"));
    EXPECT_EQ(CurrentDate, Day(2027, 3, 1));
    EXPECT_TRUE(w.lblDateNotice->text().contains(QStringLiteral("12/10/")));
    const QRect notice(w.lblDateNotice->mapTo(&w, QPoint(0, 0)), w.lblDateNotice->size());
    const QRect field(w.deDate->mapTo(&w, QPoint(0, 0)), w.deDate->size());
    EXPECT_FALSE(notice.intersects(field));
}

TEST_F(WindowTest, ThePayPeriodStartIsReachedByTabAndShownFromTheKeyboard)
{
    TMainForm& w = open();
    w.tabCtrl->setCurrentWidget(w.tabSettings);
    w.edAgency->setFocus();
    QTest::keyClick(w.edAgency, Qt::Key_Tab);
    QWidget* reached = QApplication::focusWidget();
    ASSERT_NE(reached, nullptr);
    EXPECT_TRUE(w.loSettings->isAncestorOf(reached));
    EXPECT_FALSE(reached->accessibleName().isEmpty());
    EXPECT_TRUE(w.dePPStart->isHidden());

    QTest::keyClick(reached, Qt::Key_Space);
    EXPECT_TRUE(w.dePPStart->isVisible());
    EXPECT_TRUE(w.dePPStart->hasFocus());
    EXPECT_TRUE(w.lblToolbar2->rawText().isEmpty());

    TypeYear(*w.dePPStart, QStringLiteral("2021"));
    QTest::mouseClick(w.bSave, Qt::LeftButton);
    EXPECT_EQ(PayPeriodStart, Day(2021, 12, 20));
}

TEST_F(WindowTest, CtrlTabSwitchesPagesBothWaysAndWrapsWhateverHasTheFocus)
{
    TMainForm& w = open();
    QWidget* const forward[] = {w.tabSettings, w.tabHelp, w.tabAbout, w.tabCalendar};
    for (QWidget* page : forward) {
        SCOPED_TRACE(page->objectName().toStdString());
        if (page == w.tabHelp)
            w.edAgency->setFocus(); // a field on the page that keeps Ctrl with its own keys
        Press(w, Qt::Key_Tab, Qt::ControlModifier);
        EXPECT_EQ(w.tabCtrl->currentWidget(), page);
    }
    QWidget* const backward[] = {w.tabAbout, w.tabHelp};
    for (QWidget* page : backward) {
        SCOPED_TRACE(page->objectName().toStdString());
        Press(w, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(w.tabCtrl->currentWidget(), page);
    }
    EXPECT_EQ(CurrentDate, Today);
}

TEST_F(WindowTest, ThePagesThatScrollTakeTheScrollKeysAndLeaveTheCalendarWhereItIs)
{
    TMainForm& w = open();
    w.resize(w.minimumSize());
    QApplication::processEvents();
    const std::pair<QWidget*, QWidget*> pages[] = {
        {w.tabHelp, w.sbBack3}, {w.tabSettings, w.sbBack2}, {w.tabAbout, w.sbBack4}};
    for (const auto& [page, back] : pages) {
        SCOPED_TRACE(page->objectName().toStdString());
        w.tabCtrl->setCurrentWidget(page);
        QApplication::processEvents();
        back->setFocus(); // a control that leaves these keys unused
        const QScrollBar& bar = *page->findChild<ScrollPage*>()->verticalScrollBar();
        ASSERT_GT(bar.maximum(), 0);
        const struct {
            Qt::Key key;
            int value;
        } steps[] = {{Qt::Key_PageDown, std::min(bar.pageStep(), bar.maximum())},
                     {Qt::Key_End, bar.maximum()},
                     {Qt::Key_PageUp, std::max(0, bar.maximum() - bar.pageStep())},
                     {Qt::Key_Home, 0},
                     {Qt::Key_Down, bar.singleStep()},
                     {Qt::Key_Up, 0}};
        for (const auto& step : steps) {
            SCOPED_TRACE(step.key);
            // The arrows of a focused button move the focus, as Qt's buttons do.
            if (step.key == Qt::Key_Down || step.key == Qt::Key_Up)
                QTest::keyClick(&w, step.key);
            else
                Press(w, step.key);
            EXPECT_EQ(bar.value(), step.value);
        }
    }
    EXPECT_EQ(CurrentDate, Today);
    EXPECT_EQ(SavedDate, Today);

    // A focused control does with its keys what it always does.
    w.tabCtrl->setCurrentWidget(w.tabSettings);
    w.cbPlt->setFocus();
    QTest::keyClick(w.cbPlt, Qt::Key_Down);
    EXPECT_EQ(w.cbPlt->currentText(), QStringLiteral("A1"));
    EXPECT_EQ(w.tabSettings->findChild<ScrollPage*>()->verticalScrollBar()->value(), 0);
}

} // namespace
} // namespace tenvik::test
