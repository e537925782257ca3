#include "WindowFixture.h"

#include "../settings/SettingsTestSupport.h"

#include "bridge/FilePath.h"
#include "bridge/QtDate.h"
#include "ui/ColorButtonTags.h"
#include "ui/DayEntriesDialog.h"
#include "ui/widgets/CellGrid.h"
#include "ui/widgets/ColorComboBox.h"
#include "ui/widgets/ComboBox.h"
#include "ui/widgets/DateEdit.h"
#include "ui/widgets/DayCell.h"
#include "ui/widgets/Label.h"
#include "ui/widgets/Notice.h"
#include "ui/widgets/StateColorButton.h"
#include "ui/widgets/Switch.h"
#include "ui/widgets/TabControl.h"
#include "ui/widgets/Tag.h"
#include "ui/widgets/TapArea.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCalendarWidget>
#include <QDir>
#include <QGraphicsOpacityEffect>
#include <QLineEdit>
#include <QSpinBox>

#include <future>
#include <thread>

namespace tenvik::test {
namespace {

using namespace Main;

const QString SettingsTitle = QStringLiteral("Tenvik\u00AE");
constexpr TAlphaColor Aqua = 0xFF00FFFF;

class SettingsWindowTest : public WindowTest {
protected:
    TMainForm& openSettings()
    {
        TMainForm& w = open();
        w.tabCtrl->setCurrentWidget(w.tabSettings);
        return w;
    }

    // The colour list as the user works it: a button drops it down, a key closes it.
    void chooseColor(StateColorButton& button, const char* name)
    {
        QTest::mouseClick(&button, Qt::LeftButton);
        ColorComboBox& list = *m_form->ccbColor;
        ASSERT_TRUE(list.view()->isVisible());
        const int index = list.findText(QString::fromLatin1(name), Qt::MatchExactly | Qt::MatchCaseSensitive);
        ASSERT_GE(index, 0) << name;
        list.view()->setCurrentIndex(list.model()->index(index, 0));
        QTest::keyClick(list.view(), Qt::Key_Return);
        QApplication::processEvents(); // the close is reported from the event loop
    }

    void dismissColorList(StateColorButton& button)
    {
        QTest::mouseClick(&button, Qt::LeftButton);
        ASSERT_TRUE(m_form->ccbColor->view()->isVisible());
        QTest::keyClick(m_form->ccbColor->view(), Qt::Key_Escape);
        QApplication::processEvents();
    }

