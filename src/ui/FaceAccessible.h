#pragma once
// The machine face as screen readers see it: one client area whose children are the face's
// buttons (press buttons, the nudge buttons unavailable unless a nudge may be used), its meters
// (labels whose value is the number shown), the three reels (each naming its symbols top to
// bottom) and the result of the last spin or nudge.

#include <vector>

namespace varnholt {

// Lets the accessibility framework describe every FaceWidget this way; safe to call often.
void installFaceAccessibility();

// The children after the controls and meters: the reels, then the result line.
int faceReelChild(int reel);
int faceResultChild();

// The children in the order Tab visits them: the result, the reels, the meters, the buttons.
const std::vector<int> &faceTabOrder();

} // namespace varnholt
