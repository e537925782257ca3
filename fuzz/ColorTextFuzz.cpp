// Colour texts come from the settings file, which anyone may edit: any bytes must either
// read as a colour or be refused with EConvertError, and a colour that reads must survive
// the trip through its own text.
#include "FuzzCheck.h"

#include "settings/Color.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

using tenvik::fuzzing::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text{reinterpret_cast<const char*>(data), size};
    tenvik::TAlphaColor color = 0;
    try {
        color = tenvik::TextToColor(text);
    } catch (const tenvik::EConvertError&) {
        return 0;
    }
    const std::string written = tenvik::ColorToText(color);
    Require(tenvik::TextToColor(written) == color, "ColorToText of a colour reads back as the same colour");
    Require(tenvik::ColorToText(tenvik::TextToColor(written)) == written,
            "a written colour text is written again unchanged");
    return 0;
}
