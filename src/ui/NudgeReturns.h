#pragma once
// The machine's return with nudges used as the manual describes (nudge whenever one nudge makes
// a played line pay or opens the vault), per coin, in percent: simulated when the game is built.

namespace varnholt {

// coins 1 to 3; 0 for any other count.
double nudgeReturnPercent(int coins);

} // namespace varnholt
