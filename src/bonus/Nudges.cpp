#include "bonus/Nudges.h"

#include "core/Reels.h"

namespace varnholt {

int nudgedStop(int stop)
{
    const int n = stop - 1;
    return n < 1 ? kStripLength : n;
}

std::array<int, 4> nudgeStripSymbols(int reel, int newStop)
{
    return {symbolAt(reel, newStop), symbolAt(reel, newStop + 1), symbolAt(reel, newStop + 2),
            symbolAt(reel, newStop + 3)};
}

} // namespace varnholt
