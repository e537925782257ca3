// The widget tree of the window: one builder per page, in the order the widgets are made.
// The refresh pass paints rectangles and texts in this order, so it matters.
#include "bridge/QtText.h"
#include "ui/AboutText.h"
#include "ui/ColorButtonTags.h"
#include "ui/Main.h"
#include "ui/MainGeometry.h"
#include "ui/MainUnit.h"
#include "ui/PaintTags.h"
#include "ui/Pictures.h"
#include "ui/widgets/ArrowButton.h"
#include "ui/widgets/CellGrid.h"
#include "ui/widgets/ColorComboBox.h"
#include "ui/widgets/ComboBox.h"
#include "ui/widgets/DateEdit.h"
#include "ui/widgets/DayCell.h"
#include "ui/widgets/DockLayout.h"
#include "ui/widgets/Image.h"
#include "ui/widgets/Label.h"
#include "ui/widgets/Notice.h"
#include "ui/widgets/Rectangle.h"
#include "ui/widgets/ScrollPage.h"
#include "ui/widgets/StateColorButton.h"
#include "ui/widgets/Switch.h"
#include "ui/widgets/TabControl.h"
#include "ui/widgets/Tag.h"
#include "ui/widgets/TapArea.h"
#include "ui/widgets/Text.h"

#include "core/MonthGrid.h"
#include "core/Rotation.h"
#include "settings/Settings.h"

#include <QAction>
#include <QApplication>
#include <QGraphicsOpacityEffect>
#include <QLineEdit>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>

