#include "QtWarningRecorder.h"
#include "WindowFixture.h"

#include "ui/widgets/ArrowButton.h"
#include "ui/widgets/CellGrid.h"
#include "ui/widgets/DateEdit.h"
#include "ui/widgets/DayCell.h"
#include "ui/widgets/DockLayout.h"
#include "ui/widgets/Label.h"
#include "ui/widgets/StateColorButton.h"
#include "ui/widgets/TabControl.h"

#include <QApplication>

namespace tenvik::test {
namespace {

using namespace Main;

struct Figure {
    const char* name;
    float actual;
    float expected;
};

void ExpectStartupFigures(const TMainForm& w)
{
    const Figure figures[] = {
        {"title bar", static_cast<float>(DockExtent(*w.tbCalendar)), 40.0f},
        {"month bar", static_cast<float>(DockExtent(*w.loMonthName)), 64.0f},
        {"weekday bar", static_cast<float>(DockExtent(*w.loDaysOfWeek)), 40.0f},
        {"footer", static_cast<float>(DockExtent(*w.loFooter)), 53.333332f},
        {"weekday item height", w.gloDOW->itemHeight(), 39.9f},
        {"TitleFontSize", TitleFontSize, 16.0f},
        {"MonthFontSize", MonthFontSize, 32.0f},
        {"WeekdayFontSize", WeekdayFontSize, 13.965f},
        {"StatusFontSize", StatusFontSize, 13.333333f},
    };
    for (const Figure& f : figures)
        EXPECT_EQ(f.actual, f.expected) << f.name;

    // The grid shares what the bars leave of the page; the cell fonts follow its rows.
    const QSize page = w.tabCtrl->pageRect().size();
    const long double band = page.height() - 40.0L - 64.0L - 40.0L - 53.333332L;
    EXPECT_NEAR(w.gloCal->itemHeight(), (band - 0.1L) / 6, 1e-4);
    EXPECT_FLOAT_EQ(w.gloCal->itemWidth(), static_cast<float>((page.width() - 0.1L) / 7));
    EXPECT_FLOAT_EQ(DayFontSize, 0.5f * w.gloCal->itemHeight());
    EXPECT_FLOAT_EQ(LabelSmallFontSize, 0.2f * w.gloCal->itemHeight());
    EXPECT_EQ(w.lblToolbar3->fontSize(), TitleFontSize);
}

TEST_F(WindowTest, StartupSizingAtHeight640BeforeAndAfterTheFirstShow)
{
    TMainForm& w = open(Show::No);
    {
        SCOPED_TRACE("before show");
        ExpectStartupFigures(w);
    }
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    SCOPED_TRACE("shown");
    EXPECT_EQ(w.frameGeometry().size(), QSize(350, 640));
    ExpectStartupFigures(w);
    // Qt's own layout of the shown page agrees with the figures the sizing used.
    EXPECT_EQ(w.tabCalendar->size(), w.tabCtrl->pageRect().size());
    EXPECT_EQ(w.gR[41]->geometry().bottom(), w.gloCal->height() - 1);
}

TEST_F(WindowTest, WiderWindowChangesOnlyTheItemWidths)
{
    TMainForm& w = open();
    const float bars[] = {static_cast<float>(DockExtent(*w.tbCalendar)), static_cast<float>(DockExtent(*w.loFooter))};
    const float fonts[] = {TitleFontSize, MonthFontSize, WeekdayFontSize, DayFontSize, StatusFontSize};
    const float itemHeight = w.gloCal->itemHeight();
    const float itemWidth = w.gloCal->itemWidth();

    w.resize(w.width() + 150, w.height());
    QApplication::processEvents();

    EXPECT_EQ(static_cast<float>(DockExtent(*w.tbCalendar)), bars[0]);
    EXPECT_EQ(static_cast<float>(DockExtent(*w.loFooter)), bars[1]);
    const float after[] = {TitleFontSize, MonthFontSize, WeekdayFontSize, DayFontSize, StatusFontSize};
    EXPECT_TRUE(std::equal(std::begin(fonts), std::end(fonts), std::begin(after)));
    EXPECT_EQ(w.gloCal->itemHeight(), itemHeight);
    EXPECT_FLOAT_EQ(w.gloCal->itemWidth(), itemWidth + 150.0f / 7);
    EXPECT_FLOAT_EQ(w.gloDOW->itemWidth(), w.gloCal->itemWidth());
}

TEST_F(WindowTest, ButtonsAndFieldsOnScaledTitlesKeepTheThemeSize)
{
    TMainForm& w = open();
    w.resize(600, 1200);
    QApplication::processEvents();
    ASSERT_GT(TitleFontSize, 30.0f);
    const QWidget* onTitles[] = {w.sbBack2, w.bSave, w.bToday, w.deDate, w.bNext, w.dePPStart};
    for (const QWidget* widget : onTitles) {
        SCOPED_TRACE(widget->objectName().toStdString());
        EXPECT_EQ(widget->font().pointSizeF(), QApplication::font(widget).pointSizeF());
    }
}

TEST_F(WindowTest, NoQtWarningsFromTinyToLargeWindows)
{
    TMainForm& w = open();
    const QtWarningRecorder warnings;
    const QSize sizes[] = {{1, 1},     {5, 400},     {350, 5},   {40, 60},   {120, 200}, {200, 250},
                           {350, 640}, {2400, 1800}, {90, 2000}, {3000, 90}, {350, 640}};
    for (QSize size : sizes) {
        w.resize(size);
        QApplication::processEvents();
        w.grab(); // paints every page widget at that size
        for (int page = 0; page < w.tabCtrl->count(); ++page)
            w.tabCtrl->widget(page)->grab();
    }
    EXPECT_TRUE(warnings.messages().isEmpty()) << warnings.text();
}

} // namespace
} // namespace tenvik::test
