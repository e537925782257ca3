#include "bridge/LocaleCapture.h"

#include <QLocale>

namespace tenvik {

FormatSettings CaptureLocaleFormats(const QLocale& locale)
{
    FormatSettings formats;
    // Stand-alone forms: the names appear on their own (a month title, a column head),
    // not inside a date, which matters in languages that inflect them.
    for (int month = 1; month <= 12; ++month) {
        const auto i = static_cast<std::size_t>(month - 1);
        formats.LongMonthNames[i] = locale.standaloneMonthName(month, QLocale::LongFormat).toStdString();
        formats.ShortMonthNames[i] = locale.standaloneMonthName(month, QLocale::ShortFormat).toStdString();
    }
    // Qt counts weekdays from Monday (1) to Sunday (7); the grid starts on Sunday.
    for (int column = 0; column < 7; ++column) {
        const int qtDay = column == 0 ? 7 : column;
        formats.ShortDayNames[static_cast<std::size_t>(column)] =
            locale.standaloneDayName(qtDay, QLocale::ShortFormat).toStdString();
    }
    formats.ShortDateFormat = NormalizeShortDatePattern(locale.dateFormat(QLocale::ShortFormat).toStdString());
    formats.DateSeparator = DateSeparatorOf(formats.ShortDateFormat);
    return formats;
}

} // namespace tenvik
