#pragma once
// The machine face as screen readers see it: one client area whose children are the face's
// buttons (press buttons) and meters (labels whose value is the number shown).

namespace varnholt {

// Lets the accessibility framework describe every FaceWidget this way; safe to call often.
void installFaceAccessibility();

} // namespace varnholt
