#pragma once
// The window's face drawn again beside it, for the tests that compare single parts of the face;
// kept out of the shared fixture so that a change to the face's drawing recompiles only them.

#include "platform/Canvas.h"
#include "presentation/MachineFace.h"

namespace varnholt::test {

// The face drawn again on a copy of the canvas it is shown on, so a test can picture single
// parts (a lamp lit or not) to compare the window with.
struct ReferenceFace {
    // Any window with canvas() and face(); a template, so this header needs no window.
    template <class Window>
    explicit ReferenceFace(const Window &window) : ReferenceFace(window.canvas(), window.face())
    {}
    ReferenceFace(const Canvas &shown, const MachineFace &shownFace)
        : canvas(shown.size(), shown.devicePixelRatio()),
          face(canvas, shownFace.pictures(), shownFace.sized(), 96)
    {
        canvas.copyAt(shown.image(), QPoint(0, 0));
    }
    Canvas canvas;
    MachineFace face;
};

} // namespace varnholt::test
