// The Calendar page scales with the window: its four bars are fixed fractions of the
// window's outer height, the grid cells share what the bars leave, and the fonts follow
// the bars and cells.
#include "ui/Main.h"
#include "ui/MainState.h"
#include "ui/MainUnit.h"
#include "ui/widgets/DockLayout.h"
#include "ui/widgets/GridLayout.h"
#include "ui/widgets/TabControl.h"

#include "core/MonthGrid.h"

namespace tenvik {

using namespace Main;

namespace {

// Taken off before dividing so that seven items always fit a row and six rows the band
// (a grid layout starts a new row only when the next item would end beyond its width).
constexpr long double GridSlack = 0.1L;

// The sizes are worked out in extended precision and kept in single precision, as the
// font-size variables and the layouts hold them.
float Single(long double value)
{
    return static_cast<float>(value);
}

} // namespace

void TMainForm::FormResize()
{
    const long double h = frameGeometry().height();
    auto& page = *static_cast<DockLayout*>(tabCalendar->layout());
    page.setExtent(tbCalendar, Single(h / 16));
    page.setExtent(loMonthName, Single(h / 10));
    page.setExtent(loDaysOfWeek, Single(h / 16));
    page.setExtent(loFooter, Single(h / 12));

    // Qt lays a hidden window out only when it is first shown; the sizing runs before
    // that, so the tab control and the page are placed here for the present size.
    layout()->setGeometry(rect());
    const QSize pageSize = tabCtrl->pageRect().size();
    page.setGeometry(QRect(QPoint(0, 0), pageSize));

    // Nothing lies between the page and the two grids but rectangles without margins.
    const long double width = pageSize.width();
    const long double weekdayBand = DockExtent(*loDaysOfWeek);
    const long double gridBand = page.placedRect(loCalendar).height();
    gloDOW->setItemSize(Single((width - GridSlack) / GridColumns), Single(weekdayBand - GridSlack));
    gloCal->setItemSize(Single((width - GridSlack) / GridColumns), Single((gridBand - GridSlack) / GridRows));

    ComputeFontSizes();
    RefreshAll();
}

namespace Main {

void ComputeFontSizes()
{
    const TMainForm& form = *MainForm;
    const long double titleBar = DockExtent(*form.tbCalendar);
    const long double monthBar = DockExtent(*form.loMonthName);
    const long double footer = DockExtent(*form.loFooter);
    const long double weekdayItem = form.gloDOW->itemHeight();
    const long double cell = form.gloCal->itemHeight();
    TitleFontSize = Single(0.4L * titleBar);
    MonthFontSize = Single(0.5L * monthBar);
    WeekdayFontSize = Single(0.35L * weekdayItem);
    DayFontSize = Single(0.5L * cell);
    DayCornerFontSize = Single(0.45L * cell);
    LabelFontSize = Single(0.25L * cell);
    LabelSmallFontSize = Single(0.2L * cell);
    StatusFontSize = Single(0.25L * footer);
}

} // namespace Main
} // namespace tenvik
