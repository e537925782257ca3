#pragma once

#include "core/Clock.h"
#include "settings/FileStore.h"
#include "settings/LocaleDate.h"

#include <QLocale>
#include <QWidget>

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

class QAction;
class QDialog;
class QKeyEvent;
class QLineEdit;
class QMenu;
class QPrinter;
class QSpinBox;

namespace tenvik {

namespace records {
class EntryStore;
}

class ArrowButton;
class ColorComboBox;
class ComboBox;
class DateEdit;
class DayCell;
class CellGrid;
class Image;
class Label;
class TapArea;
class Notice;
class Rectangle;
struct SettingsRecord;
class StateColorButton;
class Switch;
class TabControl;
class Text;
struct UnreadableValue;

// What the window takes from its surroundings: the clock, the locale, where the user's
// configuration folder is and how files are written. The program passes the system's;
// tests pass pinned ones.
struct StartupEnvironment {
    std::shared_ptr<const Clock> clock;
    FormatSettings locale;
    std::filesystem::path configBase;
    std::shared_ptr<FileStore> fileStore; // the settings file's bytes go through it
    // Shows a failed write (Save, an export) to the user; tests replace the dialog.
    std::function<void(QWidget* parent, const QString& message)> reportError;
    // Asks where to save a file (caption, suggested path, name filter); empty when the user
    // cancels. Unset, it is Qt's save dialog; tests answer for the user.
    std::function<QString(QWidget* parent, const QString& caption, const QString& suggestedPath, const QString& filter)>
        chooseSaveFile;
    // Lets the user choose a printer, or a PDF file, for the printer set up for a print;
    // false when the user cancels. Unset, it is Qt's print dialog (the platform's own
    // where there is one); tests answer for the user.
    std::function<bool(QWidget* parent, QPrinter& printer)> choosePrinter;
    // Whose long dates the screen-reader texts speak ("Tuesday, 17 January 2012"); the
    // default locale as it is when the environment is made.
    QLocale longDateLocale;
    // The translation the window's texts are in ("es", "fr_CA"); empty for English. The Help
    // page shows its pictures drawn in that language where they exist.
    QString language;
    // Runs one of the window's own dialogs (the day's entries) until the user closes it.
    // Unset, it is the dialog's exec(); tests act in the user's place and return.
    std::function<void(QDialog& dialog)> runDialog;
    // Asks the user a question to be answered yes or no; true for yes. Unset, a message
    // box; tests answer for the user.
    std::function<bool(QWidget* parent, const QString& question)> askYesNo;
};

// The calendar window. Its handlers are named after the widget and the event they serve;
// the routines that compute one rule or repaint one part of the window are free functions
// of the unit that reach the widgets through Main::MainForm.
class TMainForm : public QWidget {
    Q_OBJECT
public:
    explicit TMainForm(StartupEnvironment environment, QWidget* parent = nullptr);
    ~TMainForm() override;

    const StartupEnvironment& environment() const { return m_environment; }

    // Calendar page
    TabControl* tabCtrl = nullptr;
    QWidget* tabCalendar = nullptr;
    QWidget* tabSettings = nullptr;
    QWidget* tabHelp = nullptr;
    QWidget* tabAbout = nullptr;

