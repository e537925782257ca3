// The Calendar page scales with the window: its four bars are fixed fractions of the
// window's outer height, the grid cells share what the bars leave, and the fonts follow
// the bars and cells. A font never grows past the size at which the widest text its
// widget can show still fits there: in a tall narrow window the cells are tall but not
// wide, and the bars are high while the buttons at their ends take the same width.
#include "ui/Main.h"
#include "ui/MainGeometry.h"
#include "ui/MainState.h"
#include "ui/MainUnit.h"
#include "ui/widgets/ArrowButton.h"
#include "ui/widgets/CellGrid.h"
#include "ui/widgets/DateEdit.h"
#include "ui/widgets/DockLayout.h"
#include "ui/widgets/Label.h"
#include "ui/widgets/StateColorButton.h"
#include "ui/widgets/TabControl.h"
#include "ui/widgets/Text.h"
#include "ui/widgets/TextFit.h"

#include "bridge/QtText.h"
#include "core/MonthGrid.h"
#include "core/Payday.h"
#include "core/Profile.h"
#include "core/Rotation.h"
#include "settings/LocaleDate.h"

#include <QFontMetricsF>
#include <QStyle>
#include <QTabBar>

#include <algorithm>
#include <cmath>
#include <optional>

namespace tenvik {

using namespace Main;

namespace {

// Taken off before dividing so that seven items always fit a row and six rows the band
// (a grid layout starts a new row only when the next item would end beyond its width).
constexpr long double GridSlack = 0.1L;

// The shares of the window's height the bars take.
constexpr long double TitleBarShare = 1.0L / 16;
constexpr long double MonthBarShare = 1.0L / 10;
constexpr long double WeekdayBarShare = 1.0L / 16;
constexpr long double FooterShare = 1.0L / 12;

// The toolbars of the other pages keep this height; their titles share the title size.
constexpr qreal PageToolbarHeight = 48;
constexpr int StatusLines = 2;
constexpr int TwoLineLabel = 2;

// The sizes are worked out in extended precision and kept in single precision, as the
// font-size variables and the layouts hold them.
float Single(long double value)
{
    return static_cast<float>(value);
}

QStringList DayNumberTexts()
{
    QStringList texts;
    for (int day = 1; day <= 31; ++day)
        texts << QString::number(day);
    texts << QStringLiteral("A") << QStringLiteral("B"); // the legend, at the day size
    return texts;
}

QStringList GroupLabels()
{
    QStringList groups;
    for (std::string_view group : AssignmentCodes)
        if (group != NoGroupCode)
            groups << FromStd(group);
    return groups;
}

QStringList PayPeriodLabels()
{
    QStringList periods;
    for (int period = 1; period <= PayPeriodsPerCycle; ++period)
        periods << FromStd(PayPeriodLabelOf(period));
    return periods;
}

// What the small label of a cell shows on one line.
QStringList CornerLabelTexts()
{
    return GroupLabels() + PayPeriodLabels();
}

// The year of the calendar's range written with the widest digits in the font (kerning
// between digits aside, which fonts do not use): ten measures rather than 160.
int WidestYear(const QFont& font, float pixels, const QWidget& widget)
{
    QStringList digits;
    for (char digit = '0'; digit <= '9'; ++digit)
        digits << QString(QLatin1Char(digit));
    const QList<qreal> width = TextWidths(font, pixels, widget, digits);
    int widest = CalendarYear(MinViewDate);
    qreal widestWidth = 0;
    for (int year = CalendarYear(MinViewDate); year <= CalendarYear(MaxViewDate); ++year) {
        qreal total = 0;
        for (int rest = year; rest > 0; rest /= 10)
            total += width[rest % 10];
        if (total > widestWidth) {
            widestWidth = total;
            widest = year;
        }
    }
    return widest;
}

QStringList WeekdayTexts()
{
    QStringList names;
    for (const std::string& name : LocaleFormats.ShortDayNames)
        names << FromStd(name);
    return names;
}

// A font as a widget draws its text: the label's own, or the grid text's with its weight.
QFont FontOf(const QWidget& widget, bool bold = false)
{
    QFont font = widget.font();
    font.setBold(bold);
    return font;
}

// Every month's title, in the clock's year and in the widest year of the range.
QStringList MonthTitleTexts(float pixels)
{
    const TMainForm& form = *MainForm;
    const int year = WidestYear(FontOf(*form.lblMonthName), pixels, *form.lblMonthName);
    QStringList titles;
    for (int month = 1; month <= 12; ++month)
        titles << MonthTitle(month, std::nullopt) << MonthTitle(month, year);
    return titles;
}

// The status line's first line, the date, in a year of the widest digits: every month,
// with the days that have two digits of the widest kinds.
QStringList StatusDates(const QFont& font, float pixels, const QWidget& widget)
{
    const int year = WidestYear(font, pixels, widget);
    QStringList dates;
    for (int month = 1; month <= 12; ++month) {
        for (int day : {10, 18, 20, 28, 30})
            if (const auto date = TryEncodeDate(year, month, day))
                dates << FromStd(FormatShortDate(*date, LocaleFormats));
    }
    return dates;
}

// The room a label leaves for its text between the buttons at its ends.
QRectF FreeRoom(const Label& label, const QSizeF& size)
{
    if (const auto* dock = qobject_cast<const DockLayout*>(label.layout()))
        return dock->freeRect(size);
    return {QPointF(0, 0), size};
}

struct CalendarBoxes {
    qreal pageWidth;
    QSizeF weekday; // one weekday name
    QSizeF cell;    // one day of the grid
};

CalendarBoxes PresentBoxes()
{
    const TMainForm& form = *MainForm;
    // Cells are laid out on whole pixels; the narrowest of them is the one to fit.
    return {qreal(form.tabCtrl->pageRect().width()),
            QSizeF(std::floor(form.gloDOW->itemWidth()), std::floor(form.gloDOW->itemHeight())),
            QSizeF(std::floor(form.gloCal->itemWidth()), std::floor(form.gloCal->itemHeight()))};
}

// The four page titles share one size; each lies in a band of its own height.
struct TitleBand {
    Label* label;
    qreal height;
};

std::vector<TitleBand> TitleBands()
{
    const TMainForm& form = *MainForm;
    return {{form.lblToolbar1, DockExtent(*form.tbCalendar)},
            {form.lblToolbar2, PageToolbarHeight},
            {form.lblToolbar3, PageToolbarHeight},
            {form.lblToolbar4, PageToolbarHeight}};
}

QStringList TitleTexts()
{
    return {SettingsTitle()};
}

// The texts a sized widget may show follow the locale and the widget's font, which stay as
// they are for a window's life, yet measuring every one of them at every size took much of
// the start-up. So the few that could be widest are picked once per window, at the sizes
// the first sizing wants (the sizes the window then draws at, so the fonts measured are
// the ones it draws with), and each sizing after measures only those.
constexpr float PickingPixels = 48; // if a size is not known yet

struct SizingTexts {
    QStringList monthTitles;
    QStringList weekdays;
    QStringList dayNumbers; // bold, with the legend's letters
    QStringList cornerLabels;
    QStringList statusLines; // what either of its two lines may be
};

std::optional<SizingTexts> PickedTexts;

// The status line's second line at its longest: a pay period, its RDO group and the mark of
// the user's own RDO.
QStringList StatusSecondLines(const QFont& font, float pixels, const QWidget& widget)
{
    QStringList lines;
    for (const QString& period : LikelyWidest(font, pixels, widget, PayPeriodLabels()))
        for (const QString& group : LikelyWidest(font, pixels, widget, GroupLabels()))
            lines << StatusSecondLine(period, group, true);
    return lines;
}

// Picked at the font sizes as they stand: call it first where they hold the wanted sizes.
const SizingTexts& CandidateTexts()
{
    if (!PickedTexts) {
        const TMainForm& form = *MainForm;
        const auto at = [](float pixels) { return pixels > 0 ? pixels : PickingPixels; };
        const QFont month = FontOf(*form.lblMonthName);
        const QFont status = FontOf(*form.lblStatus);
        const float monthPixels = at(MonthFontSize);
        const float statusPixels = at(StatusFontSize);
        const Label& statusLabel = *form.lblStatus;
        PickedTexts = SizingTexts{
            LikelyWidest(month, monthPixels, *form.lblMonthName, MonthTitleTexts(monthPixels)),
            LikelyWidest(FontOf(*form.lblDOW[0]), at(WeekdayFontSize), *form.lblDOW[0], WeekdayTexts()),
            LikelyWidest(FontOf(*form.gT[0], true), at(DayFontSize), *form.gT[0], DayNumberTexts()),
            LikelyWidest(FontOf(*form.gX[0]), at(LabelFontSize), *form.gX[0], CornerLabelTexts()),
            LikelyWidest(status, statusPixels, statusLabel, StatusDates(status, statusPixels, statusLabel))
                + LikelyWidest(status, statusPixels, statusLabel, StatusSecondLines(status, statusPixels, statusLabel)),
        };
    }
    return *PickedTexts;
}

// The centred labels with buttons at their ends, with what each may show at its size.
struct CentredLabel {
    Label* label;
    qreal height;
    float pixels;
    QStringList texts;
};

std::vector<CentredLabel> CentredLabels()
{
    const TMainForm& form = *MainForm;
    std::vector<CentredLabel> labels = {
        {form.lblMonthName, DockExtent(*form.loMonthName), MonthFontSize, CandidateTexts().monthTitles},
        {form.lblStatus, DockExtent(*form.loFooter), StatusFontSize, CandidateTexts().statusLines},
    };
    for (const TitleBand& band : TitleBands())
        labels.push_back({band.label, band.height, TitleFontSize, TitleTexts()});
    return labels;
}

// The smallest height at which a control docked in a band that takes `share` of the
// window's height keeps the height its caption needs.
int HeightKeeping(const QWidget& control, long double share)
{
    constexpr int DockedGaps = 2 + 2; // every docked control keeps 2 above and 2 below
    const long double needed = control.minimumSizeHint().height() + DockedGaps;
    return static_cast<int>(std::ceil(needed / share));
}

// The width the widest of `texts` would take at `pixels`, from its width at the size the
// label draws at now: a text's width follows its size, near enough for the smallest
// window, whose fonts are fitted again when it gets there. No font is made for a size that
// may never be drawn.
qreal WidestWidthAt(float pixels, const Label& label, float drawnPixels, const QStringList& texts)
{
    if (!(drawnPixels > 0))
        return WidestTextWidth(FontOf(label), pixels, label, texts);
    return WidestTextWidth(FontOf(label), drawnPixels, label, texts) * pixels / drawnPixels;
}

// What the buttons at a label's ends take of its width, whatever that width is.
qreal DockedWidth(const Label& label)
{
    constexpr qreal Wide = 10000;
    return Wide - FreeRoom(label, QSizeF(Wide, Wide)).width();
}

} // namespace

void TMainForm::FormResize()
{
    m_sizedFor = size();
    m_sizedForOutside = frameGeometry().size();
    const long double h = frameGeometry().height();
    auto& page = *static_cast<DockLayout*>(tabCalendar->layout());
    page.setExtent(tbCalendar, Single(h * TitleBarShare));
    page.setExtent(loMonthName, Single(h * MonthBarShare));
    page.setExtent(loDaysOfWeek, Single(h * WeekdayBarShare));
    page.setExtent(loFooter, Single(h * FooterShare));

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
    FitCentredLabels();
    RefreshAll();
}

void TMainForm::setMinimumWindowSize()
{
    // Low enough, the footer's and the month bar's buttons could no longer show their
    // captions whole; narrow enough, the buttons at the ends of a band would meet, or
    // leave the status line no room at the size the lowest window gives it.
    const int height = std::max({HeightKeeping(*bToday, FooterShare), HeightKeeping(*deDate, FooterShare),
                                 HeightKeeping(*bPrev, MonthBarShare), HeightKeeping(*bNext, MonthBarShare)});
    const qreal statusRoom =
        WidestWidthAt(Single(0.25L * height * FooterShare), *lblStatus, StatusFontSize, CandidateTexts().statusLines);
    const qreal monthRoom = WidestWidthAt(Single(0.5L * height * MonthBarShare), *lblMonthName, MonthFontSize,
                                          CandidateTexts().monthTitles);
    const qreal titleRoom =
        WidestWidthAt(Single(0.4L * height * TitleBarShare), *lblToolbar2, TitleFontSize, TitleTexts());
    // Nor may the page tabs be cut short, nor the About page's links, with a scroll bar
    // beside them when the page scrolls; in a longer language both need more room.
    const int tabsRoom = tabCtrl->tabBar()->sizeHint().width();
    const int linksRoom = std::max(sbHelp1->sizeHint().width(), sbHelp2->sizeHint().width()) + 2 * LinkSideMargin
        + style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const qreal widest = std::max({DockedWidth(*lblStatus) + statusRoom, DockedWidth(*lblMonthName) + monthRoom,
                                   DockedWidth(*lblToolbar2) + titleRoom, qreal(loSettings->minimumWidth()),
                                   qreal(tabsRoom), qreal(linksRoom)});
    setMinimumSize(static_cast<int>(std::ceil(widest)), height);
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
    CandidateTexts(); // picked at the sizes wanted, on the first sizing

    // Each capped where its widest text would leave its box.
    const CalendarBoxes boxes = PresentBoxes();
    const auto room = [&](const Label& label, qreal height) {
        return QSizeF(FreeRoom(label, QSizeF(boxes.pageWidth, height)).width(), height);
    };
    for (const TitleBand& band : TitleBands()) {
        TitleFontSize = FittingPixelSize(TitleFontSize, FontOf(*band.label), *band.label, TitleTexts(), 1,
                                         room(*band.label, band.height));
    }
    MonthFontSize = FittingPixelSize(MonthFontSize, FontOf(*form.lblMonthName), *form.lblMonthName,
                                     CandidateTexts().monthTitles, 1, room(*form.lblMonthName, qreal(monthBar)));
    WeekdayFontSize = FittingPixelSize(WeekdayFontSize, FontOf(*form.lblDOW[0]), *form.lblDOW[0],
                                       CandidateTexts().weekdays, 1, boxes.weekday);

    const Text& number = *form.gT[0];
    const QStringList& days = CandidateTexts().dayNumbers;
    DayFontSize = FittingPixelSize(DayFontSize, FontOf(number, true), number, days, 1, boxes.cell);
    const QSizeF corner(boxes.cell.width() - CornerNumberMargins.left(), boxes.cell.height());
    DayCornerFontSize = FittingPixelSize(DayCornerFontSize, FontOf(number, true), number, days, 1, corner);

    const Text& label = *form.gX[0];
    const QStringList& labels = CandidateTexts().cornerLabels;
    const QSizeF labelBox(boxes.cell.width() - CellLabelMargins.right(),
                          boxes.cell.height() - CellLabelMargins.bottom());
    LabelFontSize = FittingPixelSize(LabelFontSize, FontOf(label), label, labels, 1, labelBox);
    LabelSmallFontSize = FittingPixelSize(LabelSmallFontSize, FontOf(label), label, labels, TwoLineLabel, labelBox);

    StatusFontSize = FittingPixelSize(StatusFontSize, FontOf(*form.lblStatus), *form.lblStatus,
                                      CandidateTexts().statusLines, StatusLines, room(*form.lblStatus, qreal(footer)));
}

void FitCentredLabels()
{
    const qreal pageWidth = MainForm->tabCtrl->pageRect().width();
    for (const CentredLabel& centred : CentredLabels()) {
        Label& label = *centred.label;
        const QRectF free = FreeRoom(label, QSizeF(pageWidth, centred.height));
        const qreal textWidth = WidestTextWidth(FontOf(label), centred.pixels, label, centred.texts);
        const QMarginsF margins = CentredTextMargins(pageWidth, free.left(), free.right(), textWidth);
        // Whole pixels, rounded towards more room for the text.
        const QMargins whole(static_cast<int>(std::floor(margins.left())), 0,
                             static_cast<int>(std::floor(margins.right())), 0);
        if (label.contentsMargins() != whole)
            label.setContentsMargins(whole);
    }
}

namespace {

// The Calendar title as last fitted, for the window's font: the refresh pass asks at every
// step of the calendar, and the answer changes only with the title, the title size or the
// bar.
struct FittedTitleFor {
    QString title;
    float wanted = 0;
    QSizeF room;
    FittedTitle fitted;
};
std::optional<FittedTitleFor> LastFittedTitle;

} // namespace

void ForgetSizingTexts()
{
    PickedTexts.reset();
    LastFittedTitle.reset();
}

FittedTitle FitCalendarTitle(const QString& title)
{
    const TMainForm& form = *MainForm;
    const Label& label = *form.lblToolbar1;
    const qreal height = DockExtent(*form.tbCalendar);
    const QSizeF room(FreeRoom(label, QSizeF(form.tabCtrl->pageRect().width(), height)).width(), height);
    const auto& last = LastFittedTitle;
    if (last && last->title == title && last->wanted == TitleFontSize && last->room == room)
        return last->fitted;

    FittedTitle fitted{title, FittingPixelSize(TitleFontSize, FontOf(label), label, {title}, 1, room)};
    // Past some length not even the smallest text fits: the end gives way. A glyph may ink
    // past its advance, by less than the widest glyph.
    if (fitted.pixels > 0 && WidestTextWidth(FontOf(label), fitted.pixels, label, {title}) > room.width()) {
        QFont font = FontOf(label);
        SetFontPixelSizeF(font, fitted.pixels, label);
        const QFontMetricsF metrics(font, &label);
        fitted.text = metrics.elidedText(title, Qt::ElideRight, room.width() - metrics.maxWidth());
    }
    LastFittedTitle = FittedTitleFor{title, TitleFontSize, room, fitted};
    return fitted;
}

} // namespace Main
} // namespace tenvik