namespace tenvik {
namespace {

using Main::BackgroundNoBorder;
using Main::BackgroundWithBorder;
using Main::CellLabelMargins;
using Main::CellLabelTagBase;
using Main::LinkSideMargin;
using Main::TagForColorRole;
using Main::WhiteBackground;

constexpr qreal BandHeight = 48;    // the bands' height until the first sizing
constexpr qreal ToolbarHeight = 48; // the other pages' toolbars keep it
constexpr int GridItemSize = 54;
constexpr int FirstUnclickableCell = 37; // no day of the shown month reaches row 6, column 2
constexpr int PictureMargin = 10;        // around the pictures and the About text
constexpr int SettingsPageMargin = 8;    // beyond the Settings page's lowest and rightmost controls
constexpr qreal LinksBandHeight = 134;

const QMarginsF LeftButtonMargins(4, 2, 0, 2);
const QMarginsF RightButtonMargins(0, 2, 4, 2);

// Qt hands a parent's font down to its children; a button or field lying on a title keeps
// the theme's font instead of taking the title's scaled size.
void KeepThemeFont(QWidget& widget)
{
    QFont font = QApplication::font(&widget);
    font.setResolveMask(QFont::AllPropertiesResolved);
    widget.setFont(font);
}

template<class W>
W* Named(W* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

DockLayout& DockOf(QWidget& parent)
{
    if (auto* dock = qobject_cast<DockLayout*>(parent.layout()))
        return *dock;
    // A rectangle comes with a box layout that stacks its children; the window's
    // rectangles dock theirs instead (a band at the bottom, pictures over text).
    delete parent.layout();
    return *new DockLayout(&parent);
}

void DockIn(QWidget& parent, QWidget* child, Dock where, const QMarginsF& margins = {}, qreal extent = 0)
{
    DockOf(parent).addDocked(child, where, margins, extent);
}

void Fill(QWidget& parent, QWidget* child, const QMarginsF& margins = {})
{
    DockIn(parent, child, Dock::Client, margins);
}

QWidget* AddPage(TabControl& tabs, const char* name, const QString& caption)
{
    auto* page = Named(new QWidget, name);
    tabs.addTab(page, caption);
    DockOf(*page);
    return page;
}

Label* AddTitle(QWidget& parent, const char* name, const QString& text)
{
    auto* label = Named(new Label(text, &parent), name);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    Fill(parent, label);
    return label;
}

Label* AddSettingLabel(QWidget& parent, const char* name, const QString& text, QPoint at, bool wrap)
{
    auto* label = Named(new Label(text, &parent), name);
    label->setGeometry(QRect(at, QSize(137, 25)));
    label->setWordWrap(wrap);
    return label;
}

Switch* AddSwitch(QWidget& parent, const char* name, const QString& accessibleName, QPoint at)
{
    auto* sw = Named(new Switch(&parent), name);
    sw->setGeometry(QRect(at, QSize(41, 26)));
    sw->setAccessibleName(accessibleName);
    return sw;
}

StateColorButton* AddColorButton(QWidget& parent, const char* name, const QString& text, ColorRole role, QRect geometry,
                                 const QString& accessibleName)
{
    auto* button = Named(new StateColorButton(text, &parent), name);
    button->setGeometry(geometry);
    // The caption alone ("A", "Ld / Tr") does not say what the button is for.
    button->setAccessibleName(accessibleName);
    button->setBold(true);
    SetTag(*button, TagForColorRole(role));
    return button;
}

// The arrows beside the month title: icon only, repeating while held.
ArrowButton* AddArrowButton(QWidget& parent, const char* name, Qt::ArrowType arrow, const QString& accessibleName)
{
    auto* button = Named(new ArrowButton(arrow, &parent), name);
    KeepThemeFont(*button);
    button->setAutoRepeat(true);
    button->setAccessibleName(accessibleName);
    return button;
}

StateColorButton* AddBackButton(QWidget& parent, const char* name)
{
    auto* button = Named(new StateColorButton(TMainForm::tr("Back"), &parent), name);
    KeepThemeFont(*button);
    button->setStandardIcon(QStyle::SP_ArrowBack);
    button->setFlat(true);
    DockIn(parent, button, Dock::Left, LeftButtonMargins, 77);
    return button;
}

StateColorButton* AddLinkButton(QWidget& parent, const char* name, const QString& caption)
{
    auto* button = Named(new StateColorButton(caption, &parent), name);
    button->setFlat(true);
    button->setUnderline(true);
    button->setTextColor(colors::Blue);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

QString CellName(const char* prefix, int cell)
{
    return QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(cell, 2, 10, QLatin1Char('0'));
}

} // namespace

Rectangle* TMainForm::addRectangle(QWidget* parent, const char* name, int tag)
{
    auto* rect = Named(new Rectangle(parent), name);
    SetTag(*rect, tag);
    m_paintOrder.push_back(rect);
    return rect;
}

DayCell* TMainForm::addDayCell(const char* name, int cell)
{
    auto* rect = Named(new DayCell, name);
    SetTag(*rect, cell);
    m_paintOrder.push_back(rect);
    return rect;
}

Text* TMainForm::addText(QWidget* parent, const char* name, int tag)
{
    auto* text = Named(new Text(parent), name);
    SetTag(*text, tag);
    text->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_paintOrder.push_back(text);
    return text;
}

void TMainForm::buildCalendarPage()
{
    tabCalendar = AddPage(*tabCtrl, "tabCalendar", tr("Calendar"));

    // Title bar
    tbCalendar = Named(new QWidget(tabCalendar), "tbCalendar");
    DockIn(*tabCalendar, tbCalendar, Dock::MostTop, {}, BandHeight);
    rectToolbar1 = addRectangle(tbCalendar, "rectToolbar1", BackgroundNoBorder);
    rectToolbar1->setHitTest(false);
    Fill(*tbCalendar, rectToolbar1);
    lblToolbar1 = AddTitle(*rectToolbar1, "lblToolbar1", QStringLiteral("Title"));

    // Month bar
    loMonthName = Named(new QWidget(tabCalendar), "loMonthName");
    DockIn(*tabCalendar, loMonthName, Dock::MostTop, {}, BandHeight);
    rectMonthName = addRectangle(loMonthName, "rectMonthName", BackgroundNoBorder);
    Fill(*loMonthName, rectMonthName);
    lblMonthName = AddTitle(*rectMonthName, "lblMonthName", QStringLiteral("Month and Year"));
    bPrev = AddArrowButton(*lblMonthName, "bPrev", Qt::LeftArrow, tr("Previous month"));
    DockIn(*lblMonthName, bPrev, Dock::Left, LeftButtonMargins, 53);
    bNext = AddArrowButton(*lblMonthName, "bNext", Qt::RightArrow, tr("Next month"));
    DockIn(*lblMonthName, bNext, Dock::Right, RightButtonMargins, 54);

    // Weekday bar
    loDaysOfWeek = Named(new QWidget(tabCalendar), "loDaysOfWeek");
    DockIn(*tabCalendar, loDaysOfWeek, Dock::Top, {}, BandHeight);
    rectDaysOfWeek = addRectangle(loDaysOfWeek, "rectDaysOfWeek", BackgroundWithBorder);
    Fill(*loDaysOfWeek, rectDaysOfWeek);
    gloDOW = Named(new CellGrid(rectDaysOfWeek), "gloDOW");
    gloDOW->setAttribute(Qt::WA_TransparentForMouseEvents);
    gloDOW->setItemSize(GridItemSize, BandHeight);
    Fill(*rectDaysOfWeek, gloDOW);
    // The first refresh writes the locale's names over these.
    static constexpr std::array<const char*, 7> DayNames = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    for (std::size_t i = 0; i < lblDOW.size(); ++i) {
        auto* label = new Label(QString::fromLatin1(DayNames[i]));
        label->setObjectName(QStringLiteral("lblDOW%1").arg(i + 1));
        label->setAlignment(Qt::AlignCenter);
        gloDOW->addItem(label);
        lblDOW[i] = label;
    }

    // The grid band takes what the four bars leave.
    loCalendar = Named(new QWidget(tabCalendar), "loCalendar");
    DockIn(*tabCalendar, loCalendar, Dock::Client);
    rectGloCal = addRectangle(loCalendar, "rectGloCal", BackgroundNoBorder);
    Fill(*loCalendar, rectGloCal);
    gloCal = Named(new CellGrid(rectGloCal), "gloCal");
    gloCal->setItemSize(GridItemSize, GridItemSize);
    gloCal->setFocusPolicy(Qt::StrongFocus);
    gloCal->setAccessibleName(tr("Month grid"));
    gloCal->setLongTapEnabled(true);
    Fill(*rectGloCal, gloCal);
    for (int cell = 0; cell < GridCellCount; ++cell) {
        const auto i = static_cast<std::size_t>(cell);
        const QByteArray rName = CellName("gR", cell).toLatin1();
        const QByteArray tName = CellName("gT", cell).toLatin1();
        const QByteArray xName = CellName("gX", cell).toLatin1();
        gR[i] = addDayCell(rName.constData(), cell);
        gloCal->addItem(gR[i]);
        if (cell >= FirstUnclickableCell)
            gR[i]->setHitTest(false);
        gT[i] = addText(gR[i], tName.constData(), cell);
        Fill(*gR[i], gT[i]);
        gX[i] = addText(gT[i], xName.constData(), CellLabelTagBase + cell);
        gX[i]->setAlign(Text::Align::Trailing, Text::Align::Trailing);
        Fill(*gT[i], gX[i], CellLabelMargins);
        gR[i]->setTextsOnTop({gT[i], gX[i]});
    }

    // Footer
    loFooter = Named(new QWidget(tabCalendar), "loFooter");
    DockIn(*tabCalendar, loFooter, Dock::Bottom, {}, 45);
    rectFooter = addRectangle(loFooter, "rectFooter", BackgroundNoBorder);
    Fill(*loFooter, rectFooter);
    lblStatus = AddTitle(*rectFooter, "lblStatus", QStringLiteral("Status"));
    bToday = Named(new StateColorButton(tr("Today"), lblStatus), "bToday");
    KeepThemeFont(*bToday);
    DockIn(*lblStatus, bToday, Dock::Left, LeftButtonMargins, 77);
    deDate = Named(new DateEdit(lblStatus), "deDate");
    KeepThemeFont(*deDate);
    deDate->setAccessibleName(tr("Go to date"));
    deDate->setReportsTypedDates(true);
    DockIn(*lblStatus, deDate, Dock::Right, RightButtonMargins, 94);
    lblDateNotice = Named(new Notice(loCalendar), "lblDateNotice");
}

void TMainForm::buildSettingsPage()
{
    tabSettings = AddPage(*tabCtrl, "tabSettings", tr("Settings"));

    tbSettings = Named(new QWidget(tabSettings), "tbSettings");
    DockIn(*tabSettings, tbSettings, Dock::Top, {}, ToolbarHeight);
    rectToolbar2 = addRectangle(tbSettings, "rectToolbar2", BackgroundWithBorder);
    Fill(*tbSettings, rectToolbar2);
    lblToolbar2 = AddTitle(*rectToolbar2, "lblToolbar2", Main::SettingsTitle());
    sbBack2 = AddBackButton(*lblToolbar2, "sbBack2");
    bSave = Named(new StateColorButton(tr("Save"), lblToolbar2), "bSave");
    KeepThemeFont(*bSave);
    bSave->setBold(true);
    DockIn(*lblToolbar2, bSave, Dock::Right, RightButtonMargins, 89);
    // The two pickers lie over the title and show only while in use.
    ccbColor = Named(new ColorComboBox(lblToolbar2), "ccbColor");
    KeepThemeFont(*ccbColor);
    ccbColor->setGeometry(80, 8, 193, 33);
    ccbColor->setMaxVisibleItems(12);
    ccbColor->setAccessibleName(tr("Colour"));
    dePPStart = Named(new DateEdit(lblToolbar2), "dePPStart");
    KeepThemeFont(*dePPStart);
    dePPStart->setGeometry(QRect(QPoint(80, 10), dePPStart->sizeHint()));
    dePPStart->setAccessibleName(tr("Pay period start"));

    rectSettings = addRectangle(tabSettings, "rectSettings", BackgroundWithBorder);
    Fill(*tabSettings, rectSettings);
    // The page scrolls when the window is lower than its controls reach.
    auto* scroll = Named(new ScrollPage(rectSettings), "scSettings");
    Fill(*rectSettings, scroll);
    loSettings = Named(new TapArea, "loSettings");
    loSettings->setLongTapEnabled(true);

    lblPlatoon = AddSettingLabel(*loSettings, "lblPlatoon", tr("Assignment"), {8, 16}, false);
    cbPlt = Named(new ComboBox(loSettings), "cbPlt");
    cbPlt->setGeometry(150, 12, 67, 32);
    for (std::string_view code : AssignmentCodes)
        cbPlt->addItem(FromStd(code));
    cbPlt->setMaxVisibleItems(static_cast<int>(AssignmentCodes.size()));
    cbPlt->setCurrentIndex(0);
    cbPlt->setAccessibleName(tr("Assignment"));

    lblPaydays = AddSettingLabel(*loSettings, "lblPaydays", tr("Paydays"), {8, 56}, false);
    swPaydays = AddSwitch(*loSettings, "swPaydays", tr("Paydays"), {152, 56});
    lblDebitDays = AddSettingLabel(*loSettings, "lblDebitDays", tr("Show RDOs"), {8, 96}, false);
    swDebitDays = AddSwitch(*loSettings, "swDebitDays", tr("Show RDOs"), {152, 96});
    lblPayPeriods = AddSettingLabel(*loSettings, "lblPayPeriods", tr("Pay Periods"), {8, 136}, true);
    swPayPeriods = AddSwitch(*loSettings, "swPayPeriods", tr("Pay Periods"), {152, 136});

    bAPlt = AddColorButton(*loSettings, "bAPlt", QStringLiteral("A"), ColorRole::APlt, {16, 184, 57, 33},
                           tr("A platoon colour"));
    bBPlt = AddColorButton(*loSettings, "bBPlt", QStringLiteral("B"), ColorRole::BPlt, {80, 184, 57, 33},
                           tr("B platoon colour"));
    bXPlt = AddColorButton(*loSettings, "bXPlt", QStringLiteral("RDO"), ColorRole::XPlt, {144, 184, 57, 33},
                           tr("Your RDO colour"));
    //: Short caption (about 8 letters) of the colour of the leading and trailing days, those of the
    //: months before and after the one shown
    bLdTr = AddColorButton(*loSettings, "bLdTr", tr("Ld / Tr"), ColorRole::LdTr, {32, 232, 65, 33},
                           tr("Leading and trailing days colour"));
    //: Short caption (about 6 letters) of the background colour
    bBkGr =
        AddColorButton(*loSettings, "bBkGr", tr("BkGr"), ColorRole::BkGr, {120, 232, 65, 33}, tr("Background colour"));

    edAgency = Named(new QLineEdit(loSettings), "edAgency");
    edAgency->setGeometry(16, 280, 185, 33);
    edAgency->setPlaceholderText(tr("Enter agency name"));
    edAgency->setAccessibleName(tr("Agency name"));
    edAgency->setGraphicsEffect(new QGraphicsOpacityEffect(edAgency));
    Main::ShowAgencyFocus(*edAgency, false);
    // The keyboard's way to the pay-period start, which a double-click on the page shows.
    bPPStart = Named(new StateColorButton(tr("Pay-period start\u2026"), loSettings), "bPPStart");
    bPPStart->setFlat(true);
    bPPStart->setUnderline(true);
    bPPStart->setCursor(Qt::PointingHandCursor);
    bPPStart->setAccessibleName(tr("Change the pay-period start"));
    bPPStart->setGeometry(QRect(QPoint(16, 320), bPPStart->sizeHint()));

    // Below the controls of old, which keep their places.
    lblEntryMarks = AddSettingLabel(*loSettings, "lblEntryMarks", tr("Entry Marks"), {8, 360}, true);
    swEntryMarks = AddSwitch(*loSettings, "swEntryMarks", tr("Entry Marks"), {152, 360});
    swEntryMarks->setToolTip(tr("Marks on the days that hold your trades, leave, extra hours or notes"));
    lblEntryMarks->setBuddy(swEntryMarks);
    //: The length of one shift, in hours
    lblShiftHours = AddSettingLabel(*loSettings, "lblShiftHours", tr("Shift Hours"), {8, 400}, true);
    spnShiftHours = Named(new QSpinBox(loSettings), "spnShiftHours");
    spnShiftHours->setRange(MinShiftHours, MaxShiftHours);
    spnShiftHours->setValue(DefaultShiftHours);
    spnShiftHours->setAccessibleName(tr("Shift length in hours"));
    spnShiftHours->setToolTip(
        tr("The hours of one shift: what a new trade starts with and what the summary counts for a day on duty"));
    spnShiftHours->setGeometry(QRect(QPoint(150, 396), QSize(std::max(67, spnShiftHours->sizeHint().width()), 32)));
    lblShiftHours->setBuddy(spnShiftHours);

    // The controls keep their places; the page below them is background to double-click.
    const QRect controls = loSettings->childrenRect();
    const QSize content(controls.right() + 1 + SettingsPageMargin, controls.bottom() + 1 + SettingsPageMargin);
    loSettings->setMinimumWidth(content.width());
    scroll->setContent(loSettings, [height = content.height()](int) { return height; });
}

void TMainForm::buildHelpPage()
{
    tabHelp = AddPage(*tabCtrl, "tabHelp", tr("Help"));

    rectHelp = addRectangle(tabHelp, "rectHelp", WhiteBackground);
    Fill(*tabHelp, rectHelp);
    tbHelp = Named(new QWidget(tabHelp), "tbHelp");
    DockIn(*tabHelp, tbHelp, Dock::Top, {}, ToolbarHeight);
    rectToolbar3 = addRectangle(tbHelp, "rectToolbar3", WhiteBackground);
    Fill(*tbHelp, rectToolbar3);
    lblToolbar3 = AddTitle(*rectToolbar3, "lblToolbar3", QStringLiteral("Tenvik\u00AE"));
    sbBack3 = AddBackButton(*lblToolbar3, "sbBack3");
    // The two pictures one above the other, each as wide as the page allows (never wider
    // than drawn), the page scrolling through them.
    auto* scroll = Named(new ScrollPage(tabHelp), "scHelp");
    Fill(*tabHelp, scroll);
    auto* pictures = Named(new QWidget, "loHelp");
    auto* column = new QVBoxLayout(pictures);
    column->setContentsMargins(PictureMargin, PictureMargin, PictureMargin, PictureMargin);
    column->setSpacing(PictureMargin);
    LoadPictureResources();
    imgHelp = Named(new Image, "imgHelp");
    imgHelp->setPicture(HelpPicturePathFor(m_environment.language));
    imgHelp->setAttribute(Qt::WA_TransparentForMouseEvents);
    imgHelp->setAccessibleName(tr("Help picture"));
    imgHelp->setAccessibleDescription(
        tr("The Settings page with its controls labelled: Save, Shift Assignment, Show Paydays, Show RDO, "
           "Show Pay Periods, Crew Colors for A and B, RDO Color, Background, Leading / Trailing Color, Title, "
           "Show Entry Marks, Shift Length"));
    column->addWidget(imgHelp);
    imgHelpCalendar = Named(new Image, "imgHelpCalendar");
    imgHelpCalendar->setPicture(CalendarHelpPicturePathFor(m_environment.language));
    imgHelpCalendar->setAttribute(Qt::WA_TransparentForMouseEvents);
    imgHelpCalendar->setAccessibleName(tr("Key to the calendar"));
    imgHelpCalendar->setAccessibleDescription(
        tr("The Calendar page with its marks explained: day numbers in the A and B platoon colours, your RDO, "
           "paydays underlined, the RDO group and the first day of a pay period in the corner of a day, the "
           "legend, the marks of your trades, leave, extra hours and notes, the status line, Today, the date field "
           "and the menu a right click opens"));
    column->addWidget(imgHelpCalendar);
    column->addStretch();
    scroll->setContent(pictures, [pictures](int width) { return pictures->heightForWidth(width); });
}

void TMainForm::buildAboutPage()
{
    tabAbout = AddPage(*tabCtrl, "tabAbout", tr("About"));

    tbAbout = Named(new QWidget(tabAbout), "tbAbout");
    DockIn(*tabAbout, tbAbout, Dock::Top, {}, ToolbarHeight);
    rectToolbar4 = addRectangle(tbAbout, "rectToolbar4", BackgroundWithBorder);
    Fill(*tbAbout, rectToolbar4);
    lblToolbar4 = AddTitle(*rectToolbar4, "lblToolbar4", QStringLiteral("Tenvik\u00AE"));
    sbBack4 = AddBackButton(*lblToolbar4, "sbBack4");

    rectAbout = addRectangle(tabAbout, "rectAbout", BackgroundWithBorder);
    Fill(*tabAbout, rectAbout);
    // The text and the links scroll together when the window is lower than they need.
    auto* scroll = Named(new ScrollPage(rectAbout), "scAbout");
    Fill(*rectAbout, scroll);
    auto* content = Named(new QWidget, "loAbout");
    DockOf(*content);
    loLinks = Named(new QWidget(content), "loLinks");
    DockIn(*content, loLinks, Dock::Bottom, {}, LinksBandHeight);
    sbHelp1 = AddLinkButton(*loLinks, "sbHelp1", IssuesLinkCaption());
    DockIn(*loLinks, sbHelp1, Dock::Top, QMarginsF(LinkSideMargin, 12, LinkSideMargin, 0), 41);
    sbHelp2 = AddLinkButton(*loLinks, "sbHelp2", SupportLinkCaption());
    DockIn(*loLinks, sbHelp2, Dock::Bottom, QMarginsF(LinkSideMargin, 0, LinkSideMargin, 24), 41);
    lblAbout = AddTitle(*content, "lblAbout", QString());
    // The long lines wrap short of the window's edges.
    lblAbout->setContentsMargins(PictureMargin, PictureMargin, PictureMargin, PictureMargin);
    // A faint watermark over the text: it must not take the clicks or the text selection.
    imgSextant = Named(new Image(content), "imgSextant");
    LoadPictureResources();
    imgSextant->setPicture(SextantPicturePath);
    imgSextant->setOpacity(0.1);
    imgSextant->setAttribute(Qt::WA_TransparentForMouseEvents);
    imgSextant->setAccessibleName(tr("Sextant"));
    Fill(*content, imgSextant, QMarginsF(PictureMargin, PictureMargin, PictureMargin, PictureMargin));
    scroll->setContent(content, [this](int width) { return lblAbout->heightForWidth(width) + LinksBandHeight; });
}

void TMainForm::bindHandlers()
{
    connect(tabCtrl, &QTabWidget::currentChanged, this, &TMainForm::tabCtrlChange);
    connect(bPrev, &QToolButton::clicked, this, &TMainForm::bPrevClick);
    connect(bNext, &QToolButton::clicked, this, &TMainForm::bNextClick);
    connect(bToday, &QPushButton::clicked, this, &TMainForm::bTodayClick);
    connect(deDate, &DateEdit::pickerOpened, this, &TMainForm::deDateOpenPicker);
    connect(deDate, &DateEdit::pickerClosed, this, &TMainForm::deDateClosePicker);
    connect(deDate, &DateEdit::returnPressed, this, &TMainForm::deDateKeyDown);
    connect(deDate, &DateEdit::textLeft, this, &TMainForm::deDateExit);
    for (int cell = 0; cell <= FirstUnclickableCell; ++cell) {
        Rectangle* rect = gR[static_cast<std::size_t>(cell)];
        connect(rect, &Rectangle::clicked, this, [this, rect] { gR00Click(rect); });
        connect(rect, &Rectangle::doubleClicked, this, [this, rect] { gR00DblClick(rect); });
    }
    connect(gloCal, &TapArea::longTapped, this, &TMainForm::gloCalGesture);
    for (StateColorButton* back : {sbBack2, sbBack3, sbBack4})
        connect(back, &QPushButton::clicked, this, &TMainForm::sbBack2Click);

    connect(bSave, &QPushButton::clicked, this, &TMainForm::bSaveClick);
    for (StateColorButton* button : {bAPlt, bBPlt, bXPlt, bLdTr, bBkGr})
        connect(button, &QPushButton::clicked, this, [this, button] { bAPltClick(button); });
    connect(ccbColor, &ComboBox::popupOpened, this, &TMainForm::ccbColorPopup);
    connect(ccbColor, &ComboBox::popupClosed, this, &TMainForm::ccbColorClosePopup);
    connect(dePPStart, &DateEdit::pickerOpened, this, &TMainForm::dePPStartOpenPicker);
    connect(dePPStart, &DateEdit::pickerClosed, this, &TMainForm::dePPStartClosePicker);
    connect(cbPlt, &ComboBox::popupClosed, this, &TMainForm::cbPltClosePopup);
    connect(loSettings, &TapArea::longTapped, this, &TMainForm::loSettingsGesture);
    connect(loSettings, &TapArea::doubleClicked, this, &TMainForm::loSettingsDblClick);
    connect(bPPStart, &QPushButton::clicked, this, &TMainForm::bPPStartClick);
    edAgency->installEventFilter(this);
    connect(sbHelp1, &QPushButton::clicked, this, &TMainForm::sbHelp1Click);
    connect(sbHelp2, &QPushButton::clicked, this, &TMainForm::sbHelp2Click);

    // A right click passes the day cells by (they take the left button only) and reaches
    // the grid, which opens the menu; no day is selected and nothing is refreshed.
    connect(gloCal, &QWidget::customContextMenuRequested, this, &TMainForm::gloCalContextMenu);
    connect(miExportCalendar, &QAction::triggered, this, &TMainForm::miExportCalendarClick);
    connect(miPrintYear, &QAction::triggered, this, &TMainForm::miPrintYearClick);
    connect(miDayEntries, &QAction::triggered, this, &TMainForm::miDayEntriesClick);
    connect(miMyRecords, &QAction::triggered, this, &TMainForm::miMyRecordsClick);
}

} // namespace tenvik
