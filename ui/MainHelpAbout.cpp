// The Help and About pages: the two links.
#include "ui/Main.h"

namespace tenvik {

// Filled next, with the links' behaviour.
void TMainForm::sbHelp1Click() {}
void TMainForm::sbHelp2Click() {}

} // namespace tenvik
