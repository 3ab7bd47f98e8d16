#pragma once
// Plain stand-ins for built-in pictures the program lacks, so the face keeps its shape.

#include <QImage>

namespace varnholt {

enum class PlaceholderKind {
    Face, Strip, SymbolSheet, TwoStateButton, Dimmed, CrystalBall, Black, White, RedDigits, GreenDigits
};

// A picture of the given size. Digit strips get seven-segment digits 0 to 9 in cells of
// width / 11.75 (16 of 188), so the meters stay readable.
QImage placeholderPicture(QSize size, PlaceholderKind kind);

} // namespace varnholt
