#pragma once
// The built-in pictures the program draws and cannot do without.

#include "assets/BuiltinPictures.h"

#include <QImage>

namespace varnholt {

// The built-in picture of this name. Its name is checked against the built-in pictures while
// compiling and the tests decode every one of them, so a failure here means a broken build: the
// program stops, naming the picture, rather than draw without it.
QImage requiredBuiltinPicture(BuiltinPictureName name);

} // namespace varnholt
