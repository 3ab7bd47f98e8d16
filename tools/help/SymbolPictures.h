#pragma once
// The symbol pictures of the manual, cut from the game's built-in symbol sheet.

#include "ManualFigures.h"

#include <optional>
#include <string>

namespace varnholt::help {

// One <img> per symbol, each a PNG embedded as a data: address so the manual is one file.
// Nothing when the sheet cannot be read.
std::optional<SymbolImages> symbolImages(const std::string &sheetPath, std::string &error);

} // namespace varnholt::help