    void save() { QTest::mouseClick(m_form->bSave, Qt::LeftButton); }
};

TEST_F(SettingsWindowTest, FirstSaveOfTheDefaultsWritesEveryKeyButTheAgencyAndShowsTheCalendar)
{
    TMainForm& w = openSettings();
    save();

    EXPECT_EQ(settingsText().toStdString(), testing::DefaultSettingsFile);
    EXPECT_EQ(w.tabCtrl->currentWidget(), w.tabCalendar);
    EXPECT_TRUE(w.gloCal->hasFocus());
    EXPECT_TRUE(m_reportedErrors.empty());
}

TEST_F(SettingsWindowTest, EverySettingSurvivesSaveAndRestart)
{
    TMainForm& w = openSettings();
    w.cbPlt->setCurrentIndex(w.cbPlt->findText(QStringLiteral("B3")));
    for (Switch* sw : {w.swPaydays, w.swDebitDays, w.swPayPeriods})
        QTest::mouseClick(sw, Qt::LeftButton);
    w.edAgency->setText(QStringLiteral("Station 9 \u00C6gir"));
    chooseColor(*w.bAPlt, "Green");
    chooseColor(*w.bBPlt, "Navy");
    chooseColor(*w.bXPlt, "Orange");
    chooseColor(*w.bLdTr, "Gray");
    chooseColor(*w.bBkGr, "Ivory");
    w.loSettingsDblClick();
    w.dePPStart->openPicker();
    w.dePPStart->setDayNumber(Day(2021, 1, 3));
    w.dePPStart->closePicker();
    save();
    ASSERT_TRUE(m_reportedErrors.empty());

    TMainForm& again = open(Show::No);
    EXPECT_EQ(again.cbPlt->currentText(), QStringLiteral("B3"));
    EXPECT_TRUE(again.swPaydays->isChecked());
    EXPECT_TRUE(again.swDebitDays->isChecked());
    EXPECT_TRUE(again.swPayPeriods->isChecked());
    EXPECT_EQ(again.edAgency->text(), QStringLiteral("Station 9 \u00C6gir"));
    EXPECT_EQ(PayPeriodStart, Day(2021, 1, 3));
    EXPECT_EQ(again.dePPStart->dayNumber(), Day(2021, 1, 3));
    const std::pair<StateColorButton*, TAlphaColor> colours[] = {{again.bAPlt, 0xFF008000},
                                                                 {again.bBPlt, colors::Navy},
                                                                 {again.bXPlt, 0xFFFFA500},
                                                                 {again.bLdTr, 0xFF808080},
                                                                 {again.bBkGr, 0xFFFFFFF0}};
    for (const auto& [button, colour] : colours) {
        SCOPED_TRACE(button->objectName().toStdString());
        EXPECT_EQ(RoleColor(ColorRoleForTag(TagOf(*button)).value()), colour);
        EXPECT_EQ(button->textColors().normal, colour);
    }
}

// The marks switch and the shift length: by keyboard after the controls of old, saved,
// read back, in force before any Save, and named when the file holds what cannot be read.
TEST_F(SettingsWindowTest, MarksSwitchAndShiftLengthAreSavedAndReadLikeTheOthers)
{
    TMainForm& w = openSettings();
    EXPECT_TRUE(w.swEntryMarks->isChecked());
    EXPECT_EQ(w.spnShiftHours->value(), 24);
    EXPECT_EQ(w.spnShiftHours->minimum(), 1);
    EXPECT_EQ(w.spnShiftHours->maximum(), 48);
    EXPECT_EQ(w.lblEntryMarks->buddy(), w.swEntryMarks);
    EXPECT_EQ(w.lblShiftHours->buddy(), w.spnShiftHours);
    w.bPPStart->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), w.swEntryMarks);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), w.spnShiftHours);

    QTest::mouseClick(w.swEntryMarks, Qt::LeftButton);
    w.spnShiftHours->setValue(12);
    // A trade starts at the new length at once, saved or not.
    QString startsAt;
    m_dialogHand = [&startsAt](QDialog& dialog) { startsAt = static_cast<DayEntriesDialog&>(dialog).edHours->text(); };
    w.miDayEntries->trigger();
    EXPECT_EQ(startsAt, QStringLiteral("12"));

    w.tabCtrl->setCurrentWidget(w.tabSettings);
    save();
    ASSERT_TRUE(m_reportedErrors.empty());
    const QString file = QString::fromUtf8(settingsText());
    EXPECT_TRUE(file.contains(QStringLiteral("PPStart=2020-12-20\nEntryMarks=0\nShiftHours=12\n")))
        << file.toStdString();

    TMainForm& again = open(Show::No);
    EXPECT_FALSE(again.swEntryMarks->isChecked());
    EXPECT_EQ(again.spnShiftHours->value(), 12);

    writeSettings("[Config]\nEntryMarks=off\nShiftHours=72\n");
    TMainForm& unread = open();
    EXPECT_TRUE(unread.swEntryMarks->isChecked());
    EXPECT_EQ(unread.spnShiftHours->value(), 24);
    ASSERT_TRUE(unread.lblNotice->isVisible());
    const QString said = unread.lblNotice->text();
    for (const char* part : {"Entry Marks \u201Coff\u201D", "Shift Hours \u201C72\u201D"})
        EXPECT_TRUE(said.contains(QString::fromUtf8(part))) << said.toStdString();
}

