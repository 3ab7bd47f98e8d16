#pragma once
// The encodings an INI file may come in: what editors write when asked for "Unicode".

#include <string>
#include <string_view>

namespace varnholt {

enum class TextEncoding {
    Utf8,          // also plain ASCII
    Utf8WithBom,   // EF BB BF first
    Utf16LE,       // FF FE first
    Utf16BE,       // FE FF first
    Utf16LENoMark, // no mark, told by the NUL after each character of the first section header
    Utf16BENoMark, // no mark, told by the NUL before each character of the first section header
};

struct DecodedText {
    TextEncoding encoding = TextEncoding::Utf8;
    std::string utf8; // the text without its byte-order mark
};

// Tells the encoding by the byte-order mark. Without one, UTF-16 is recognised only when the
// first thing in the file is a section header in ASCII with a NUL beside every character;
// anything else is taken as UTF-8 as it is. A broken UTF-16 sequence (odd last byte, unpaired
// surrogate) becomes U+FFFD.
DecodedText decodeText(std::string_view bytes);

// The UTF-8 text in `encoding`, with its byte-order mark when the encoding has one. Bytes that
// are not UTF-8 become U+FFFD in UTF-16; in UTF-8 they pass through unchanged.
std::string encodeText(std::string_view utf8, TextEncoding encoding);

} // namespace varnholt