    QWidget* tbCalendar = nullptr;
    Rectangle* rectToolbar1 = nullptr;
    Label* lblToolbar1 = nullptr;
    QWidget* loMonthName = nullptr;
    Rectangle* rectMonthName = nullptr;
    Label* lblMonthName = nullptr;
    ArrowButton* bPrev = nullptr;
    ArrowButton* bNext = nullptr;
    QWidget* loDaysOfWeek = nullptr;
    Rectangle* rectDaysOfWeek = nullptr;
    CellGrid* gloDOW = nullptr;
    std::array<Label*, 7> lblDOW{}; // lblDOW1 … lblDOW7
    QWidget* loCalendar = nullptr;
    Rectangle* rectGloCal = nullptr;
    CellGrid* gloCal = nullptr;
    std::array<DayCell*, 42> gR{}; // gR00 … gR41
    std::array<Text*, 42> gT{};    // gT00 … gT41
    std::array<Text*, 42> gX{};    // gX00 … gX41
    QWidget* loFooter = nullptr;
    Rectangle* rectFooter = nullptr;
    Label* lblStatus = nullptr;
    StateColorButton* bToday = nullptr;
    DateEdit* deDate = nullptr;
    // The grid's context menu: the calendar file and the printed year.
    QMenu* pmCalendar = nullptr;
    QAction* miExportCalendar = nullptr;
    QAction* miPrintYear = nullptr;
    QAction* miDayEntries = nullptr; // the selected day's trades, leave, extra hours and notes
    QAction* miMyRecords = nullptr;  // what the records add up to; Ctrl+R anywhere in the window
    // Says over the window that an export was written; goes away by itself.
    Notice* lblNotice = nullptr;
    // Says over the foot of the grid, right above deDate, that its text is no date.
    Notice* lblDateNotice = nullptr;

    // Settings page
    QWidget* tbSettings = nullptr;
    Rectangle* rectToolbar2 = nullptr;
    Label* lblToolbar2 = nullptr;
    StateColorButton* sbBack2 = nullptr;
    StateColorButton* bSave = nullptr;
    ColorComboBox* ccbColor = nullptr;
    DateEdit* dePPStart = nullptr;
    Rectangle* rectSettings = nullptr;
    TapArea* loSettings = nullptr;
    Label* lblPlatoon = nullptr;
    ComboBox* cbPlt = nullptr;
    Label* lblPaydays = nullptr;
    Switch* swPaydays = nullptr;
    Label* lblDebitDays = nullptr;
    Switch* swDebitDays = nullptr;
    Label* lblPayPeriods = nullptr;
    Switch* swPayPeriods = nullptr;
    StateColorButton* bAPlt = nullptr;
    StateColorButton* bBPlt = nullptr;
    StateColorButton* bXPlt = nullptr;
    StateColorButton* bLdTr = nullptr;
    StateColorButton* bBkGr = nullptr;
    QLineEdit* edAgency = nullptr;
    StateColorButton* bPPStart = nullptr; // shows dePPStart, as a double-click on the page does
    Label* lblEntryMarks = nullptr;
    Switch* swEntryMarks = nullptr; // the marks of the user's entries on the grid's days
    Label* lblShiftHours = nullptr;
    QSpinBox* spnShiftHours = nullptr; // the hours of one shift: a new trade's, the summary's

    // Help page
    Rectangle* rectHelp = nullptr;
    QWidget* tbHelp = nullptr;
    Rectangle* rectToolbar3 = nullptr;
    Label* lblToolbar3 = nullptr;
    StateColorButton* sbBack3 = nullptr;
    Image* imgHelp = nullptr;         // the Settings page explained
    Image* imgHelpCalendar = nullptr; // the key to the Calendar page's marks

    // About page
    QWidget* tbAbout = nullptr;
    Rectangle* rectToolbar4 = nullptr;
    Label* lblToolbar4 = nullptr;
    StateColorButton* sbBack4 = nullptr;
    Rectangle* rectAbout = nullptr;
    QWidget* loLinks = nullptr;
    StateColorButton* sbHelp1 = nullptr;
    StateColorButton* sbHelp2 = nullptr;
    Label* lblAbout = nullptr;
    Image* imgSextant = nullptr;

    // The user's records, opened (or made) beside the settings file at their first need,
    // never at start-up. Null when they cannot be opened; the user has been told why.
    records::EntryStore* recordsStore();
    bool recordsOpened() const { return m_records != nullptr; }
    // From now on every refresh reads the shown days' entries, opening the records if
    // their file is there and sound (never making one); then it refreshes them. The window
    // calls it once its first frame is on screen, so that start-up never waits for them.
    void readRecordsFromNowOn();
    // The entries of the days the grid shows into ShownEntries, read again; none when
    // there are no records to read yet. Part of every refresh.
    void readShownEntries();