TEST_F(SettingsWindowTest, ColourListChangesOnlyTheRoleOfItsButtonAndOnlyForARealColour)
{
    struct Case {
        const char* name;
        const char* stored; // the "APlt" line of the settings file
        const char* choice; // nullptr: the list is closed without a choice
        TAlphaColor expected;
    };
    const Case cases[] = {
        {"a colour", "", "Lime", 0xFF00FF00},
        {"Null changes nothing", "", "Null", colors::Red},
        {"closing without a choice keeps the preset", "", nullptr, colors::Red},
        {"a colour the list lacks survives a close without a choice", "APlt=#80FF0000\n", nullptr, 0x80FF0000},
        {"a colour the list lacks is replaced by a choice", "APlt=#80FF0000\n", "Teal", 0xFF008080},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeSettings(std::string("[Colors]\n") + c.stored);
        TMainForm& w = openSettings();
        // The list still shows the last colour chosen for another role.
        chooseColor(*w.bBPlt, "Aqua");
        if (c.choice)
            chooseColor(*w.bAPlt, c.choice);
        else
            dismissColorList(*w.bAPlt);

        EXPECT_EQ(APltColor, c.expected);
        EXPECT_EQ(w.bAPlt->textColors().normal, c.expected);
        EXPECT_EQ(BPltColor, Aqua);
        EXPECT_EQ(XPltColor, colors::Fuchsia);
        EXPECT_TRUE(w.ccbColor->isHidden());
        EXPECT_EQ(w.lblToolbar2->rawText(), SettingsTitle);
        EXPECT_EQ(w.tabCtrl->currentWidget(), w.tabSettings);
    }
}

TEST_F(SettingsWindowTest, AnEditedColourShowsOnTheCalendarAndIsGoneAfterARestartWithoutSave)
{
    TMainForm& w = openSettings();
    chooseColor(*w.bBkGr, "Navy");
    EXPECT_EQ(w.rectSettings->fillColor(), colors::White); // the page follows at the next refresh
    w.sbBack2->click();
    EXPECT_EQ(w.rectGloCal->fillColor(), colors::Navy);

    open(Show::No);
    EXPECT_EQ(BkGrColor, colors::White);
}

TEST_F(SettingsWindowTest, DoubleClickOrLongTapRevealsThePayPeriodPicker)
{
    const std::pair<const char*, std::function<void(TMainForm&)>> reveals[] = {
        {"double-click", [](TMainForm& w) { QTest::mouseDClick(w.loSettings, Qt::LeftButton, {}, QPoint(300, 400)); }},
        {"long tap", [](TMainForm& w) { emit w.loSettings->longTapped(); }},
    };
    for (const auto& [name, reveal] : reveals) {
        SCOPED_TRACE(name);
        TMainForm& w = openSettings();
        reveal(w);
        EXPECT_FALSE(w.dePPStart->isHidden());
        EXPECT_EQ(w.lblToolbar2->rawText(), QString());
    }
}

TEST_F(SettingsWindowTest, PayPeriodPickerStartsFromTheDateInForceAndStoresWhatIsPicked)
{
    TMainForm& w = openSettings();
    w.loSettingsDblClick();
    w.dePPStart->setDayNumber(Day(2019, 6, 2)); // typed, not picked
    w.dePPStart->openPicker();
    ASSERT_TRUE(w.dePPStart->isPickerOpen());
    EXPECT_EQ(w.dePPStart->dayNumber(), 44185);
    EXPECT_EQ(DayNumberToQDate(44185), w.dePPStart->calendarWidget()->selectedDate());

    w.dePPStart->setDayNumber(Day(2022, 1, 2));
    w.dePPStart->closePicker();
    EXPECT_EQ(PayPeriodStart, Day(2022, 1, 2));
    EXPECT_FALSE(w.dePPStart->isHidden());
    EXPECT_EQ(w.lblToolbar2->rawText(), QString());

    // A colour button takes the title's place; the title is back once the list closes.
    dismissColorList(*w.bAPlt);
    EXPECT_TRUE(w.dePPStart->isHidden());
    EXPECT_EQ(w.lblToolbar2->rawText(), SettingsTitle);
}

TEST_F(SettingsWindowTest, LeavingThePageHidesBothPickersAndRestoresTheTitle)
{
    TMainForm& w = openSettings();
    w.loSettingsDblClick();
    w.sbBack2->click();
    EXPECT_TRUE(w.dePPStart->isHidden());
    EXPECT_TRUE(w.ccbColor->isHidden());
    EXPECT_EQ(w.lblToolbar2->rawText(), SettingsTitle);
}

