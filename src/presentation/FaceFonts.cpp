#include "presentation/FaceFonts.h"

#include <QStringList>

namespace varnholt {

QFont windowFont(int pixels, bool bold)
{
    QFont font;
    // The cabinet was lettered in a plain sans serif; take the closest one installed.
    font.setFamilies(
        {"MS Sans Serif", "Microsoft Sans Serif", "TeX Gyre Heros", "Liberation Sans", "DejaVu Sans"});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

int pointsToPixels(int points, int pixelsPerInch) { return (points * pixelsPerInch + 36) / 72; }

FaceFonts faceFonts(int screenWidth, int pixelsPerInch)
{
    const int ppi = pixelsPerInch > 0 ? pixelsPerInch : 96;
    FaceFonts fonts;
    if (screenWidth < 900)
        fonts.label = windowFont(pointsToPixels(8, ppi), false);
    else
        fonts.label = windowFont(pointsToPixels(10, ppi), ppi < 100);

    int caption = 12, value = 24;
    if (screenWidth < 800) {
        caption = 8;
        value = 14;
    } else if (screenWidth <= 900) {
        caption = 10;
        value = 18;
    }
    fonts.nudgeCaption = windowFont(pointsToPixels(caption, ppi), true);
    fonts.nudgeValue = windowFont(pointsToPixels(value, ppi), true);
    return fonts;
}

} // namespace varnholt
