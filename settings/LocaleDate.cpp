#include "settings/LocaleDate.h"

#include "core/AsciiText.h"

#include <algorithm>
#include <vector>

namespace tenvik {
namespace {

constexpr std::string_view IsoPattern = "yyyy-MM-dd";

enum class Field { Literal, Day, Month, Year };

struct PatternToken {
    Field field = Field::Literal;
    int width = 0;    // 1 or 2 for day and month; 4 for the year
    std::string text; // literal text, unquoted
};

bool IsAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsAsciiDigit(char c)
{
    return c >= '0' && c <= '9';
}

void AppendLiteral(std::vector<PatternToken>& tokens, std::string_view text)
{
    // An empty literal between two fields would hide that they stand side by side.
    if (text.empty())
        return;
    if (tokens.empty() || tokens.back().field != Field::Literal)
        tokens.push_back({Field::Literal, 0, {}});
    tokens.back().text += text;
}

// A date is read with the blanks at its ends dropped, so a pattern must not write any:
// "dd.MM.yyyy " would write dates that never read back.
void DropBlanksAtTheEnds(std::vector<PatternToken>& tokens)
{
    if (!tokens.empty() && tokens.front().field == Field::Literal) {
        std::string& text = tokens.front().text;
        text.erase(0, SkipBlanks(text, 0));
        if (text.empty())
            tokens.erase(tokens.begin());
    }
    if (!tokens.empty() && tokens.back().field == Field::Literal) {
        std::string& text = tokens.back().text;
        text.resize(TrimTrailingBlanks(text).size());
        if (text.empty())
            tokens.pop_back();
    }
}

// The tokens of a pattern made of one day, one month and one year field (Qt's letters,
// with quoted literal text), the year widened to four digits and the blanks at the
// pattern's ends dropped; nothing for any other pattern: month or day names, times, a
// field missing or given twice, digits in the literal text.
std::optional<std::vector<PatternToken>> NumericTokens(std::string_view pattern)
{
    std::vector<PatternToken> tokens;
    int days = 0;
    int months = 0;
    int years = 0;
    std::size_t i = 0;
    while (i < pattern.size()) {
        const char c = pattern[i];
        if (c == '\'') {
            // Quoted text; "''" is a quote itself, inside quotes or out.
            if (i + 1 < pattern.size() && pattern[i + 1] == '\'') {
                AppendLiteral(tokens, "'");
                i += 2;
                continue;
            }
            std::size_t j = i + 1;
            std::string literal;
            while (j < pattern.size()) {
                if (pattern[j] == '\'') {
                    if (j + 1 < pattern.size() && pattern[j + 1] == '\'') {
                        literal += '\'';
                        j += 2;
                        continue;
                    }
                    break;
                }
                literal += pattern[j++];
            }
            AppendLiteral(tokens, literal);
            i = j + 1;
            continue;
        }
        if (!IsAsciiLetter(c)) {
            AppendLiteral(tokens, pattern.substr(i, 1));
            ++i;
            continue;
        }
        std::size_t run = 1;
        while (i + run < pattern.size() && pattern[i + run] == c)
            ++run;
        i += run;
        if (c == 'd' && run <= 2) {
            ++days;
            tokens.push_back({Field::Day, static_cast<int>(run), {}});
        } else if (c == 'M' && run <= 2) {
            ++months;
            tokens.push_back({Field::Month, static_cast<int>(run), {}});
        } else if (c == 'y' && run <= 4) {
            ++years;
            tokens.push_back({Field::Year, 4, {}});
        } else {
            return std::nullopt;
        }
    }
    if (days != 1 || months != 1 || years != 1)
        return std::nullopt;
    // Digits in the literal text run into the numbers: "M1d" would write 1 November and
    // 11 January both as "1111". No real locale has any; ISO serves such a pattern.
    for (const PatternToken& t : tokens) {
        if (std::any_of(t.text.begin(), t.text.end(), IsAsciiDigit))
            return std::nullopt;
    }
    DropBlanksAtTheEnds(tokens);
    // Fields side by side need fixed widths: "d" then "M" would write 1 November and
    // 11 January alike.
    for (std::size_t t = 0; t < tokens.size(); ++t) {
        const bool fieldBefore = t > 0 && tokens[t - 1].field != Field::Literal;
        const bool fieldAfter = t + 1 < tokens.size() && tokens[t + 1].field != Field::Literal;
        if (tokens[t].field != Field::Literal && (fieldBefore || fieldAfter) && tokens[t].width < 2)
            tokens[t].width = 2;
    }
    return tokens;
}

// A quote is written "''", inside quotes or out; only text with letters, which would
// otherwise read as fields, goes inside quotes. Quotes around a literal of quotes alone
// would run into its own: "'" quoted as "''''" reads back as two quotes.
std::string QuoteLiteral(std::string_view text)
{
    std::string escaped;
    for (const char c : text) {
        escaped += c;
        if (c == '\'')
            escaped += '\'';
    }
    if (std::none_of(text.begin(), text.end(), IsAsciiLetter))
        return escaped;
    return "'" + escaped + "'";
}

std::vector<PatternToken> TokensOf(const FormatSettings& locale)
{
    return *NumericTokens(NormalizeShortDatePattern(locale.ShortDateFormat));
}

std::string Digits(int value, int width)
{
    std::string text = std::to_string(value);
    if (static_cast<int>(text.size()) < width)
        text.insert(0, static_cast<std::size_t>(width) - text.size(), '0');
    return text;
}

struct Fields {
    int day = 0;
    int month = 0;
    int year = 0;
};

// Matches the tokens from `token` on against the text from `pos` on. Day and month take
// one or two digits, the year exactly four; literal text must be there as it stands.
// Tries the longer field first and backs off, so that fields without a separator
// between them still split where a valid date results.
std::optional<DayNumber> Match(const std::vector<PatternToken>& tokens, std::size_t token, std::string_view text,
                               std::size_t pos, Fields fields)
{
    if (token == tokens.size()) {
        if (pos != text.size())
            return std::nullopt;
        return TryEncodeDate(fields.year, fields.month, fields.day);
    }
    const PatternToken& t = tokens[token];
    if (t.field == Field::Literal) {
        if (text.substr(pos, t.text.size()) != t.text)
            return std::nullopt;
        return Match(tokens, token + 1, text, pos + t.text.size(), fields);
    }
    const std::size_t longest = t.field == Field::Year ? 4 : 2;
    const std::size_t shortest = t.field == Field::Year ? 4 : 1;
    std::size_t available = 0;
    while (available < longest && pos + available < text.size() && text[pos + available] >= '0'
           && text[pos + available] <= '9')
        ++available;
    for (std::size_t length = available; length >= shortest && length > 0; --length) {
        int value = 0;
        for (std::size_t k = 0; k < length; ++k)
            value = value * 10 + (text[pos + k] - '0');
        Fields next = fields;
        (t.field == Field::Day ? next.day : t.field == Field::Month ? next.month : next.year) = value;
        if (const auto date = Match(tokens, token + 1, text, pos + length, next))
            return date;
    }
    return std::nullopt;
}

} // namespace

FormatSettings UsEnglishFormatSettings()
{
    return FormatSettings{
        {"January", "February", "March", "April", "May", "June", "July", "August", "September", "October", "November",
         "December"},
        {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"},
        {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"},
        "M/d/yyyy",
        "/",
    };
}

std::string NormalizeShortDatePattern(std::string_view qtPattern)
{
    const auto tokens = NumericTokens(qtPattern);
    if (!tokens)
        return std::string{IsoPattern};
    std::string pattern;
    for (const PatternToken& t : *tokens) {
        switch (t.field) {
        case Field::Literal:
            pattern += QuoteLiteral(t.text);
            break;
        case Field::Day:
            pattern += t.width == 2 ? "dd" : "d";
            break;
        case Field::Month:
            pattern += t.width == 2 ? "MM" : "M";
            break;
        case Field::Year:
            pattern += "yyyy";
            break;
        }
    }
    return pattern;
}

std::string DateSeparatorOf(std::string_view pattern)
{
    const auto tokens = *NumericTokens(NormalizeShortDatePattern(pattern));
    bool seenField = false;
    for (const PatternToken& t : tokens) {
        if (t.field != Field::Literal)
            seenField = true;
        else if (seenField)
            return t.text;
    }
    return {};
}

std::string FormatShortDate(DayNumber d, const FormatSettings& locale)
{
    const CivilDate date = DecodeDate(d);
    std::string text;
    for (const PatternToken& t : TokensOf(locale)) {
        switch (t.field) {
        case Field::Literal:
            text += t.text;
            break;
        case Field::Day:
            text += Digits(date.day, t.width);
            break;
        case Field::Month:
            text += Digits(date.month, t.width);
            break;
        case Field::Year:
            text += Digits(date.year, 4);
            break;
        }
    }
    return text;
}

std::string FormatStoredDate(DayNumber d)
{
    FormatSettings iso;
    iso.ShortDateFormat = IsoPattern;
    return FormatShortDate(d, iso);
}

std::optional<DayNumber> ParseShortDate(std::string_view text, const FormatSettings& locale)
{
    text = TrimBlanks(text);
    if (text.empty())
        return std::nullopt;
    if (const auto date = Match(TokensOf(locale), 0, text, 0, {}))
        return date;
    return Match(*NumericTokens(IsoPattern), 0, text, 0, {});
}

} // namespace tenvik
