#pragma once
// The pictures the machine face is painted from: built into the program, replaced by files
// beside it where those exist, then sized once for the screen.

#include "geometry/Layout.h"
#include "presentation/FaceBackground.h"

#include <QImage>

#include <string>

namespace varnholt {

// The working bitmaps, at the pictures' own sizes. The first three are only drawn sized, so
// LoadSymbolPictures lets them go once it has sized them.
struct FacePictures {
    QImage FaceBitmap;        // the cabinet, 800 x 600 built in ("tester.jpg")
    QImage MotionStrip;       // the blurred strip of a spinning reel, 76 x 456 ("motionx.jpg")
    QImage SymbolSheet;       // 4 x 3 symbol cells, 304 x 228 (AssetPrefix + ".jpg")
    QImage NudgeButtonBitmap; // nudge button unlit over lit, 76 x 40 ("bonusx.jpg")
    QImage Bet1Bitmap;        // machine buttons, unlit over lit, 78 x 118
    QImage Bet3Bitmap;
    QImage SpinBitmap;
    QImage DimTitleBitmap;     // 302 x 143 ("DIMMEDX.jpg")
    QImage DimNamePlateBitmap; // 436 x 49 ("DIMMED2X.jpg")
    QImage CrystalBallBitmap;  // the lit crystal ball, 167 x 186
    QImage Logo;               // 125 x 70, black outside its ellipse
    QImage LogoMask;           // 125 x 70, black inside the ellipse, white outside
    QImage DigitsSmall, DigitsLarge, GreenSmall, GreenLarge; // glyph strips, 188 x 21 and 376 x 42
};

// Every built-in picture, with the replacement files beside the program taken in their place
// (names matched regardless of letter case). Every built-in picture is in every build: a name
// that is not stops the build.
FacePictures loadFacePictures(const std::string &exeDir, const std::string &assetPrefix);

// The pictures that are drawn scaled, prepared once for the layout and the screen's pixel
// density so that every later copy is pixel for pixel.
struct SizedPictures {
    Layout layout;
    FaceBackground face;         // FaceBitmap at Scale(w) x Scale(h)
    QImage symbolSheet;          // cells of SymbolSize, four across and three down
    QImage blurStrip;            // SymbolSize wide, BlurStripHeight tall
    bool sizedSheetFile = false; // a sheet drawn for this width was found beside the program
};

// Chooses the symbol sheet for the layout width (a sheet drawn for it beside the program, else
// the current sheet stretched) and sets the reel metrics. The face, strip and sheet are taken
// out of `pictures`: only their sized copies are kept.
SizedPictures LoadSymbolPictures(FacePictures &pictures, const std::string &exeDir,
                                 const std::string &assetPrefix, int screenWidth, double devicePixelRatio);

// src stretched to a logical size at a pixel density (unchanged when it already fits).
QImage scaledForDevice(const QImage &src, QSize logicalSize, double devicePixelRatio);

} // namespace varnholt
