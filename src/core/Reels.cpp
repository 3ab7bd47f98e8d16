#include "core/Reels.h"

namespace varnholt {

int wrapStop(int stop)
{
    int zeroBased = (stop - 1) % kStripLength;
    if (zeroBased < 0)
        zeroBased += kStripLength;
    return zeroBased + 1;
}

int symbolAt(int reel, int position)
{
    return ReelStrips[reel][wrapStop(position) - 1] - '0';
}

std::array<int, 3> visibleColumn(int reel, int stop)
{
    return {symbolAt(reel, stop), symbolAt(reel, stop + 1), symbolAt(reel, stop + 2)};
}

VisibleSymbols visibleSymbols(const std::array<int, 3> &stops)
{
    VisibleSymbols rows{};
    for (int reel = 0; reel < kReelCount; ++reel) {
        const auto column = visibleColumn(reel, stops[reel]);
        for (int row = 0; row < 3; ++row)
            rows[row][reel] = column[row];
    }
    return rows;
}

} // namespace varnholt
