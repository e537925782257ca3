// What a screen reader learns from the window, read through Qt's accessibility interfaces
// as the desktop's bridge reads them, with the notifications caught on their way there.
#include "AccessibleNotices.h"
#include "WindowFixture.h"

#include "bridge/QtDate.h"
#include "ui/widgets/CellGrid.h"
#include "ui/widgets/ColorComboBox.h"
#include "ui/widgets/ComboBox.h"
#include "ui/widgets/DayCell.h"
#include "ui/widgets/Image.h"
#include "ui/widgets/Label.h"
#include "ui/widgets/StateColorButton.h"
#include "ui/widgets/Switch.h"
#include "ui/widgets/TabControl.h"
#include "ui/widgets/Text.h"

#include <QAccessible>
#include <QApplication>
#include <QSet>
#include <QTabBar>

#include <algorithm>
#include <initializer_list>
#include <vector>

namespace tenvik::test {
namespace {

using namespace Main;

// A fresh window with a screen reader listening.
class AccessibilityTest : public WindowTest {
protected:
    void SetUp() override { AccessibleNotices().clear(); }

    static QAccessibleInterface* Interface(QObject* object) { return QAccessible::queryAccessibleInterface(object); }

    static QString Name(QObject* object)
    {
        QAccessibleInterface* iface = Interface(object);
        return iface ? iface->text(QAccessible::Name) : QString();
    }

    static bool IsCell(const QObject* object)
    {
        const auto& cells = MainForm->gR;
        return std::find(cells.begin(), cells.end(), object) != cells.end();
    }

    // The grid cells the screen reader was told have the focus, oldest first.
    static std::vector<QObject*> FocusedCells()
    {
        std::vector<QObject*> cells;
        for (const AccessibleNotice& n : AccessibleNotices())
            if (n.type == QAccessible::Focus && IsCell(n.object))
                cells.push_back(n.object);
        return cells;
    }

    static int Count(QAccessible::Event type, const QSet<QObject*>& among)
    {
        int count = 0;
        for (const AccessibleNotice& n : AccessibleNotices())
            count += n.type == type && among.contains(n.object);
        return count;
    }

    static void Choose(TMainForm& w, const char* assignment)
    {
        w.cbPlt->setCurrentText(QString::fromLatin1(assignment));
        ASSERT_EQ(w.cbPlt->currentText(), QString::fromLatin1(assignment));
    }

    static QString CellText(DayNumber date)
    {
        const int cell = CellOf(date);
        return cell < 0 ? QStringLiteral("(not shown)") : Name(MainForm->gR[static_cast<std::size_t>(cell)]);
    }
};

bool IsControl(const QAccessibleInterface& iface)
{
    switch (iface.role()) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::SpinBox:
    case QAccessible::PageTab:
    case QAccessible::Table:
    case QAccessible::Cell:
    case QAccessible::Graphic:
    case QAccessible::Link:
        return true;
    default:
        return iface.state().focusable;
    }
}

// Depth first through what a screen reader can reach from the window, every page
// included; popups are windows of their own and are not visited.
void CollectUnnamedControls(const QWidget& window, QAccessibleInterface& iface, QSet<QAccessibleInterface*>& seen,
                            QStringList& unnamed)
{
    if (seen.contains(&iface))
        return;
    seen.insert(&iface);
    if (const auto* widget = qobject_cast<const QWidget*>(iface.object()); widget && widget->window() != &window)
        return;
    if (IsControl(iface) && iface.text(QAccessible::Name).trimmed().isEmpty()) {
        const QObject* object = iface.object();
        unnamed << QStringLiteral("%1 (%2, role %3)")
                       .arg(object ? object->objectName() : QStringLiteral("?"),
                            object ? QString::fromLatin1(object->metaObject()->className()) : QString())
                       .arg(iface.role());
    }
    for (int i = 0; i < iface.childCount(); ++i)
        if (QAccessibleInterface* child = iface.child(i))
            CollectUnnamedControls(window, *child, seen, unnamed);
}

TEST_F(AccessibilityTest, EveryControlOnEveryPageHasAName)
{
    TMainForm& w = open();
    QAccessibleInterface* window = Interface(&w);
    ASSERT_NE(window, nullptr);
    QSet<QAccessibleInterface*> seen;
    QStringList unnamed;
    CollectUnnamedControls(w, *window, seen, unnamed);
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(u'\n').toStdString();
    // The walk reached all four pages.
    for (QWidget* deep : std::initializer_list<QWidget*>{w.gR[41], w.bBkGr, w.imgHelp, w.sbHelp2})
        EXPECT_TRUE(seen.contains(Interface(deep))) << deep->objectName().toStdString();
}

TEST_F(AccessibilityTest, EachDayCellSaysTheWholeDayInWords)
{
    struct Case {
        const char* what;
        DayNumber date;
        DayNumber selected; // the grid shows its month
        const char* assignment;
        bool paydays;
        const char* words;
    };
    const Case cases[] = {
        {"own RDO on the schedule's first day", Day(2012, 1, 17), Day(2012, 1, 17), "A1", false,
         "Tuesday, January 17, 2012, A platoon, your RDO, RDO group A1"},
        {"payday shown", Day(2012, 1, 20), Day(2012, 1, 17), "RDO", true,
         "Friday, January 20, 2012, A platoon, RDO group A2, payday"},
        {"payday hidden", Day(2012, 1, 20), Day(2012, 1, 17), "RDO", false,
         "Friday, January 20, 2012, A platoon, RDO group A2"},
        {"before the schedule", Day(2012, 1, 1), Day(2012, 1, 17), "A1", true, "Sunday, January 1, 2012"},
        {"first day of a pay period", Day(2026, 12, 13), Today, "A3", false,
         "Sunday, December 13, 2026, A platoon, your RDO, RDO group A3, pay period 1 begins"},
        {"today", Today, Today, "B5", true, "Thursday, December 10, 2026, today, B platoon, RDO group B2"},
        {"a day of the next month", Day(2027, 1, 1), Today, "RDO", true,
         "Friday, January 1, 2027, A platoon, RDO group A4, payday"},
    };
    TMainForm& w = open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Choose(w, c.assignment);
        w.swPaydays->setChecked(c.paydays);
        GoTo(c.selected);
        EXPECT_EQ(CellText(c.date), QString::fromLatin1(c.words));
        EXPECT_EQ(w.gR[static_cast<std::size_t>(CellOf(c.date))]->toolTip(), QString::fromLatin1(c.words));
    }
}

