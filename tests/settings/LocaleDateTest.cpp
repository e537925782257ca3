#include "settings/LocaleDate.h"

#include <gtest/gtest.h>

namespace tenvik {
namespace {

FormatSettings WithPattern(std::string_view qtPattern)
{
    FormatSettings locale = UsEnglishFormatSettings();
    locale.ShortDateFormat = NormalizeShortDatePattern(qtPattern);
    locale.DateSeparator = DateSeparatorOf(locale.ShortDateFormat);
    return locale;
}

TEST(LocaleDate, ShortPatternsGetFourDigitYearsOrBecomeIso)
{
    struct Case {
        const char* qtPattern;
        const char* normalized;
        const char* separator;
    };
    const Case cases[] = {
        {"M/d/yy", "M/d/yyyy", "/"},              // English (United States)
        {"dd.MM.yy", "dd.MM.yyyy", "."},          // German
        {"dd/MM/yyyy", "dd/MM/yyyy", "/"},        // English (United Kingdom)
        {"yyyy-MM-dd", "yyyy-MM-dd", "-"},        // Swedish
        {"yyyy. MM. dd.", "yyyy. MM. dd.", ". "}, // Hungarian
        {"d.M.yy 'г'.", "d.M.yyyy г.", "."},      // Bulgarian: quoted text that needs no quotes
        {"dd 'de' MM yy", "dd' de 'MM yyyy", " de "},
        {"d MMM yyyy", "yyyy-MM-dd", "-"}, // the C locale: a month name
        {"dddd, d MMMM yyyy", "yyyy-MM-dd", "-"},
        {"M/d/yy h:mm", "yyyy-MM-dd", "-"},
        {"dMyyyy", "ddMMyyyy", ""}, // fields side by side: fixed widths, or 1/11 and 11/1 meet
        {"d/M", "yyyy-MM-dd", "-"},
        {"d/M/yy/yy", "yyyy-MM-dd", "-"},
        {"", "yyyy-MM-dd", "-"},
        {"'unterminated", "yyyy-MM-dd", "-"},
        // Regression rows: blanks at the ends were written but trimmed before reading, so
        // the date never read back; digits in literal text ran into the numbers; a quote
        // came back as two and grew at every normalisation.
        {"dd.MM.yyyy ", "dd.MM.yyyy", "."},
        {" \t'  'M/d/yy' '", "M/d/yyyy", "/"},
        {"yyyy. MM. dd. ", "yyyy. MM. dd.", ". "},
        {"M1d/yyyy", "yyyy-MM-dd", "-"},
        {"d/M/yyyy 'r2'", "yyyy-MM-dd", "-"},
        {"d''M''yyyy", "d''M''yyyy", "'"},
        {"d'''/'M/yyyy", "d''/M/yyyy", "'/"},
        {"d 'o''clock' M/yyyy", "d' o''clock 'M/yyyy", " o'clock "},
        {"'''x'd/M/yyyy", "'''x'd/M/yyyy", "/"},
        {"d/M/yyyy'", "d/M/yyyy", "/"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.qtPattern);
        EXPECT_EQ(NormalizeShortDatePattern(c.qtPattern), c.normalized);
        EXPECT_EQ(DateSeparatorOf(c.normalized), c.separator);
        EXPECT_EQ(NormalizeShortDatePattern(c.normalized), c.normalized); // stable
    }
}

TEST(LocaleDate, FormatsTheDayInTheLocalesPattern)
{
    struct Case {
        const char* pattern;
        DayNumber day;
        const char* text;
    };
    const Case cases[] = {
        {"M/d/yyyy", 44185, "12/20/2020"},    {"dd.MM.yyyy", 44185, "20.12.2020"},
        {"dd.MM.yy", 44185, "20.12.2020"}, // a pattern handed in unnormalized is widened all the same
        {"d MMM yyyy", 44185, "2020-12-20"},  {"M/d/yyyy", 367, "1/1/1901"},
        {"dd/MM/yyyy", 367, "01/01/1901"},    {"yyyy-MM-dd", 58806, "2060-12-31"},
        {"M/d/yyyy", -693593, "1/1/0001"},    {"dd 'de' MM yyyy", 44185, "20 de 12 2020"},
        {"dd.MM.yyyy ", 44185, "20.12.2020"}, {"M1d/yyyy", 44185, "2020-12-20"},
        {"d''M''yyyy", 44185, "20'12'2020"},  {"'''x'd/M/yyyy", 44185, "'x20/12/2020"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pattern);
        FormatSettings locale = UsEnglishFormatSettings();
        locale.ShortDateFormat = c.pattern;
        EXPECT_EQ(FormatShortDate(c.day, locale), c.text);
    }
    EXPECT_EQ(UsEnglishFormatSettings().ShortDateFormat, "M/d/yyyy");
}

TEST(LocaleDate, EveryWrittenDateReadsBackAsTheSameDay)
{
    for (const char* pattern : {"M/d/yy", "dd.MM.yy", "yyyy. MM. dd.", "d.M.yy 'г'.", "dMyyyy", "yyyyMMdd",
                                "dd.MM.yyyy ", "M1d/yyyy", "d''M''yyyy"}) {
        SCOPED_TRACE(pattern);
        const FormatSettings locale = WithPattern(pattern);
        for (DayNumber day = MinViewDate; day <= MaxViewDate; day += 1) {
            const std::string text = FormatShortDate(day, locale);
            const auto back = ParseShortDate(text, locale);
            ASSERT_TRUE(back.has_value()) << text;
            ASSERT_EQ(*back, day) << text;
        }
    }
}

TEST(LocaleDate, ParsingToleratesShortFieldsAndFallsBackToIso)
{
    const FormatSettings us = WithPattern("M/d/yy");
    const FormatSettings german = WithPattern("dd.MM.yy");
    const FormatSettings british = WithPattern("dd/MM/yyyy");
    struct Case {
        const char* text;
        const FormatSettings* locale;
        std::optional<DayNumber> expected;
    };
    const Case cases[] = {
        {"12/20/2020", &us, 44185},
        {" 12/20/2020 ", &us, 44185},
        {"01/02/2021", &us, 44198},     // two-digit fields where the pattern has one
        {"1.2.2021", &german, 44228},   // one-digit fields where the pattern has two
        {"2020-12-20", &german, 44185}, // ISO, whatever the locale
        {"2020-1-5", &us, 43835},
        // A change of locale: read as another day where it fits, else nothing.
        {"12/05/2020", &british, 43963}, // 12 May 2020, not 5 December
        {"12/20/2020", &german, std::nullopt},
        {"20.12.2020", &us, std::nullopt},
        {"12/20/2020", &british, std::nullopt},
        // Refused.
        {"", &us, std::nullopt},
        {"12/20/20", &us, std::nullopt}, // two-digit years would guess a century
        {"12/20/020", &us, std::nullopt},
        {"13/20/2020", &us, std::nullopt},
        {"2/30/2021", &us, std::nullopt},
        {"0/10/2020", &us, std::nullopt},
        {"12/20/2020x", &us, std::nullopt},
        {"12-20-2020", &us, std::nullopt},
        {"112/20/2020", &us, std::nullopt},
        {"+1/20/2020", &us, std::nullopt},
        {"١٢/٢٠/٢٠٢٠", &us, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ParseShortDate(c.text, *c.locale), c.expected);
    }
}

} // namespace
} // namespace tenvik
