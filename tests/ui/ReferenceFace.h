#pragma once
// The window's face drawn again beside it, for the tests that compare single parts of the face;
// kept out of the shared fixture so that a change to the face's drawing recompiles only them.

#include "FormFixture.h"
#include "presentation/MachineFace.h"

namespace varnholt::test {

// The window's face drawn again on a copy of its canvas, so a test can picture single parts
// (a lamp lit or not) to compare the window with.
struct ReferenceFace {
    explicit ReferenceFace(const TestForm1 &form)
        : canvas(form.canvas().size(), form.canvas().devicePixelRatio()),
          face(canvas, form.face().pictures(), form.face().sized(), 96)
    {
        canvas.copyAt(form.canvas().image(), QPoint(0, 0));
    }
    Canvas canvas;
    MachineFace face;
};

} // namespace varnholt::test