TEST_F(AccessibilityTest, TheDateIsSaidTheUsersWay)
{
    m_longDateLocale = QLocale(QLocale::English, QLocale::UnitedKingdom);
    TMainForm& w = open();
    Choose(w, "A1");
    GoTo(Day(2012, 1, 17));
    EXPECT_EQ(CellText(Day(2012, 1, 17)),
              QStringLiteral("Tuesday, 17 January 2012, A platoon, your RDO, RDO group A1"));
}

TEST_F(AccessibilityTest, GridIsATableOfDaysHeadedByTheWeekdays)
{
    TMainForm& w = open();
    QAccessibleInterface* grid = Interface(w.gloCal);
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->role(), QAccessible::Table);
    EXPECT_EQ(grid->text(QAccessible::Name), QStringLiteral("Month grid"));
    ASSERT_EQ(grid->childCount(), 42);
    QAccessibleTableInterface* table = grid->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rowCount(), 6);
    EXPECT_EQ(table->columnCount(), 7);
    EXPECT_EQ(table->caption()->text(QAccessible::Name), QStringLiteral("December"));

    // Friday 11 December: row 1, column 5.
    const int dec11 = CellOf(Day(2026, 12, 11));
    QAccessibleInterface* cell = table->cellAt(1, 5);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->object(), w.gR[static_cast<std::size_t>(dec11)]);
    EXPECT_EQ(grid->indexOfChild(cell), dec11);
    EXPECT_EQ(cell->parent(), grid);
    EXPECT_EQ(cell->role(), QAccessible::Cell);
    QAccessibleTableCellInterface* tableCell = cell->tableCellInterface();
    ASSERT_NE(tableCell, nullptr);
    EXPECT_EQ(tableCell->rowIndex(), 1);
    EXPECT_EQ(tableCell->columnIndex(), 5);
    ASSERT_EQ(tableCell->columnHeaderCells().size(), 1);
    EXPECT_EQ(tableCell->columnHeaderCells().front()->text(QAccessible::Name), QStringLiteral("Fri"));
    EXPECT_EQ(tableCell->table(), grid);

    // The legend and the day numbers read as text.
    EXPECT_EQ(Interface(w.gT[40])->role(), QAccessible::StaticText);
    EXPECT_EQ(Name(w.gT[40]), QStringLiteral("A"));
    EXPECT_EQ(Name(w.gR[40]), QStringLiteral("Legend: A platoon, Red"));
    EXPECT_EQ(Name(w.gR[41]), QStringLiteral("Legend: B platoon, Blue"));
    EXPECT_EQ(Interface(w.gT[dec11])->role(), QAccessible::StaticText);
    EXPECT_EQ(Name(w.gT[dec11]), QStringLiteral("11"));
}

