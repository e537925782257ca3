#pragma once

#include <string>
#include <string_view>

// The settings file's encoding, as its byte-order mark tells it: UTF-8 with or without a
// mark, or UTF-16 in either byte order with one (what Windows programs write for a Unicode
// INI file). The file is handled as UTF-8 text in between, and written back as it came.
namespace tenvik {

enum class TextEncoding { Utf8, Utf8WithBom, Utf16Le, Utf16Be };

struct DecodedText {
    TextEncoding encoding = TextEncoding::Utf8;
    std::string text; // UTF-8, without the byte-order mark
    // A UTF-16 file of an odd length ends in a byte that is no character; it stays last.
    std::string oddByte;
};

// Every file decodes, and encodes back to the very same bytes. UTF-8 files are taken as
// they are, whatever bytes they hold. In UTF-16, a surrogate without its partner becomes
// the three-byte form UTF-8 would give it, so that it survives the way back.
DecodedText DecodeText(std::string bytes);

// Text in the file's encoding, its byte-order mark first. In UTF-16, bytes that are no
// UTF-8 (nor a surrogate's three-byte form) become U+FFFD.
std::string EncodeText(std::string_view text, TextEncoding encoding, std::string_view oddByte = {});

} // namespace tenvik
