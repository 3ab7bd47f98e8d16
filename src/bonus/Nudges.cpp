#include "bonus/Nudges.h"

#include "core/Reels.h"

#include <algorithm>

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

std::array<int, 8> nudgeScrollTops(const Layout &layout)
{
    std::array<int, 8> tops{};
    int top = layout.SymbolSize;
    for (int frame = 0; frame < 7; ++frame) {
        top = std::max(0, top - layout.Scale(10));
        tops[frame] = top;
    }
    tops[7] = 0;
    return tops;
}

int nudgeBounceHeight(const Layout &layout)
{
    return 3 * layout.SymbolSize - layout.Scale(8);
}

NudgeOffer nudgeOffer(const GameState &state)
{
    if (state.Nudging)
        return NudgeOffer::Nudging;
    // A spin under way ends the offer even before its evaluation clears NudgeAllowed.
    return canNudge(state) ? NudgeOffer::Offered : NudgeOffer::Closed;
}

bool canNudge(const GameState &state)
{
    return state.NudgeAllowed && state.Nudges > 0 && !state.Busy;
}

template bool NudgeReel<PlayEvents>(GameState &, int, RandomSource &, PlayEvents &);

} // namespace varnholt
