#pragma once
// The parts of the manual written from the machine's own rules: the pay table with the symbol
// pictures, and the exact odds. Figures carry the odds tool's name=value key as their class, so a
// check can hold the manual against the tool.

#include "play/ExactOdds.h"

#include <array>
#include <string>

namespace varnholt::help {

// An <img> element per symbol code 0-9 (gold bars ... Bonus, Wild).
using SymbolImages = std::array<std::string, 10>;

std::string payTableHtml(const ExactOdds &odds, const SymbolImages &images);
std::string oddsHtml(const ExactOdds &odds, const SymbolImages &images);

} // namespace varnholt::help