TEST_F(AccessibilityTest, SelectedDayIsTheFocusedCell)
{
    TMainForm& w = open();
    QAccessibleInterface* grid = Interface(w.gloCal);
    const auto expectSelected = [&](DayNumber date) {
        const int selected = CellOf(date);
        ASSERT_GE(selected, 0);
        QAccessibleInterface* focus = grid->focusChild();
        ASSERT_NE(focus, nullptr);
        EXPECT_EQ(focus->object(), w.gR[static_cast<std::size_t>(selected)]);
        EXPECT_TRUE(focus->state().focused);
        EXPECT_TRUE(focus->state().selected);
        EXPECT_TRUE(focus->tableCellInterface()->isSelected());
        const QList<QAccessibleInterface*> cells = grid->tableInterface()->selectedCells();
        ASSERT_EQ(cells.size(), 1);
        EXPECT_EQ(cells.front(), focus);
        QAccessibleInterface* other = grid->child(selected == 0 ? 1 : 0);
        EXPECT_FALSE(other->state().focused);
        EXPECT_FALSE(other->state().selected);
    };
    expectSelected(Today);

    // Each move tells the screen reader once which cell has the focus now, and that
    // cell already carries the new day's words.
    struct Move {
        const char* what;
        int key;
        DayNumber lands;
    };
    const Move moves[] = {
        {"a day on", Qt::Key_Right, Day(2026, 12, 11)},
        {"a week on", Qt::Key_Down, Day(2026, 12, 18)},
        {"a month on", Qt::Key_PageDown, Day(2027, 1, 18)},
        {"back to today", Qt::Key_Home, Today},
    };
    for (const Move& m : moves) {
        SCOPED_TRACE(m.what);
        AccessibleNotices().clear();
        QTest::keyClick(w.gloCal, static_cast<Qt::Key>(m.key));
        const std::size_t cell = static_cast<std::size_t>(CellOf(m.lands));
        ASSERT_EQ(FocusedCells().size(), 1u);
        EXPECT_EQ(FocusedCells().back(), w.gR[cell]);
        EXPECT_TRUE(Name(w.gR[cell])
                        .startsWith(QLocale(QLocale::English, QLocale::UnitedStates)
                                        .toString(DayNumberToQDate(m.lands), QLocale::LongFormat)));
        expectSelected(m.lands);
    }
}

TEST_F(AccessibilityTest, SameCellInAnotherMonthIsAnnouncedAgain)
{
    // February and March 2026 both begin on a Sunday: the 10th is cell 9 in both.
    TMainForm& w = open();
    GoTo(Day(2026, 2, 10));
    const int cell = CellOf(Day(2026, 2, 10));
    AccessibleNotices().clear();
    QTest::keyClick(w.gloCal, Qt::Key_PageDown);
    ASSERT_EQ(CellOf(Day(2026, 3, 10)), cell);
    ASSERT_EQ(FocusedCells().size(), 1u);
    EXPECT_EQ(FocusedCells().back(), w.gR[static_cast<std::size_t>(cell)]);
}

TEST_F(AccessibilityTest, ClickedDayIsAnnounced)
{
    TMainForm& w = open();
    AccessibleNotices().clear();
    const std::size_t dec12 = static_cast<std::size_t>(CellOf(Day(2026, 12, 12)));
    QTest::mouseClick(w.gR[dec12], Qt::LeftButton);
    ASSERT_EQ(CurrentDate, Day(2026, 12, 12));
    ASSERT_FALSE(FocusedCells().empty());
    EXPECT_EQ(FocusedCells().back(), w.gR[dec12]);
    EXPECT_EQ(Interface(w.gloCal)->focusChild()->object(), w.gR[dec12]);
}

TEST_F(AccessibilityTest, RefreshThatMovesNothingTellsNothing)
{
    TMainForm& w = open();
    QSet<QObject*> texts{w.lblStatus};
    for (Rectangle* cell : w.gR)
        texts.insert(cell);
    AccessibleNotices().clear();

    RefreshAll();
    w.resize(w.width(), w.height() + 40);
    QApplication::processEvents();
    QTest::keyClick(w.gloCal, Qt::Key_A); // refreshes, moves no date

    EXPECT_EQ(Count(QAccessible::Focus, texts), 0);
    EXPECT_EQ(Count(QAccessible::NameChanged, texts), 0);
}

