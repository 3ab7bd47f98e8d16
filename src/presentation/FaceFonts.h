#pragma once
// The fonts the face writes with, chosen by the layout width and the screen's pixels per inch.

#include <QFont>

namespace varnholt {

struct FaceFonts {
    QFont label;        // meter captions, white
    QFont nudgeCaption; // "Nudges", bold yellow
    QFont nudgeValue;   // the nudge count, bold red
};

// Captions: 10 points, bold below 100 pixels per inch, regular from 100 up; 8 points regular on
// layouts narrower than 900. Nudge counter: 12 and 24 points bold, 10 and 18 up to 900,
// 8 and 14 below 800. Points become pixels at the screen's pixels per inch.
FaceFonts faceFonts(int screenWidth, int pixelsPerInch);

// The plain sans serif the machine and its dialogs are lettered in ("MS Sans Serif" where
// installed, else the closest shipped face), at a pixel size.
QFont windowFont(int pixels, bool bold);

// Pixels of a point size at a resolution, rounded.
int pointsToPixels(int points, int pixelsPerInch);

} // namespace varnholt
