#include "settings/Color.h"

#include "core/AsciiText.h"
#include "settings/IntegerText.h"

#include <algorithm>
#include <cstdio>

namespace tenvik {

// CSS Color Level 3 / SVG 1.1 keywords in their alphabetical order; later keywords
// (rebeccapurple) are deliberately absent so stored files keep reading the same way.
constinit const std::array<TAlphaColorMapEntry, NamedColorCount> NamedColors = {{
    {0xFFF0F8FF, "Aliceblue"},
    {0xFFFAEBD7, "Antiquewhite"},
    {0xFF00FFFF, "Aqua"},
    {0xFF7FFFD4, "Aquamarine"},
    {0xFFF0FFFF, "Azure"},
    {0xFFF5F5DC, "Beige"},
    {0xFFFFE4C4, "Bisque"},
    {0xFF000000, "Black"},
    {0xFFFFEBCD, "Blanchedalmond"},
    {0xFF0000FF, "Blue"},
    {0xFF8A2BE2, "Blueviolet"},
    {0xFFA52A2A, "Brown"},
    {0xFFDEB887, "Burlywood"},
    {0xFF5F9EA0, "Cadetblue"},
    {0xFF7FFF00, "Chartreuse"},
    {0xFFD2691E, "Chocolate"},
    {0xFFFF7F50, "Coral"},
    {0xFF6495ED, "Cornflowerblue"},
    {0xFFFFF8DC, "Cornsilk"},
    {0xFFDC143C, "Crimson"},
    {0xFF00FFFF, "Cyan"},
    {0xFF00008B, "Darkblue"},
    {0xFF008B8B, "Darkcyan"},
    {0xFFB8860B, "Darkgoldenrod"},
    {0xFFA9A9A9, "Darkgray"},
    {0xFF006400, "Darkgreen"},
    {0xFFA9A9A9, "Darkgrey"},
    {0xFFBDB76B, "Darkkhaki"},
    {0xFF8B008B, "Darkmagenta"},
    {0xFF556B2F, "Darkolivegreen"},
    {0xFFFF8C00, "Darkorange"},
    {0xFF9932CC, "Darkorchid"},
    {0xFF8B0000, "Darkred"},
    {0xFFE9967A, "Darksalmon"},
    {0xFF8FBC8F, "Darkseagreen"},
    {0xFF483D8B, "Darkslateblue"},
    {0xFF2F4F4F, "Darkslategray"},
    {0xFF2F4F4F, "Darkslategrey"},
    {0xFF00CED1, "Darkturquoise"},
    {0xFF9400D3, "Darkviolet"},
    {0xFFFF1493, "Deeppink"},
    {0xFF00BFFF, "Deepskyblue"},
    {0xFF696969, "Dimgray"},
    {0xFF696969, "Dimgrey"},
    {0xFF1E90FF, "Dodgerblue"},
    {0xFFB22222, "Firebrick"},
    {0xFFFFFAF0, "Floralwhite"},
    {0xFF228B22, "Forestgreen"},
    {0xFFFF00FF, "Fuchsia"},
    {0xFFDCDCDC, "Gainsboro"},
    {0xFFF8F8FF, "Ghostwhite"},
    {0xFFFFD700, "Gold"},
    {0xFFDAA520, "Goldenrod"},
    {0xFF808080, "Gray"},
    {0xFF008000, "Green"},
    {0xFFADFF2F, "Greenyellow"},
    {0xFF808080, "Grey"},
    {0xFFF0FFF0, "Honeydew"},
    {0xFFFF69B4, "Hotpink"},
    {0xFFCD5C5C, "Indianred"},
    {0xFF4B0082, "Indigo"},
    {0xFFFFFFF0, "Ivory"},
    {0xFFF0E68C, "Khaki"},
    {0xFFE6E6FA, "Lavender"},
    {0xFFFFF0F5, "Lavenderblush"},
    {0xFF7CFC00, "Lawngreen"},
    {0xFFFFFACD, "Lemonchiffon"},
    {0xFFADD8E6, "Lightblue"},
    {0xFFF08080, "Lightcoral"},
    {0xFFE0FFFF, "Lightcyan"},
    {0xFFFAFAD2, "Lightgoldenrodyellow"},
    {0xFFD3D3D3, "Lightgray"},
    {0xFF90EE90, "Lightgreen"},
    {0xFFD3D3D3, "Lightgrey"},
    {0xFFFFB6C1, "Lightpink"},
    {0xFFFFA07A, "Lightsalmon"},
    {0xFF20B2AA, "Lightseagreen"},
    {0xFF87CEFA, "Lightskyblue"},
    {0xFF778899, "Lightslategray"},
    {0xFF778899, "Lightslategrey"},
    {0xFFB0C4DE, "Lightsteelblue"},
    {0xFFFFFFE0, "Lightyellow"},
    {0xFF00FF00, "Lime"},
    {0xFF32CD32, "Limegreen"},
    {0xFFFAF0E6, "Linen"},
    {0xFFFF00FF, "Magenta"},
    {0xFF800000, "Maroon"},
    {0xFF66CDAA, "Mediumaquamarine"},
    {0xFF0000CD, "Mediumblue"},
    {0xFFBA55D3, "Mediumorchid"},
    {0xFF9370DB, "Mediumpurple"},
    {0xFF3CB371, "Mediumseagreen"},
    {0xFF7B68EE, "Mediumslateblue"},
    {0xFF00FA9A, "Mediumspringgreen"},
    {0xFF48D1CC, "Mediumturquoise"},
    {0xFFC71585, "Mediumvioletred"},
    {0xFF191970, "Midnightblue"},
    {0xFFF5FFFA, "Mintcream"},
    {0xFFFFE4E1, "Mistyrose"},
    {0xFFFFE4B5, "Moccasin"},
    {0xFFFFDEAD, "Navajowhite"},
    {0xFF000080, "Navy"},
    {0xFFFDF5E6, "Oldlace"},
    {0xFF808000, "Olive"},
    {0xFF6B8E23, "Olivedrab"},
    {0xFFFFA500, "Orange"},
    {0xFFFF4500, "Orangered"},
    {0xFFDA70D6, "Orchid"},
    {0xFFEEE8AA, "Palegoldenrod"},
    {0xFF98FB98, "Palegreen"},
    {0xFFAFEEEE, "Paleturquoise"},
    {0xFFDB7093, "Palevioletred"},
    {0xFFFFEFD5, "Papayawhip"},
    {0xFFFFDAB9, "Peachpuff"},
    {0xFFCD853F, "Peru"},
    {0xFFFFC0CB, "Pink"},
    {0xFFDDA0DD, "Plum"},
    {0xFFB0E0E6, "Powderblue"},
    {0xFF800080, "Purple"},
    {0xFFFF0000, "Red"},
    {0xFFBC8F8F, "Rosybrown"},
    {0xFF4169E1, "Royalblue"},
    {0xFF8B4513, "Saddlebrown"},
    {0xFFFA8072, "Salmon"},
    {0xFFF4A460, "Sandybrown"},
    {0xFF2E8B57, "Seagreen"},
    {0xFFFFF5EE, "Seashell"},
    {0xFFA0522D, "Sienna"},
    {0xFFC0C0C0, "Silver"},
    {0xFF87CEEB, "Skyblue"},
    {0xFF6A5ACD, "Slateblue"},
    {0xFF708090, "Slategray"},
    {0xFF708090, "Slategrey"},
    {0xFFFFFAFA, "Snow"},
    {0xFF00FF7F, "Springgreen"},
    {0xFF4682B4, "Steelblue"},
    {0xFFD2B48C, "Tan"},
    {0xFF008080, "Teal"},
    {0xFFD8BFD8, "Thistle"},
    {0xFFFF6347, "Tomato"},
    {0xFF40E0D0, "Turquoise"},
    {0xFFEE82EE, "Violet"},
    {0xFFF5DEB3, "Wheat"},
    {0xFFFFFFFF, "White"},
    {0xFFF5F5F5, "Whitesmoke"},
    {0xFFFFFF00, "Yellow"},
    {0xFF9ACD32, "Yellowgreen"},
    {0x00000000, "Null"},
}};

namespace {

// Dark fills that take white text. A fixed list rather than a brightness formula, so
// mid-tones such as Teal, Gray and Royalblue keep the black text users know.
constexpr std::array<TAlphaColor, 26> WhiteTextFills = {
    0xFF000000, // Black
    0xFF000080, // Navy
    0xFF00008B, // Darkblue
    0xFF0000CD, // Mediumblue
    0xFF0000FF, // Blue
    0xFF006400, // Darkgreen
    0xFF008000, // Green
    0xFF191970, // Midnightblue
    0xFF228B22, // Forestgreen
    0xFF2F4F4F, // Darkslategray
    0xFF483D8B, // Darkslateblue
    0xFF4B0082, // Indigo
    0xFF556B2F, // Darkolivegreen
    0xFF696969, // Dimgray
    0xFF800000, // Maroon
    0xFF800080, // Purple
    0xFF8B0000, // Darkred
    0xFF8B008B, // Darkmagenta
    0xFF8B4513, // Saddlebrown
    0xFF9400D3, // Darkviolet
    0xFFA0522D, // Sienna
    0xFFA52A2A, // Brown
    0xFFB22222, // Firebrick
    0xFFC71585, // Mediumvioletred
    0xFFDC143C, // Crimson
    0xFFFF0000, // Red
};

std::optional<TAlphaColor> ValueOfName(std::string_view name)
{
    const auto it = std::ranges::find_if(
        NamedColors, [name](const TAlphaColorMapEntry& entry) { return EqualsIgnoringAsciiCase(entry.Name, name); });
    if (it == NamedColors.end())
        return std::nullopt;
    return it->Value;
}

// A bare name, or one behind the "cla" or "cl" prefix older colour texts carry.
std::optional<TAlphaColor> ValueOfPrefixedName(std::string_view text)
{
    if (const auto value = ValueOfName(text))
        return value;
    for (const std::string_view prefix : {std::string_view{"cla"}, std::string_view{"cl"}}) {
        if (StartsWithIgnoringAsciiCase(text, prefix)) {
            if (const auto value = ValueOfName(text.substr(prefix.size())))
                return value;
        }
    }
    return std::nullopt;
}

} // namespace

std::string ColorToText(TAlphaColor color)
{
    const auto it = std::ranges::find(NamedColors, color, &TAlphaColorMapEntry::Value);
    if (it != NamedColors.end())
        return std::string{it->Name};
    char hex[10];
    std::snprintf(hex, sizeof hex, "#%08X", static_cast<unsigned>(color));
    return hex;
}

TAlphaColor TextToColor(std::string_view original)
{
    std::string text{original};
    if (!text.empty() && (text.front() == '#' || text.front() == 'x'))
        text.front() = '$';

    if (const auto named = ValueOfPrefixedName(text))
        return *named;
    if (const auto number = ParseInt64(text))
        return static_cast<TAlphaColor>(static_cast<std::uint64_t>(*number));
    throw EConvertError("'" + text + "' is not a valid integer value");
}

TAlphaColor ContrastColor(TAlphaColor fill)
{
    return std::ranges::find(WhiteTextFills, fill) != WhiteTextFills.end() ? colors::White : colors::Black;
}

} // namespace tenvik