TEST_F(AccessibilityTest, ShowingPaydaysRenamesOnlyThePaydays)
{
    TMainForm& w = open();
    QSet<QObject*> cells;
    for (Rectangle* cell : w.gR)
        cells.insert(cell);
    AccessibleNotices().clear();
    w.swPaydays->setChecked(true);
    RefreshAll();
    // 4 and 18 December and 1 January are the paydays of the grid.
    EXPECT_EQ(Count(QAccessible::NameChanged, cells), 3);
    EXPECT_TRUE(CellText(Day(2026, 12, 18)).endsWith(QStringLiteral(", payday")));
}

TEST_F(AccessibilityTest, StatusLineAndMonthTitleReadAsText)
{
    TMainForm& w = open();
    Choose(w, "B2");
    GoTo(Today); // the RDO of B2
    // The " *" marks the own RDO for the eye; read aloud the line says it in words.
    EXPECT_TRUE(w.lblStatus->rawText().endsWith(QStringLiteral("B2 *")));
    EXPECT_EQ(Interface(w.lblStatus)->role(), QAccessible::StaticText);
    EXPECT_EQ(Name(w.lblStatus),
              QStringLiteral("Thursday, December 10, 2026, today, B platoon, your RDO, RDO group B2"));
    EXPECT_EQ(Interface(w.lblMonthName)->role(), QAccessible::StaticText);
    EXPECT_EQ(Name(w.lblMonthName), QStringLiteral("December"));
    GoTo(Day(2027, 3, 1));
    EXPECT_EQ(Name(w.lblMonthName), QStringLiteral("Mar 2027"));
    EXPECT_EQ(Name(w.lblStatus), QStringLiteral("Monday, March 1, 2027, B platoon, your RDO, RDO group B2"));
    // What the eye reads is there too, as the line's description.
    EXPECT_EQ(Interface(w.lblStatus)->text(QAccessible::Description), QStringLiteral("3/1/2027\nB2 *"));
}

TEST_F(AccessibilityTest, AssignmentIsNamedForWhatItIsAndValuedByTheGroup)
{
    TMainForm& w = open();
    Choose(w, "A3");
    QAccessibleInterface* box = Interface(w.cbPlt);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->role(), QAccessible::ComboBox);
    EXPECT_EQ(box->text(QAccessible::Name), QStringLiteral("Assignment"));
    EXPECT_EQ(box->text(QAccessible::Value), QStringLiteral("A3"));
    EXPECT_TRUE(box->state().collapsed);
    // The list, once dropped down, is its child and lists the groups.
    w.tabCtrl->setCurrentWidget(w.tabSettings);
    w.cbPlt->showPopup();
    ASSERT_EQ(box->childCount(), 1);
    EXPECT_TRUE(box->state().expanded);
    EXPECT_EQ(box->child(0)->childCount(), 15);
    w.cbPlt->hidePopup();
    EXPECT_EQ(Name(w.ccbColor), QStringLiteral("Colour"));
}

TEST_F(AccessibilityTest, CurrentPageTabReadsAsSelected)
{
    TMainForm& w = open();
    QAccessibleInterface* tabs = Interface(w.tabCtrl->tabBar());
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->role(), QAccessible::PageTabList);
    ASSERT_EQ(tabs->childCount(), 4);
    for (int current = 0; current < 4; ++current) {
        w.tabCtrl->setCurrentIndex(current);
        for (int i = 0; i < 4; ++i) {
            QAccessibleInterface* tab = tabs->child(i);
            SCOPED_TRACE(tab->text(QAccessible::Name).toStdString());
            EXPECT_EQ(tab->role(), QAccessible::PageTab);
            EXPECT_EQ(tab->parent(), tabs);
            EXPECT_EQ(tabs->indexOfChild(tab), i);
            EXPECT_EQ(tab->state().selected, i == current);
            EXPECT_TRUE(tab->state().selectable);
        }
        EXPECT_EQ(tabs->focusChild(), tabs->child(current));
    }
    EXPECT_EQ(tabs->child(2)->text(QAccessible::Name), QStringLiteral("Help"));
    // Pressing a tab opens its page.
    tabs->child(1)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(w.tabCtrl->currentWidget(), w.tabSettings);
}

} // namespace
} // namespace tenvik::test
