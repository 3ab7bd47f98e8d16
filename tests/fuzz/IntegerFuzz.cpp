// The integer reader on any text: plain decimals agree with the standard library, and every
// number read prints and reads back as itself.

#include "FuzzCheck.h"
#include "records/IniValues.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>

using namespace varnholt;

namespace {

bool isPlainDecimal(const std::string &text)
{
    const std::size_t digits = text.find_first_not_of("+-") == 1 ? 1 : 0;
    return text.size() > digits && text.size() <= 18 &&
           text.find_first_not_of("0123456789", digits) == std::string::npos &&
           (digits == 0 || text.find_first_of("+-") == 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    constexpr std::int32_t fallback = 1000;
    const std::int32_t value = parseIniInteger(text, fallback);
    if (value != fallback)
        FUZZ_CHECK(parseIniInteger(std::to_string(value), fallback - 1) == value);

    if (isPlainDecimal(text)) {
        const long long expected = std::strtoll(text.c_str(), nullptr, 10);
        const bool fits = expected >= std::numeric_limits<std::int32_t>::min() &&
                          expected <= std::numeric_limits<std::int32_t>::max();
        FUZZ_CHECK(value == (fits ? expected : fallback));
    }
    return 0;
}
