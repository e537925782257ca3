#include "ui/widgets/ColorNames.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace tenvik {
namespace {

// In the order of NamedColors, whose names they must equal (a test compares them).
constexpr std::array<const char*, NamedColorCount> NameSources = {{
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Aliceblue"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Antiquewhite"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Aqua"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Aquamarine"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Azure"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Beige"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Bisque"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Black"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Blanchedalmond"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Blue"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Blueviolet"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Brown"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Burlywood"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Cadetblue"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Chartreuse"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Chocolate"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Coral"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Cornflowerblue"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Cornsilk"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Crimson"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Cyan"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Darkblue"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Darkcyan"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Darkgoldenrod"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Darkgray"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Darkgreen"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Darkgrey"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Darkkhaki"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Darkmagenta"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Darkolivegreen"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Darkorange"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Darkorchid"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Darkred"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Darksalmon"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Darkseagreen"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Darkslateblue"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Darkslategray"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Darkslategrey"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Darkturquoise"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Darkviolet"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Deeppink"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Deepskyblue"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Dimgray"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Dimgrey"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Dodgerblue"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Firebrick"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Floralwhite"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Forestgreen"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Fuchsia"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Gainsboro"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Ghostwhite"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Gold"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Goldenrod"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Gray"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Green"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Greenyellow"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Grey"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Honeydew"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Hotpink"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Indianred"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Indigo"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Ivory"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Khaki"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Lavender"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Lavenderblush"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Lawngreen"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Lemonchiffon"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Lightblue"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Lightcoral"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Lightcyan"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Lightgoldenrodyellow"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Lightgray"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Lightgreen"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Lightgrey"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Lightpink"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Lightsalmon"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Lightseagreen"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Lightskyblue"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Lightslategray"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Lightslategrey"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Lightsteelblue"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Lightyellow"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Lime"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Limegreen"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Linen"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Magenta"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Maroon"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Mediumaquamarine"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Mediumblue"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Mediumorchid"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Mediumpurple"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Mediumseagreen"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Mediumslateblue"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Mediumspringgreen"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Mediumturquoise"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Mediumvioletred"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Midnightblue"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Mintcream"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Mistyrose"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Moccasin"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Navajowhite"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Navy"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Oldlace"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Olive"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Olivedrab"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Orange"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Orangered"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Orchid"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Palegoldenrod"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Palegreen"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Paleturquoise"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Palevioletred"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Papayawhip"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Peachpuff"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Peru"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Pink"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Plum"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Powderblue"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Purple"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Red"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Rosybrown"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Royalblue"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Saddlebrown"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Salmon"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Sandybrown"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Seagreen"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Seashell"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Sienna"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Silver"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Skyblue"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Slateblue"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Slategray"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Slategrey"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Snow"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Springgreen"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Steelblue"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Tan"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Teal"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Thistle"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Tomato"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Turquoise"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Violet"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Wheat"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "White"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Whitesmoke"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Yellow"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Yellowgreen"),
    QT_TRANSLATE_NOOP("tenvik::ColorNames", "Null"),
}};

} // namespace

const char* ColorNameSource(int index)
{
    return index >= 0 && index < NamedColorCount ? NameSources[static_cast<std::size_t>(index)] : "";
}

QString ColorDisplayName(int index)
{
    if (index < 0 || index >= NamedColorCount)
        return {};
    return QCoreApplication::translate("tenvik::ColorNames", NameSources[static_cast<std::size_t>(index)]);
}

QString ColorDisplayName(TAlphaColor color)
{
    const auto it = std::ranges::find(NamedColors, color, &TAlphaColorMapEntry::Value);
    if (it == NamedColors.end())
        return QString::fromStdString(ColorToText(color));
    return ColorDisplayName(static_cast<int>(it - NamedColors.begin()));
}

} // namespace tenvik
