// The INI layer on any bytes: what it would write reads back as the same file, and a value
// written reads back exactly, whatever encoding and line ends the file came in.

#include "FuzzCheck.h"
#include "records/IniFile.h"
#include "records/IniValues.h"

#include <algorithm>
#include <cstdint>

using namespace varnholt;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char *>(data), size);
    IniFile file = IniFile::fromText(input);
    const std::string once = file.text();
    FUZZ_CHECK(IniFile::fromText(once).text() == once);

    // The value is the input's tail: a line break or other control character cannot live in it
    // and becomes a space, and in a UTF-16 file bytes that are not UTF-8 become U+FFFD.
    std::string value(input.substr(size - std::min<std::size_t>(size, 80)));
    file.WriteString("Fuzz Section", "Fuzz Key", value);
    value = oneLineText(value);
    // The value alone has no header to tell UTF-16 without a mark by, so it takes the mark.
    TextEncoding encoding = decodeText(input).encoding;
    if (encoding == TextEncoding::Utf16LENoMark)
        encoding = TextEncoding::Utf16LE;
    if (encoding == TextEncoding::Utf16BENoMark)
        encoding = TextEncoding::Utf16BE;
    if (encoding != TextEncoding::Utf8 && encoding != TextEncoding::Utf8WithBom)
        value = decodeText(encodeText(value, encoding)).utf8;
    const IniFile reread = IniFile::fromText(file.text());
    FUZZ_CHECK(reread.ReadString("fuzz section", "FUZZ KEY", "<missing>") == value);
    return 0;
}
