// The MIDI reader on any bytes: a piece it accepts has a finite, non-negative length.

#include "FuzzCheck.h"
#include "platform/MusicFile.h"

#include <cmath>

using namespace varnholt;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::string error;
    const auto piece = readMidiPiece(std::vector<std::uint8_t>(data, data + size), &error);
    if (piece)
        FUZZ_CHECK(std::isfinite(piece->seconds) && piece->seconds >= 0 && piece->notes >= 0);
    else
        FUZZ_CHECK(!error.empty());
    return 0;
}
