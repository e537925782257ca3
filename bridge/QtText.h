#pragma once

#include <QString>

#include <string_view>

namespace tenvik {

// A text of the plain layers (always UTF-8) as Qt holds it.
inline QString FromStd(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace tenvik
