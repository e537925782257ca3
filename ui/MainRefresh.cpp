// The refresh pass: the one place that writes the state into the widgets. It recomputes
// everything on every call; the widgets' setters skip what did not change, so only what
// changed is repainted.
#include "bridge/QtText.h"
#include "core/Clock.h"
#include "core/DayMarks.h"
#include "records/EntryMarks.h"
#include "settings/LocaleDate.h"
#include "ui/Main.h"
#include "ui/MainAccessibility.h"
#include "ui/MainGeometry.h"
#include "ui/MainState.h"
#include "ui/MainUnit.h"
#include "ui/PaintTags.h"
#include "ui/widgets/CellGrid.h"
#include "ui/widgets/ComboBox.h"
#include "ui/widgets/DateEdit.h"
#include "ui/widgets/DayCell.h"
#include "ui/widgets/Label.h"
#include "ui/widgets/Rectangle.h"
#include "ui/widgets/StateColorButton.h"
#include "ui/widgets/Switch.h"
#include "ui/widgets/Tag.h"
#include "ui/widgets/Text.h"

#include <QLineEdit>

namespace tenvik::Main {
namespace {

constexpr qreal CellBorder = 0.5;
const QChar LineBreak(u'\r');

TAlphaColor ShiftColor(ShiftCode code)
{
    switch (code) {
    case ShiftCode::A:
        return APltColor;
    case ShiftCode::B:
        return BPltColor;
    case ShiftCode::X:
        return XPltColor;
    case ShiftCode::Z:
        break;
    }
    return LdTrColor;
}

bool TakesBlackBorder(TAlphaColor fill)
{
    return fill == colors::Slategray || fill == colors::Darkgray || fill == colors::Blue;
}

DayNumber CellDate(int cell)
{
    return CellDates[static_cast<std::size_t>(cell)];
}

// Fills a rectangle by its tag and gives it its border; returns the fill.
TAlphaColor PaintRectangle(Rectangle& rect)
{
    const int tag = TagOf(rect);
    TAlphaColor fill = BkGrColor;
    if (tag == WhiteBackground)
        fill = colors::White;
    else if (tag >= 0 && tag < GridCellCount)
        fill = CellFillColor(CellDate(tag));
    rect.setFillColor(fill);
    if (tag == BackgroundNoBorder) {
        rect.setStrokeThickness(0);
    } else {
        rect.setStrokeThickness(CellBorder);
        rect.setStrokeColor(TakesBlackBorder(fill) ? colors::Black : colors::Slategray);
    }
    return fill;
}

struct Switches {
    bool paydays;
    bool rdoLabels;
    bool payPeriodLabels;
    bool entryMarks;
};

// A day's marks in the colour that stands out on its cell, as its small label does.
void PaintEntryMarks(DayCell& cell, DayNumber date, TAlphaColor cellFill, const Switches& on)
{
    CellMarks shown;
    if (on.entryMarks) {
        const records::EntryMarks marks = records::EntryMarksOf(static_cast<int>(WholeDay(date)), ShownEntries);
        shown = {marks.trade, marks.leave, marks.extra, marks.note};
    }
    cell.setMarks(shown, ContrastColor(cellFill));
}

void PaintDayNumber(Text& text, DayNumber date, const DayMarks& marks, const Switches& on)
{
    text.setColor(DayNumberColor(date, marks.shift));
    text.setUnderline(on.paydays && marks.payday);
    if (on.rdoLabels || on.payPeriodLabels) {
        // Room for the label in the corner: the number moves to the top left.
        text.setAlign(Text::Align::Leading, Text::Align::Leading);
        text.setMargins(CornerNumberMargins);
        text.setFontSize(DayCornerFontSize);
    } else {
        text.setAlign(Text::Align::Center, Text::Align::Center);
        text.setMargins(QMarginsF());
        text.setFontSize(DayFontSize);
    }
    text.setWordWrap(false);
    text.setBold(true);
    text.setText(QString::number(CalendarDay(date)));
}

void PaintCellLabel(Text& text, const DayMarks& marks, TAlphaColor cellFill, const Switches& on)
{
    text.setColor(ContrastColor(cellFill));
    text.setWordWrap(false);
    const QString rdo = FromStd(marks.rdoGroup);
    const QString period = marks.payPeriodStart ? FromStd(marks.payPeriodLabel) : QString();
    if (on.rdoLabels && on.payPeriodLabels) {
        text.setFontSize(LabelSmallFontSize);
        text.setText(marks.payPeriodStart ? period + LineBreak + rdo : rdo);
    } else if (on.rdoLabels) {
        text.setFontSize(LabelFontSize);
        text.setText(rdo);
    } else if (on.payPeriodLabels) {
        text.setFontSize(LabelFontSize);
        text.setText(period);
    } else {
        text.setText(QString());
    }
}

void PaintLegend(Text& text, const QString& letter, TAlphaColor color)
{
    text.setText(letter);
    text.setColor(color);
    text.setFontSize(DayFontSize);
    text.setBold(true);
}

} // namespace

void UpdateView()
{
    SetViewDate(CurrentDate);
    RefreshAll();
}

UserProfile WindowProfile()
{
    const TMainForm& form = *MainForm;
    UserProfile profile;
    profile.agency = form.edAgency->text().toStdString();
    profile.group = form.cbPlt->currentText().toStdString();
    profile.payPeriodStart = PayPeriodStart;
    return profile;
}

DayMarks MarksOf(DayNumber date)
{
    return MarksFor(date, WindowProfile());
}

ShiftCode ShiftCodeFor(DayNumber date)
{
    return MarksOf(date).shift;
}

QString CalendarTitle()
{
    // The agency as the field holds it, saved or not, and empty if the user emptied it.
    return FromStd(ProfileTitle(WindowProfile()));
}

QString SettingsTitle()
{
    return QStringLiteral("Tenvik\u00AE");
}

void SetFontColor(QWidget& widget, TAlphaColor color)
{
    const QColor wanted = ToQColor(color);
    QPalette palette = widget.palette();
    if (palette.color(QPalette::Text) == wanted && palette.color(QPalette::WindowText) == wanted
        && palette.color(QPalette::ButtonText) == wanted)
        return;
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        palette.setColor(role, wanted);
    widget.setPalette(palette);
}

TAlphaColor CellFillColor(DayNumber date)
{
    if (SameDay(date, CurrentDate))
        return ShiftColor(ShiftCodeFor(date));
    return BkGrColor;
}

TAlphaColor DayNumberColor(DayNumber date)
{
    return DayNumberColor(date, ShiftCodeFor(date));
}

TAlphaColor DayNumberColor(DayNumber date, ShiftCode code)
{
    if (SameDay(date, CurrentDate)) {
        // The selected cell before the schedule's start reads as background on LdTr.
        if (code == ShiftCode::Z)
            return BkGrColor;
        return ContrastColor(ShiftColor(code));
    }
    if (SameMonthNumber(date, CurrentDate))
        return ShiftColor(code);
    return LdTrColor;
}

void PaintGrid()
{
    const TMainForm& form = *MainForm;
    const Switches on{form.swPaydays->isChecked(), form.swDebitDays->isChecked(), form.swPayPeriods->isChecked(),
                      form.swEntryMarks->isChecked()};
    // The widgets are asked once for the whole pass.
    const UserProfile profile = WindowProfile();
    TAlphaColor lastFill = BkGrColor;
    for (QWidget* widget : form.paintOrder()) {
        if (auto* rect = qobject_cast<Rectangle*>(widget)) {
            lastFill = PaintRectangle(*rect);
            const int tag = TagOf(*rect);
            if (tag >= 0 && tag <= LastDayCell)
                PaintEntryMarks(*form.gR[static_cast<std::size_t>(tag)], CellDate(tag), lastFill, on);
        } else if (auto* text = qobject_cast<Text*>(widget)) {
            const int tag = TagOf(*text);
            if (tag >= 0 && tag <= LastDayCell) {
                const DayNumber date = CellDate(tag);
                PaintDayNumber(*text, date, MarksFor(date, profile), on);
            } else if (tag >= CellLabelTagBase && tag <= LastDayLabelTag) {
                PaintCellLabel(*text, MarksFor(CellDate(tag - CellLabelTagBase), profile), lastFill, on);
            }
        }
    }
    PaintLegend(*form.gT[LegendA], QStringLiteral("A"), APltColor);
    PaintLegend(*form.gT[LegendB], QStringLiteral("B"), BPltColor);
}

void RefreshTitles()
{
    const TMainForm& form = *MainForm;
    for (Label* title : {form.lblToolbar2, form.lblToolbar3, form.lblToolbar4})
        title->setFontSize(TitleFontSize);
    const TAlphaColor onBackground = ContrastColor(BkGrColor);
    for (Label* title : {form.lblToolbar1, form.lblToolbar2, form.lblToolbar4})
        title->setColor(onBackground);
    form.sbBack2->setTextColor(onBackground);
    form.sbBack4->setTextColor(onBackground);
    const TAlphaColor onHelp = ContrastColor(form.rectToolbar3->fillColor());
    form.lblToolbar3->setColor(onHelp);
    form.sbBack3->setTextColor(onHelp);
    SetFontColor(*form.dePPStart, colors::Black);
    const QString title = CalendarTitle();
    const FittedTitle fitted = FitCalendarTitle(title);
    form.lblToolbar1->setFontSize(fitted.pixels);
    form.lblToolbar1->setRawText(fitted.text);
    // A title cut short is still read out whole.
    form.lblToolbar1->setAccessibleName(fitted.text == title ? QString() : title);
}

void RefreshMonthTitle(DayNumber date)
{
    const TMainForm& form = *MainForm;
    form.lblMonthName->setFontSize(MonthFontSize);
    form.lblMonthName->setColor(ContrastColor(form.rectMonthName->fillColor()));
    const int year = CalendarYear(date);
    form.lblMonthName->setRawText(
        MonthTitle(CalendarMonth(date), year == ClockYear(*TheClock) ? std::nullopt : std::optional(year)));
}

QString MonthTitle(int month, std::optional<int> year)
{
    const auto index = static_cast<std::size_t>(month - 1);
    if (!year)
        return FromStd(LocaleFormats.LongMonthNames[index]);
    return FromStd(LocaleFormats.ShortMonthNames[index]) + u' ' + QString::number(*year);
}

void RefreshWeekdays()
{
    const TMainForm& form = *MainForm;
    const TAlphaColor color = ContrastColor(form.rectDaysOfWeek->fillColor());
    for (std::size_t i = 0; i < form.lblDOW.size(); ++i) {
        Label& name = *form.lblDOW[i];
        name.setFontSize(WeekdayFontSize);
        name.setColor(color);
        name.setRawText(FromStd(LocaleFormats.ShortDayNames[i]));
    }
}

void RefreshStatus()
{
    const TMainForm& form = *MainForm;
    SetFontColor(*form.deDate, colors::Black);

    // The button stands out only while another day than today is selected. Its tint is
    // never set, so the contrast of the null tint gives black.
    if (!SameDay(CurrentDate, TodayDate(*TheClock))) {
        const TAlphaColor normal = ContrastColor(colors::Null);
        form.bToday->setTextColors({normal, normal, normal, colors::Blue});
        form.bToday->setBold(true);
    } else {
        form.bToday->setTextColors({colors::Dimgray, colors::Dimgray, colors::Dimgray, colors::Blue});
        form.bToday->setBold(false);
    }

    form.lblStatus->setFontSize(StatusFontSize);
    form.lblStatus->setColor(ContrastColor(form.rectFooter->fillColor()));

    // The second line always names the day's RDO group and, on a first day, its pay
    // period, whatever the switches show in the grid.
    const DayMarks marks = MarksOf(CurrentDate);
    const QString second = StatusSecondLine(marks.payPeriodStart ? FromStd(marks.payPeriodLabel) : QString(),
                                            FromStd(marks.rdoGroup), marks.ownRdo);
    form.lblStatus->setRawText(FromStd(FormatShortDate(CurrentDate, LocaleFormats)) + LineBreak + second);
}

QString StatusSecondLine(const QString& payPeriod, const QString& rdoGroup, bool ownRdo)
{
    QString line = payPeriod;
    if (!line.isEmpty() && !rdoGroup.isEmpty())
        line += QStringLiteral(" - ");
    line += rdoGroup;
    if (ownRdo)
        line += QStringLiteral(" *");
    return line;
}

void RefreshSettingsPage()
{
    const TMainForm& form = *MainForm;
    const TAlphaColor c = ContrastColor(form.rectSettings->fillColor());
    for (Label* label : {form.lblPlatoon, form.lblPaydays, form.lblDebitDays, form.lblPayPeriods, form.lblEntryMarks,
                         form.lblShiftHours})
        label->setColor(c);
    // The edit draws its text on its own base colour, so that is what the text must stand
    // out against.
    SetFontColor(*form.edAgency, ContrastColor(ToAlphaColor(form.edAgency->palette().color(QPalette::Base))));
    form.bSave->setTextColor(c == colors::Black ? colors::Navy : colors::Blue);
    form.bPPStart->setTextColor(c);
}

void RefreshHelpPage()
{
    // The Help page is white with black text whatever the user's colours: nothing to do.
}

void RefreshAboutPage()
{
    const TMainForm& form = *MainForm;
    const TAlphaColor fill = form.rectAbout->fillColor();
    const TAlphaColor c = ContrastColor(fill);
    form.lblAbout->setColor(c);
    const TAlphaColor links = (fill == colors::Blue || fill == colors::Darkblue) ? c : colors::Blue;
    form.sbHelp1->setTextColor(links);
    form.sbHelp2->setTextColor(links);
}

void RefreshEntries()
{
    MainForm->readShownEntries();
    PaintGrid();
    RefreshAccessibleTexts();
}

void RefreshAll()
{
    MainForm->readShownEntries();
    // The grid comes first: the later steps read the fills it has just given.
    PaintGrid();
    RefreshTitles();
    RefreshMonthTitle(CurrentDate);
    RefreshWeekdays();
    RefreshStatus();
    RefreshSettingsPage();
    RefreshHelpPage();
    RefreshAboutPage();
    RefreshAccessibleTexts();
    // The grid takes the keyboard unless another page hides it: a resize while the user
    // types on the Settings page must not send the keys to a grid they cannot see.
    if (MainForm->gloCal->isVisibleTo(MainForm))
        MainForm->gloCal->setFocus(Qt::OtherFocusReason);
    AnnounceSelectedDay();
}

} // namespace tenvik::Main
