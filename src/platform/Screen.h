#pragma once
// What the game reads about the display: its size, pixels per inch and device pixel ratio, all
// in device-independent pixels.

namespace varnholt {

struct ScreenInfo {
    int width = 800;
    int height = 600;
    int pixelsPerInch = 96;
    double devicePixelRatio = 1.0;
};

// The primary screen's full size and resolution as the window system reports them.
ScreenInfo primaryScreenInfo();

} // namespace varnholt
