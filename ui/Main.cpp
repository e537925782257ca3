#include "ui/Main.h"

#include "core/Clock.h"
#include "core/Profile.h"
#include "records/EntryStore.h"
#include "settings/Settings.h"
#include "ui/AboutText.h"
#include "ui/MainAccessibility.h"
#include "ui/MainState.h"
#include "ui/MainUnit.h"
#include "ui/widgets/AfterFirstFrame.h"
#include "ui/widgets/ArrowButton.h"
#include "ui/widgets/ColorComboBox.h"
#include "ui/widgets/DateEdit.h"
#include "ui/widgets/DockLayout.h"
#include "ui/widgets/Label.h"
#include "ui/widgets/Notice.h"
#include "ui/widgets/ScrollPage.h"
#include "ui/widgets/StateColorButton.h"
#include "ui/widgets/Switch.h"
#include "ui/widgets/TabControl.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionComboBox>

#include <algorithm>
#include <chrono>

namespace tenvik {

using namespace Main;

namespace {

const QSize StartSize(350, 640);
constexpr std::chrono::milliseconds SettingsNoticeDuration{12000};

// What a date field with a drop-down arrow needs to show the widest date of the calendar's
// range whole. (QDateEdit's own size hint measures spin buttons, which are narrower.)
int DateFieldWidth(const DateEdit& edit)
{
    const QString widest = QDate(2060, 12, 28).toString(edit.displayFormat()) + u' ';
    const int cursorRoom = 2;
    QStyleOptionComboBox option;
    option.initFrom(&edit);
    option.editable = true;
    const QSize text(edit.fontMetrics().horizontalAdvance(widest) + cursorRoom, edit.sizeHint().height());
    return edit.style()->sizeFromContents(QStyle::CT_ComboBox, &option, text, &edit).width();
}

// The keys of a text or date field: the modifiers and Escape on their own, and any key
// held with a modifier (Ctrl+A, C, V, X, Z, Shift and an arrow to select, Ctrl and an
// arrow to jump a word). Plain keys the field leaves unused go on to the window as ever,
// the navigation keys among them.
bool IsFieldEditingKey(const QKeyEvent& event, const QWidget* focus)
{
    if (qobject_cast<const QLineEdit*>(focus) == nullptr && qobject_cast<const QAbstractSpinBox*>(focus) == nullptr)
        return false;
    switch (event.key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_CapsLock:
    case Qt::Key_Escape:
        return true;
    default:
        break;
    }
    const Qt::KeyboardModifiers editing = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    return (event.modifiers() & editing) != 0;
}

// +1 for Ctrl+Tab, -1 for Ctrl+Shift+Tab (Backtab where the platform says so), else 0.
int PageStep(const QKeyEvent& event)
{
    if (!(event.modifiers() & Qt::ControlModifier))
        return 0;
    if (event.key() == Qt::Key_Backtab || (event.key() == Qt::Key_Tab && (event.modifiers() & Qt::ShiftModifier)))
        return -1;
    return event.key() == Qt::Key_Tab ? 1 : 0;
}

} // namespace

TMainForm::TMainForm(StartupEnvironment environment, QWidget* parent)
    : QWidget(parent), m_environment(std::move(environment))
{
    if (!m_environment.clock)
        m_environment.clock = std::make_shared<SystemClock>();
    if (!m_environment.fileStore)
        m_environment.fileStore = std::make_shared<DiskFileStore>();

    // Before any widget exists: Qt keeps the first accessible interface made for a widget.
    InstallWindowAccessibility();
    ResetState();
    MainForm = this;
    TheClock = m_environment.clock.get();

    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Tenvik\u00AE"));
    auto* window = new DockLayout(this);
    tabCtrl = new TabControl(this);
    tabCtrl->setObjectName(QStringLiteral("tabCtrl"));
    tabCtrl->setAccessibleName(tr("Pages"));
    window->addDocked(tabCtrl, Dock::Client);

    buildCalendarPage();
    buildSettingsPage();
    buildHelpPage();
    buildAboutPage();
    buildExportMenu();
    bindHandlers();

    FormCreate();
    // Qt sends no resize event to a window that is not shown yet, so the first sizing is
    // run here: the window opens with its bands and fonts already sized.
    FormResize();
    // From the texts at the sizes the window draws them, which the first sizing settled.
    setMinimumWindowSize();
    // The records wait for the first frame: start-up is as quick without them, and the
    // marks follow a moment later.
    AfterFirstFrame(*this, [this] { readRecordsFromNowOn(); });
}

TMainForm::~TMainForm()
{
    // QWidget's destructor closes the window, which takes the focus from the date field;
    // a typed date left there must not reach a form that is already half gone.
    deDate->disconnect(this);
    if (MainForm == this)
        ResetState();
}

void TMainForm::FormCreate()
{
    LocaleFormats = m_environment.locale;

    const SettingsRecord stored = readSettingsFile();

    AgencyName = AgencyOrDefault(AgencyName);
    edAgency->setText(QString::fromStdString(AgencyName));
    AgencyShown = edAgency->text();

    // Both date fields write dates as the rest of the window does, with four-digit years
    // so that 1901 and 2001 cannot be mistaken.
    const QString dateFormat = QString::fromStdString(LocaleFormats.ShortDateFormat);
    const DayNumber today = TodayDate(*TheClock);
    deDate->setDisplayFormat(dateFormat);
    deDate->setDayNumber(today);
    // The footer's band gives the field a width made for two-digit years; the field gets
    // the room the longer date needs, so it is never cut off.
    if (auto* footer = qobject_cast<DockLayout*>(lblStatus->layout()))
        footer->setExtent(deDate, std::max<qreal>(footer->extent(deDate), DateFieldWidth(*deDate)));

    dePPStart->setDisplayFormat(dateFormat);
    dePPStart->resize(DateFieldWidth(*dePPStart), dePPStart->sizeHint().height());
    dePPStart->setDayNumber(PayPeriodStart);
    dePPStart->hide();
    ccbColor->hide();

    bPrev->setAutoRepeat(true);
    bNext->setAutoRepeat(true);

    cbPlt->setCurrentIndex(AssignmentIndexFor(stored.assignment));
    lblToolbar1->setRawText(CalendarTitle());

    // The colour list is always Qt's own drop-down; there is no native picker to leave.

    bAPlt->setTextColor(APltColor);
    bBPlt->setTextColor(BPltColor);
    bXPlt->setTextColor(XPltColor);
    bLdTr->setTextColor(LdTrColor);
    bBkGr->setTextColor(BkGrColor);

    lblAbout->setRawText(AboutText());

    setOuterSize(StartSize.width(), StartSize.height());
    tabCtrl->setCurrentWidget(tabCalendar);

    CurrentDate = today;
    // End before any other move comes back here rather than to January 1901.
    SavedDate = CurrentDate;
    SetViewDate(CurrentDate);
    RefreshAll();
}

void TMainForm::setOuterSize(int width, int height)
{
    const QSize frame = frameGeometry().size() - geometry().size();
    resize(std::max(1, width - frame.width()), std::max(1, height - frame.height()));
}

void TMainForm::keyPressEvent(QKeyEvent* event)
{
    // Ctrl+Tab and Ctrl+Shift+Tab switch pages as in any tabbed window, whatever has the
    // focus; the page control leaves them here so that no field keeps them.
    if (const int step = PageStep(*event)) {
        event->accept();
        const int pages = tabCtrl->count();
        tabCtrl->setCurrentIndex((tabCtrl->currentIndex() + step + pages) % pages);
        return;
    }
    // The pages that scroll take the scrolling keys the focused control left unused; the
    // Calendar page keeps them for the calendar.
    if (tabCtrl->currentWidget() != tabCalendar) {
        if (auto* page = tabCtrl->currentWidget()->findChild<ScrollPage*>();
            page != nullptr && page->scrollByKey(*event)) {
            event->accept();
            return;
        }
    }
    // A key the focused field left unused comes here; the keys a field edits with stay
    // with it even so, or a first press of Ctrl or Shift would send the focus to the grid
    // before the key it goes with could reach the field.
    if (IsFieldEditingKey(*event, QApplication::focusWidget())) {
        event->ignore();
        return;
    }
    FormKeyDown(event);
}

void TMainForm::keyReleaseEvent(QKeyEvent* event)
{
    FormKeyUp(event);
}

void TMainForm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // A window sized while hidden is told its size again when it shows; the sizing has
    // been done for it.
    if (size() == m_sizedFor && frameGeometry().size() == m_sizedForOutside)
        return;
    FormResize();
}

void TMainForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // The frame and caption are known only once the platform has made the window. The
    // window opens 350 × 640 outside, so the first time they are known the inside gives
    // way to them (a resize, which sizes the bands again).
    // A window someone has sized otherwise in the meantime keeps its size.
    if (!m_frameKnown && frameGeometry().size() != geometry().size()) {
        m_frameKnown = true;
        if (size() == StartSize)
            setOuterSize(StartSize.width(), StartSize.height());
    }
    // Longer than a notice of the window's own doing: the user did not ask for this one.
    if (!m_unreadableSettings.isEmpty()) {
        lblNotice->showMessage(m_unreadableSettings, SettingsNoticeDuration);
        m_unreadableSettings.clear();
    }
}

bool TMainForm::event(QEvent* event)
{
    const bool handled = QWidget::event(event);
    // Back in the window, the user sees what another window of theirs has recorded since.
    // Only the entries are refreshed: the focus stays where the user left it.
    if (event->type() == QEvent::WindowActivate && m_readsRecords)
        RefreshEntries();
    return handled;
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == edAgency) {
        if (event->type() == QEvent::FocusIn)
            edAgencyEnter();
        else if (event->type() == QEvent::FocusOut)
            edAgencyExit();
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tenvik
