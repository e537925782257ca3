// The Settings page: colours, pay-period start, assignment, agency edit and Save.
#include "settings/IniFile.h"
#include "ui/ColorButtonTags.h"
#include "ui/Main.h"
#include "ui/MainState.h"
#include "ui/MainUnit.h"
#include "ui/widgets/ColorComboBox.h"
#include "ui/widgets/ComboBox.h"
#include "ui/widgets/DateEdit.h"
#include "ui/widgets/Label.h"
#include "ui/widgets/StateColorButton.h"
#include "ui/widgets/Switch.h"
#include "ui/widgets/TabControl.h"
#include "ui/widgets/Tag.h"

#include <QDir>
#include <QGraphicsOpacityEffect>
#include <QLineEdit>

namespace tenvik {

using namespace Main;

namespace {

constexpr qreal AgencyIdleOpacity = 0.5;
constexpr qreal AgencyFocusedOpacity = 1.0;
constexpr int PromptAlphaOnFocus = 128; // Qt's own strength for a prompt
constexpr int PromptAlphaWhenFaded = 255;

QString SaveErrorText(const EIniFileException& error)
{
    const QString path = QDir::toNativeSeparators(QString::fromUtf8(error.PathText()));
    switch (error.WhatFailed()) {
    case EIniFileException::Cause::Busy:
        return TMainForm::tr("Unable to write to %1: the file is busy, another Tenvik window is saving it. "
                             "Try again in a moment.")
            .arg(path);
    case EIniFileException::Cause::LinkTargetFolderMissing:
        return TMainForm::tr("Unable to write to %1: it is a link into the folder %2, which is missing.")
            .arg(path, QDir::toNativeSeparators(QString::fromUtf8(error.FolderText())));
    case EIniFileException::Cause::Failed:
        break;
    }
    return TMainForm::tr("Unable to write to %1").arg(path);
}

} // namespace

void TMainForm::bAPltClick(StateColorButton* sender)
{
    const int tag = TagOf(*sender);
    SetTag(*ccbColor, tag);
    if (const auto role = ColorRoleForTag(tag)) {
        ccbColor->setColor(RoleColor(*role));
        // A colour the list lacks (one written into the file by hand) leaves nothing
        // selected rather than the entry last chosen for another role, so closing the
        // list without a choice keeps it.
        if (ccbColor->color() != RoleColor(*role))
            ccbColor->setCurrentIndex(-1);
    }
    if (!dePPStart->isHidden())
        dePPStart->hide();
    ccbColor->show();
    ccbColor->showPopup();
}

void TMainForm::ccbColorPopup()
{
    dePPStart->hide();
}

void TMainForm::ccbColorClosePopup()
{
    // "Null" is not a colour to paint with: choosing it, or closing the list with nothing
    // selected, leaves the role as it was.
    const TAlphaColor chosen = ccbColor->color();
    const int tag = TagOf(*ccbColor);
    const auto role = ColorRoleForTag(tag);
    if (chosen != colors::Null && role) {
        RoleColor(*role) = chosen;
        for (StateColorButton* button : {bAPlt, bBPlt, bXPlt, bLdTr, bBkGr}) {
            if (TagOf(*button) == tag)
                button->setTextColor(chosen);
        }
    }
    ccbColor->hide();
    if (dePPStart->isHidden())
        lblToolbar2->setRawText(SettingsTitle());
}

void TMainForm::dePPStartOpenPicker()
{
    ccbColor->hide();
    // The picker always starts from the date in force, not from one typed beforehand.
    dePPStart->setDayNumber(PayPeriodStart);
}

void TMainForm::dePPStartClosePicker()
{
    PayPeriodStart = dePPStart->dayNumber();
}

void TMainForm::cbPltClosePopup()
{
    if (cbPlt->currentIndex() < 0)
        cbPlt->setCurrentIndex(0);
}

// Reached by a long tap; a double tap arrives as a double-click.
void TMainForm::loSettingsGesture()
{
    loSettingsDblClick();
}

void TMainForm::loSettingsDblClick()
{
    lblToolbar2->setRawText(QString());
    dePPStart->show();
}

// The double-click's effect, and the keyboard goes on to the date.
void TMainForm::bPPStartClick()
{
    loSettingsDblClick();
    dePPStart->setFocus(Qt::OtherFocusReason);
}

void TMainForm::edAgencyEnter()
{
    Main::ShowAgencyFocus(*edAgency, true);
}

void TMainForm::edAgencyExit()
{
    Main::ShowAgencyFocus(*edAgency, false);
}

void TMainForm::bSaveClick()
{
    // The pay-period start is taken from its picker before the write, so the file holds
    // the date the calendar shows, also one typed into the picker without opening it.
    PayPeriodStart = dePPStart->dayNumber();

    try {
        writeSettingsFile();
    } catch (const EIniFileException& error) {
        // Save stops here: the page, the pickers and the title stay as they are.
        reportError(SaveErrorText(error));
        return;
    }

    dePPStart->hide();
    ccbColor->hide();
    lblToolbar2->setRawText(SettingsTitle());
    UpdateView();
    tabCtrl->setCurrentWidget(tabCalendar);
}

namespace Main {

void ShowAgencyFocus(QLineEdit& edit, bool focused)
{
    // The fade is an opacity effect rather than a paler text colour: the refresh pass
    // owns the text colour, and at full opacity the effect draws the edit untouched, so
    // the text the user types is as crisp as anywhere else.
    if (auto* effect = qobject_cast<QGraphicsOpacityEffect*>(edit.graphicsEffect()))
        effect->setOpacity(focused ? AgencyFocusedOpacity : AgencyIdleOpacity);

    // Qt draws the prompt in the text colour at half strength; faded once more with the
    // edit it would be hard to read, so while faded it is drawn at full strength and
    // looks as it does when the edit has the focus.
    QPalette palette = edit.palette();
    QColor prompt = palette.color(QPalette::Text);
    prompt.setAlpha(focused ? PromptAlphaOnFocus : PromptAlphaWhenFaded);
    if (palette.color(QPalette::PlaceholderText) != prompt) {
        palette.setColor(QPalette::PlaceholderText, prompt);
        edit.setPalette(palette);
    }

    QFont font = edit.font();
    if (font.bold() != focused) {
        font.setBold(focused);
        edit.setFont(font);
    }
}

} // namespace Main
} // namespace tenvik
