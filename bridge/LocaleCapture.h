#pragma once

#include "settings/LocaleDate.h"

class QLocale;

namespace tenvik {

// The month and day names and the numeric short date pattern of a Qt locale, as plain
// values. The window takes them once at start-up; a later change of locale is not seen.
FormatSettings CaptureLocaleFormats(const QLocale& locale);

} // namespace tenvik
