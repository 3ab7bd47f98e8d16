#include "records/TextEncoding.h"

#include <algorithm>
#include <cstdint>

namespace varnholt {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LEMark = "\xFF\xFE";
constexpr std::string_view kUtf16BEMark = "\xFE\xFF";
constexpr char32_t kReplacement = 0xFFFD;

void appendUtf8(std::string &out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

void appendUtf16(std::string &out, char16_t unit, bool bigEndian)
{
    const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
    out += bigEndian ? high : low;
    out += bigEndian ? low : high;
}

std::string utf16ToUtf8(std::string_view bytes, bool bigEndian)
{
    std::string out;
    out.reserve(bytes.size());
    auto unitAt = [&](std::size_t i) -> char16_t {
        const auto first = static_cast<std::uint8_t>(bytes[i]);
        const auto second = static_cast<std::uint8_t>(bytes[i + 1]);
        return static_cast<char16_t>(bigEndian ? (first << 8 | second) : (second << 8 | first));
    };
    std::size_t i = 0;
    for (; i + 1 < bytes.size(); i += 2) {
        const char16_t unit = unitAt(i);
        if (unit >= 0xD800 && unit < 0xDC00 && i + 3 < bytes.size()) {
            const char16_t next = unitAt(i + 2);
            if (next >= 0xDC00 && next < 0xE000) {
                appendUtf8(out, 0x10000 + ((char32_t(unit) - 0xD800) << 10) + (next - 0xDC00));
                i += 2;
                continue;
            }
        }
        appendUtf8(out, unit >= 0xD800 && unit < 0xE000 ? kReplacement : char32_t(unit));
    }
    if (i < bytes.size())
        appendUtf8(out, kReplacement);
    return out;
}

// The next code point of UTF-8 text at `i`, advancing `i`; a malformed sequence gives U+FFFD
// and skips one byte.
char32_t nextCodePoint(std::string_view text, std::size_t &i)
{
    const auto lead = static_cast<std::uint8_t>(text[i++]);
    if (lead < 0x80)
        return lead;
    const int length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (length == 0 || lead > 0xF4 || i + length - 1 > text.size())
        return kReplacement;
    char32_t c = lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
        const auto byte = static_cast<std::uint8_t>(text[i + k - 1]);
        if ((byte & 0xC0) != 0x80)
            return kReplacement;
        c = (c << 6) | (byte & 0x3F);
    }
    static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kSmallest[length] || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000))
        return kReplacement;
    i += length - 1;
    return c;
}

std::string utf8ToUtf16(std::string_view text, bool bigEndian)
{
    std::string out;
    out.reserve(text.size() * 2);
    for (std::size_t i = 0; i < text.size();) {
        const char32_t c = nextCodePoint(text, i);
        if (c >= 0x10000) {
            appendUtf16(out, static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)), bigEndian);
            appendUtf16(out, static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)), bigEndian);
        } else {
            appendUtf16(out, static_cast<char16_t>(c), bigEndian);
        }
    }
    return out;
}

bool startsWith(std::string_view bytes, std::string_view mark)
{
    return bytes.substr(0, mark.size()) == mark;
}

bool isBlank(char16_t unit) { return unit == u' ' || unit == u'\t' || unit == u'\r' || unit == u'\n'; }

// True when the bytes, read as UTF-16 in the given order, start (after blanks) with a section
// header of printable ASCII: "[GameNo1]" with a NUL beside every character never occurs in
// UTF-8 text, so this tells UTF-16 without a mark apart reliably.
bool opensWithUtf16Header(std::string_view bytes, bool bigEndian)
{
    constexpr std::size_t kLongestHeader = 256; // code units scanned for the header
    const std::size_t units = std::min(bytes.size() / 2, kLongestHeader);
    auto unitAt = [&](std::size_t k) -> char16_t {
        const auto first = static_cast<std::uint8_t>(bytes[2 * k]);
        const auto second = static_cast<std::uint8_t>(bytes[2 * k + 1]);
        return static_cast<char16_t>(bigEndian ? (first << 8 | second) : (second << 8 | first));
    };
    std::size_t k = 0;
    while (k < units && isBlank(unitAt(k)))
        ++k;
    if (k >= units || unitAt(k) != u'[')
        return false;
    for (++k; k < units; ++k) {
        const char16_t unit = unitAt(k);
        if (unit == u']')
            return true;
        if (unit < 0x20 || unit > 0x7E)
            return false;
    }
    return false;
}

} // namespace

DecodedText decodeText(std::string_view bytes)
{
    if (startsWith(bytes, kUtf8Mark))
        return {TextEncoding::Utf8WithBom, std::string(bytes.substr(kUtf8Mark.size()))};
    if (startsWith(bytes, kUtf16LEMark))
        return {TextEncoding::Utf16LE, utf16ToUtf8(bytes.substr(2), false)};
    if (startsWith(bytes, kUtf16BEMark))
        return {TextEncoding::Utf16BE, utf16ToUtf8(bytes.substr(2), true)};
    if (opensWithUtf16Header(bytes, false))
        return {TextEncoding::Utf16LENoMark, utf16ToUtf8(bytes, false)};
    if (opensWithUtf16Header(bytes, true))
        return {TextEncoding::Utf16BENoMark, utf16ToUtf8(bytes, true)};
    return {TextEncoding::Utf8, std::string(bytes)};
}

std::string encodeText(std::string_view utf8, TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8WithBom:
        return std::string(kUtf8Mark) + std::string(utf8);
    case TextEncoding::Utf16LE:
        return std::string(kUtf16LEMark) + utf8ToUtf16(utf8, false);
    case TextEncoding::Utf16BE:
        return std::string(kUtf16BEMark) + utf8ToUtf16(utf8, true);
    case TextEncoding::Utf16LENoMark:
        return utf8ToUtf16(utf8, false);
    case TextEncoding::Utf16BENoMark:
        return utf8ToUtf16(utf8, true);
    case TextEncoding::Utf8:
        break;
    }
    return std::string(utf8);
}

} // namespace varnholt
