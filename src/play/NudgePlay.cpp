#include "play/NudgePlay.h"

namespace varnholt {

// The window's instantiation, compiled once here.
template bool NudgeReel<PlayEvents>(GameState &, int, RandomSource &, PlayEvents &, PlayOutcome &);

} // namespace varnholt
