#pragma once

#include "settings/Color.h"

#include <QString>

// The names the user reads for the colours. The settings file keeps the English keyword
// ("Firebrick"); the list and the spoken legend show it in the user's language.
namespace tenvik {

// The name of the named colour at index (table order); empty outside the table.
QString ColorDisplayName(int index);
// The name of the first named colour of that value, else its stored text ("#80FF0000").
QString ColorDisplayName(TAlphaColor color);
// The English keyword the name of index is translated from.
const char* ColorNameSource(int index);

} // namespace tenvik
