// The Settings page: colours, pay-period start, assignment, agency edit and Save.
#include "ui/Main.h"

namespace tenvik {

// Filled next, with the Settings page's behaviour.
void TMainForm::bSaveClick() {}
void TMainForm::bAPltClick(StateColorButton*) {}
void TMainForm::ccbColorPopup() {}
void TMainForm::ccbColorClosePopup() {}
void TMainForm::dePPStartOpenPicker() {}
void TMainForm::dePPStartClosePicker() {}
void TMainForm::cbPltClosePopup() {}
void TMainForm::loSettingsGesture() {}
void TMainForm::loSettingsDblClick() {}
void TMainForm::edAgencyEnter() {}
void TMainForm::edAgencyExit() {}

} // namespace tenvik
