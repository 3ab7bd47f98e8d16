#pragma once
// What the game reads about the display: its size, pixels per inch and device pixel ratio, all
// in device-independent pixels; and the part panels leave free.

#include <QMargins>
#include <QRect>

class QWidget;

namespace varnholt {

struct ScreenInfo {
    int width = 800;
    int height = 600;
    int pixelsPerInch = 96;
    double devicePixelRatio = 1.0;
};

// The primary screen's full size and resolution as the window system reports them.
ScreenInfo primaryScreenInfo();

// Room kept for the desktop's panels where the platform cannot report them (Wayland).
constexpr int kUnreportedPanelRoom = 48;

// The part of the primary screen that panels and docks leave free; on Wayland, which does not
// tell, the screen less kUnreportedPanelRoom.
QRect primaryScreenFreeArea();

// Room kept for the title bar a Wayland client draws on its own window.
constexpr int kClientTitleBarRoom = 40;

// The area the machine's face is laid out for: the whole screen where the window system places
// windows clear of its panels; on Wayland, which neither places nor reports them, the free area
// less the title bar, so the window and the face inside it are seen whole.
QSize faceAreaOnScreen(const ScreenInfo &screen);

// False on Wayland, where the compositor alone places windows and a maximised window must take
// the size it configures: there a fixed-size window is neither moved nor maximised.
bool windowsPlaceThemselves();

// Where a window whose outer size (frame included) should be `wanted` goes: at the top-left
// corner of the free area, cut to it. A window narrowed to the screen's 4:3 part, with more
// width spare than the 10-pixel inset, stands in the middle of the free width instead.
QRect outerWindowArea(QSize wanted, const QRect &freeArea);

// Where the outer top-left corner of a side window of outer size `outer` goes: centred over the
// area `over` (the window it belongs to), moved as little as needed to lie in the free area.
// A window larger than the free area keeps its top-left corner in it, so the title bar stays
// on screen and only its far edges are cut.
QPoint windowFramePlace(QSize outer, const QRect &over, const QRect &freeArea);

// The frame the window system has put around a shown window (none before it is shown, or
// without a window manager).
QMargins windowFrameMargins(const QWidget &window);

} // namespace varnholt