    // Every rectangle and text of the window in creation order (each cell's rectangle right
    // before its two texts): the order the refresh pass paints them in.
    const std::vector<QWidget*>& paintOrder() const { return m_paintOrder; }

    // Handlers (calendar)
    void FormCreate();
    void FormResize();
    void FormKeyDown(QKeyEvent* event);
    void FormKeyUp(QKeyEvent* event);
    void tabCtrlChange();
    void bPrevClick();
    void bNextClick();
    void bTodayClick();
    void deDateOpenPicker();
    void deDateClosePicker();
    void deDateKeyDown(); // Enter
    void deDateExit();    // the focus left after typing
    void gR00Click(Rectangle* sender);
    void gloCalGesture();
    void sbBack2Click();
    void gloCalContextMenu(const QPoint& position);
    void miExportCalendarClick();
    void miPrintYearClick();
    void gR00DblClick(Rectangle* sender);
    void miDayEntriesClick();
    void miMyRecordsClick();

    // Handlers (settings, help, about)
    void bSaveClick();
    void bAPltClick(StateColorButton* sender);
    void ccbColorPopup();
    void ccbColorClosePopup();
    void dePPStartOpenPicker();
    void dePPStartClosePicker();
    void cbPltClosePopup();
    void loSettingsGesture();
    void loSettingsDblClick();
    void bPPStartClick();
    void edAgencyEnter();
    void edAgencyExit();
    void sbHelp1Click();
    void sbHelp2Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // One builder per page and band; they fill the fields above and m_paintOrder.
    void buildCalendarPage();
    void buildSettingsPage();
    void buildHelpPage();
    void buildAboutPage();
    void buildExportMenu();
    // Connects every handler to its widget's signal; builds nothing.
    void bindHandlers();
    // The date typed into deDate, as if picked; a text that is no date in the calendar's
    // range stays in the field and is said to be none.
    void goToTypedDate();

    // The read pass of start-up and the write pass of Save, mirror images of each other:
    // the settings file into the state and the Settings widgets, and back. The read
    // returns what it read for the steps of start-up that follow; the write throws
    // EIniFileException when the file cannot be written, and then changes nothing.
    SettingsRecord readSettingsFile();
    void writeSettingsFile();
    // What the window says when the file holds values it could not read; empty when none.
    QString unreadableSettingsText(const std::vector<UnreadableValue>& values) const;
    // Widgets the refresh pass paints, recorded as they are made.
    Rectangle* addRectangle(QWidget* parent, const char* name, int tag);
    // A rectangle of the grid: a day cell, which also draws the day's marks.
    DayCell* addDayCell(const char* name, int cell);
    Text* addText(QWidget* parent, const char* name, int tag);

    // The window's outer size, frame and caption included, as far as the platform has
    // told Qt about the frame yet.
    void setOuterSize(int width, int height);
    // Below this size the buttons docked in the bands would overlap or cut their captions.
    void setMinimumWindowSize();

    // The file and print dialogs of the exports, or what the environment answers in their
    // place.
    QString chooseSaveFile(const QString& caption, const QString& suggestedPath, const QString& filter);
    bool choosePrinter(QPrinter& printer);
    // Writes an export through the file store; a failure is reported, never silent.
    // Whether it was written.
    bool saveExport(const QString& path, std::string_view bytes);
    void reportError(const QString& message);
    // yesByDefault: which button Enter presses.
    bool askYesNo(const QString& question, bool yesByDefault = true);
    // The selected day's entries, in their dialog.
    void openDayEntries();

    StartupEnvironment m_environment;
    std::vector<QWidget*> m_paintOrder;
    // Said once the window shows, so that it is seen and heard.
    QString m_unreadableSettings;
    bool m_frameKnown = false;
    QSize m_sizedFor; // the inside and the outside size the bands and fonts were last sized for
    QSize m_sizedForOutside;
    std::unique_ptr<records::EntryStore> m_records;
    bool m_readsRecords = false;
    // A records file that would not open quietly (damaged, or a later program's) is left
    // for the user's own opening, which says what became of it.
    bool m_recordsUnreadable = false;
};

} // namespace tenvik
