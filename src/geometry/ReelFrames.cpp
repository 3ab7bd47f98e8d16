#include "geometry/ReelFrames.h"

#include <array>

namespace varnholt {

namespace {
// Shifts for the phases after the stop: down 1, 2, 3, back up 2, 1, then at rest.
constexpr int kFirstBouncePhase = kReelStopPhase + 1;
constexpr std::array<int, 8> kBounceShifts{1, 2, 3, 2, 1, 0, 0, 0};
} // namespace

ReelFrameStep reelFrameStep(int frame, int reel)
{
    const int phase = frame - kReelStagger * reel;
    if (phase < kReelStopPhase)
        return {ReelFrameAction::Blur, 0, false};
    if (phase == kReelStopPhase)
        return {ReelFrameAction::Stop, 0, false};
    const int bounce = phase - kFirstBouncePhase;
    if (bounce >= int(kBounceShifts.size()))
        return {ReelFrameAction::None, 0, true};
    const bool last = bounce == int(kBounceShifts.size()) - 1;
    return {bounce == 0 ? ReelFrameAction::Grab : ReelFrameAction::Bounce, kBounceShifts[bounce], last};
}

} // namespace varnholt