TEST_F(SettingsWindowTest, SaveWritesAPayPeriodStartTypedWithoutThePicker)
{
    TMainForm& w = openSettings();
    w.loSettingsDblClick();
    w.dePPStart->setFocus();
    w.dePPStart->setSelectedSection(QDateTimeEdit::YearSection);
    QTest::keyClicks(w.dePPStart, QStringLiteral("2021"));
    ASSERT_EQ(w.dePPStart->dayNumber(), Day(2021, 12, 20));
    save();

    EXPECT_EQ(PayPeriodStart, Day(2021, 12, 20));
    EXPECT_TRUE(w.dePPStart->isHidden());
    EXPECT_TRUE(settingsText().contains("PPStart=2021-12-20\n"));
    open(Show::No);
    EXPECT_EQ(PayPeriodStart, Day(2021, 12, 20));
}

TEST_F(SettingsWindowTest, TheFileEndsWithTheAgencyLastSaved)
{
    struct Step {
        const char* typed;
        const char* onFile; // nullptr: no "Agency" line
    };
    const Step steps[] = {
        {"Velmora Fire", nullptr}, // the untouched default is not written
        {"Station 9", "Agency=Station 9\n"},
        {"Velmora Fire", "Agency=Velmora Fire\n"}, // typed back: written again
        {"Velmora Fire", "Agency=Velmora Fire\n"},
        {"", "Agency=\n"},
    };
    TMainForm& w = openSettings();
    for (const Step& step : steps) {
        SCOPED_TRACE(step.typed);
        w.tabCtrl->setCurrentWidget(w.tabSettings);
        w.edAgency->setText(QString::fromUtf8(step.typed));
        save();
        const QByteArray text = settingsText();
        if (step.onFile)
            EXPECT_TRUE(text.contains(step.onFile)) << text.toStdString();
        else
            EXPECT_FALSE(text.contains("Agency=")) << text.toStdString();
    }
    // Cleared and saved, the next start shows the default again.
    TMainForm& again = open(Show::No);
    EXPECT_EQ(again.edAgency->text(), QStringLiteral("Velmora Fire"));
}

// A file saved in a Windows code page holds bytes that are no UTF-8: the field shows them as
// replacement characters, and only an agency the user edited may replace them.
TEST_F(SettingsWindowTest, AnAgencyTheUserDidNotEditIsNeverRewritten)
{
    writeSettings("[Config]\nAgency=Caf\xE9 \xA7 9\n");
    TMainForm& w = openSettings();
    EXPECT_EQ(w.edAgency->text(), QStringLiteral("Caf\uFFFD \uFFFD 9"));
    save();
    EXPECT_TRUE(settingsText().contains("Agency=Caf\xE9 \xA7 9\n")) << settingsText().toStdString();

    w.tabCtrl->setCurrentWidget(w.tabSettings);
    w.edAgency->setText(QStringLiteral("Caf\u00E9 \u00A7 9"));
    save();
    EXPECT_TRUE(settingsText().contains("Agency=Caf\xC3\xA9 \xC2\xA7 9\n")) << settingsText().toStdString();
}

