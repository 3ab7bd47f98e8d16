#pragma once
// What the game reads about the display: its size, pixels per inch and device pixel ratio, all
// in device-independent pixels; and the part panels leave free.

#include <QRect>

namespace varnholt {

struct ScreenInfo {
    int width = 800;
    int height = 600;
    int pixelsPerInch = 96;
    double devicePixelRatio = 1.0;
};

// The primary screen's full size and resolution as the window system reports them.
ScreenInfo primaryScreenInfo();

// The part of the primary screen that panels and docks leave free.
QRect primaryScreenFreeArea();

// False on Wayland, where the compositor alone places windows and a maximised window must take
// the size it configures: there a fixed-size window is neither moved nor maximised.
bool windowsPlaceThemselves();

// Where a window whose outer size (frame included) should be `wanted` goes: at the top-left
// corner of the free area, cut to it. A window narrowed to the screen's 4:3 part, with more
// width spare than the 10-pixel inset, stands in the middle of the free width instead.
QRect outerWindowArea(QSize wanted, const QRect &freeArea);

} // namespace varnholt
