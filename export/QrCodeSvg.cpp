#include "export/QrCodeSvg.h"

#include <qrencode.h>

#include <cerrno>
#include <memory>
#include <system_error>

namespace tenvik {
namespace {

constexpr int QuietZone = 4; // modules of light border on each side, as the standard asks

struct QrCodeFree {
    void operator()(QRcode* code) const { QRcode_free(code); }
};

} // namespace

std::string EscapeHtml(std::string_view text)
{
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        case '\'':
            escaped += "&#39;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

std::string QrCodeSvg(std::string_view text, std::string_view label, int pixels)
{
    const std::string input(text);
    // Level M survives a smudged screen or a glare on it; a web address fits easily.
    const std::unique_ptr<QRcode, QrCodeFree> code{QRcode_encodeString8bit(input.c_str(), 0, QR_ECLEVEL_M)};
    if (!code)
        throw std::system_error(errno != 0 ? errno : EINVAL, std::generic_category(), "QR code");

    const int width = code->width;
    const int side = width + 2 * QuietZone;
    // Each run of dark modules in a row is one rectangle of the path.
    std::string path;
    for (int y = 0; y < width; ++y) {
        for (int x = 0; x < width;) {
            if ((code->data[y * width + x] & 1) == 0) {
                ++x;
                continue;
            }
            int run = 0;
            while (x + run < width && (code->data[y * width + x + run] & 1) != 0)
                ++run;
            path += 'M' + std::to_string(x + QuietZone) + ' ' + std::to_string(y + QuietZone) + 'h'
                + std::to_string(run) + "v1h-" + std::to_string(run) + 'z';
            x += run;
        }
    }
    const std::string size = std::to_string(pixels);
    const std::string escaped = EscapeHtml(label);
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 " + std::to_string(side) + ' '
        + std::to_string(side) + "\" width=\"" + size + "\" height=\"" + size + "\" role=\"img\" aria-label=\""
        + escaped + "\" shape-rendering=\"crispEdges\"><title>" + escaped
        + "</title><rect width=\"100%\" height=\"100%\" fill=\"#fff\"/><path fill=\"#000\" d=\"" + path + "\"/></svg>";
}

} // namespace tenvik
