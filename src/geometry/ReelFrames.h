#pragma once
// The reel animation of a spin, frame by frame: every reel spins, stops with a click, and
// settles with a small bounce, the reels stopping left to right nine frames apart.

namespace varnholt {

inline constexpr int kReelFrameMs = 25;     // frames are at least this far apart
inline constexpr int kReelFrameCount = 47;  // the third reel's bounce is over by then
inline constexpr int kReelStopPhase = 21;   // a reel stops on its 21st frame
inline constexpr int kReelStagger = 9;      // each reel stops this many frames after the last
inline constexpr int kBounceGrabMargin = 8; // rows left out of the bounce copy, window pixels

enum class ReelFrameAction {
    None,   // nothing to draw for this reel
    Blur,   // draw the spinning strip, then move it on
    Stop,   // click and draw the symbols at the new stop
    Grab,   // copy the stopped reel, then draw it back shifted
    Bounce, // draw the copy shifted
};

struct ReelFrameStep {
    ReelFrameAction action = ReelFrameAction::None;
    int shift = 0;        // Grab and Bounce: pixels below the reel window's top
    bool settled = false; // the reel has come to rest
};

// What frame `frame` (1-based) draws for reel 0, 1 or 2.
ReelFrameStep reelFrameStep(int frame, int reel);

} // namespace varnholt
