#include "core/Reels.h"

namespace varnholt {

int wrapStop(int stop)
{
    if (stop >= 1 && stop <= kStripLength)
        return stop;
    int zeroBased = (stop - 1) % kStripLength;
    if (zeroBased < 0)
        zeroBased += kStripLength;
    return zeroBased + 1;
}

int symbolAt(int reel, int position) { return kUnrolledStrips[reel][wrapStop(position) - 1]; }

std::array<int, 3> visibleColumn(int reel, int stop)
{
    const auto &strip = kUnrolledStrips[reel];
    const int top = wrapStop(stop) - 1;
    return {strip[top], strip[top + 1], strip[top + 2]};
}

} // namespace varnholt
