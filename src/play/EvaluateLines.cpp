#include "play/EvaluateLines.h"

namespace varnholt {

// The window's instantiation, compiled once here.
template void EvaluateLines<EvaluationEvents>(GameState &, RandomSource &, EvaluationEvents &, PlayOutcome &);
template void CountUpWinnings<EvaluationEvents>(GameState &, EvaluationEvents &);

} // namespace varnholt
