#pragma once
// Nudging a reel down one symbol after a result that paid nothing: where the reel goes and
// what it scrolls past. Whether a nudge is on offer is canNudge's answer (core/Input.h).

#include <array>

namespace varnholt {

// The stop after a nudge: one position back, so the symbols move down; 1 becomes 30.
int nudgedStop(int stop);

// The nudge strip for a reel moving to newStop: the symbols at positions newStop .. newStop + 3.
// Row 0 comes in at the top; rows 1 to 3 are what the reel shows before the nudge.
std::array<int, 4> nudgeStripSymbols(int reel, int newStop);

} // namespace varnholt