// The date field holds the years 100 to 9999; a start outside them must not show one date
// in the grid and another in the field, nor be saved as a date nobody chose.
TEST_F(SettingsWindowTest, ThePayPeriodStartOfTheFileAndOfTheFieldAgree)
{
    struct Case {
        const char* stored;
        DayNumber read;
        const char* saved;
    };
    const Case cases[] = {
        {"1/1/0050", 44185, "PPStart=2020-12-20\n"},
        {"12/31/0099", 44185, "PPStart=2020-12-20\n"},
        {"1/1/0100", Day(100, 1, 1), "PPStart=0100-01-01\n"},
        {"12/31/9999", Day(9999, 12, 31), "PPStart=9999-12-31\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        writeSettings(std::string("[Config]\nPPStart=") + c.stored + "\n");
        TMainForm& w = openSettings();
        EXPECT_EQ(PayPeriodStart, c.read);
        EXPECT_EQ(w.dePPStart->dayNumber(), c.read);
        save();
        EXPECT_TRUE(settingsText().contains(c.saved)) << settingsText().toStdString();
    }
}

TEST_F(SettingsWindowTest, AFailedWriteIsReportedAndLeavesThePageAndTheFileAsTheyWere)
{
    writeSettings("[Config]\nRDO=A1\n[Colors]\nAPlt=Green\n");
    auto failing = std::make_shared<testing::FailingFileStore>(1);
    m_fileStore = failing;
    TMainForm& w = openSettings();
    w.cbPlt->setCurrentIndex(w.cbPlt->findText(QStringLiteral("B2")));
    chooseColor(*w.bAPlt, "Maroon");
    w.loSettingsDblClick();
    w.dePPStart->setDayNumber(Day(2021, 1, 3));
    save();

    const QString path = configPath(QStringLiteral("Quorvell/Tenvik/Tenvik.ini"));
    ASSERT_EQ(m_reportedErrors.size(), 1u);
    EXPECT_EQ(m_reportedErrors[0], QStringLiteral("Unable to write to ") + QDir::toNativeSeparators(path));
    EXPECT_EQ(w.tabCtrl->currentWidget(), w.tabSettings);
    EXPECT_EQ(PayPeriodStart, Day(2021, 1, 3)); // in force, as every other edit
    EXPECT_FALSE(w.dePPStart->isHidden());
    EXPECT_EQ(w.lblToolbar2->rawText(), QString());
    EXPECT_EQ(failing->Replaces(), 1);
    EXPECT_EQ(settingsText(), QByteArray("[Config]\nRDO=A1\n[Colors]\nAPlt=Green\n"));
}

// Another window in the middle of its Save: this one waits a moment, then says so.
TEST_F(SettingsWindowTest, ASaveThatFindsTheFileBusySaysSo)
{
    writeSettings("[Config]\nRDO=A1\n");
    m_fileStore = std::make_shared<DiskFileStore>(std::chrono::milliseconds{50});
    TMainForm& w = openSettings();
    const QString path = configPath(QStringLiteral("Quorvell/Tenvik/Tenvik.ini"));

    std::promise<void> locked;
    std::promise<void> release;
    std::thread otherWindow{[&] {
        DiskFileStore().Update(FilePathOf(path), [&](std::optional<std::string> bytes) {
            locked.set_value();
            release.get_future().wait();
            return bytes.value_or("");
        });
    }};
    locked.get_future().wait();
    save();
    release.set_value();
    otherWindow.join();

    ASSERT_EQ(m_reportedErrors.size(), 1u);
    EXPECT_EQ(m_reportedErrors[0],
              QStringLiteral("Unable to write to ") + QDir::toNativeSeparators(path)
                  + QStringLiteral(": the file is busy, another Tenvik window is saving it. "
                                   "Try again in a moment."));
    EXPECT_EQ(w.tabCtrl->currentWidget(), w.tabSettings);
    EXPECT_EQ(settingsText(), QByteArray("[Config]\nRDO=A1\n"));
}

TEST_F(SettingsWindowTest, AssignmentListClosedWithNoItemSelectsRdo)
{
    TMainForm& w = openSettings();
    w.cbPlt->setCurrentIndex(-1);
    w.cbPltClosePopup();
    EXPECT_EQ(w.cbPlt->currentIndex(), 0);
    w.cbPlt->setCurrentIndex(5);
    w.cbPltClosePopup();
    EXPECT_EQ(w.cbPlt->currentIndex(), 5);
}

TEST_F(SettingsWindowTest, AgencyEditIsBoldAndOpaqueOnlyWhileFocused)
{
    TMainForm& w = openSettings();
    const auto opacity = [&w] {
        return qobject_cast<QGraphicsOpacityEffect*>(w.edAgency->graphicsEffect())->opacity();
    };
    EXPECT_EQ(opacity(), 0.5);
    EXPECT_FALSE(w.edAgency->font().bold());
    EXPECT_EQ(w.edAgency->placeholderText(), QStringLiteral("Enter agency name"));

    w.edAgency->setFocus();
    EXPECT_EQ(opacity(), 1.0);
    EXPECT_TRUE(w.edAgency->font().bold());

    w.swPaydays->setFocus();
    EXPECT_EQ(opacity(), 0.5);
    EXPECT_FALSE(w.edAgency->font().bold());
    // Faded, the prompt is drawn at full strength so that it stays readable.
    EXPECT_EQ(w.edAgency->palette().color(QPalette::PlaceholderText).alpha(), 255);
}

} // namespace
} // namespace tenvik::test
