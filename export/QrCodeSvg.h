#pragma once

#include <string>
#include <string_view>

// A QR code (Debian's libqrencode) drawn as an inline SVG element for a web page: one path
// of dark modules on a light square with the four-module quiet zone a camera needs, so it
// reads on any page colour and at any zoom. POSIX builds only.
namespace tenvik {

// text is what a camera reads back; label the code's text alternative, its <title> and
// accessible name (plain text, escaped here); pixels the width and height it is drawn at.
// Throws std::system_error when the text does not fit a QR code.
std::string QrCodeSvg(std::string_view text, std::string_view label, int pixels);

// The text with &, <, >, " and ' as character references, for HTML and SVG alike.
std::string EscapeHtml(std::string_view text);

} // namespace tenvik
