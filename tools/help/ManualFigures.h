#pragma once
// The parts of the manual written from the machine's own rules: the pay table with the symbol
// pictures, the exact odds and the return with nudges. Figures carry the odds tool's name=value
// key as their class (with the coin count for simulated play), so a check can hold the manual
// against the tool. The words around the figures are the manual's language.

#include "ManualWords.h"
#include "NudgeFigures.h"

#include "odds/ExactOdds.h"

#include <array>
#include <string>

namespace varnholt::help {

// An <img> element per symbol code 0-9 (gold bars ... Bonus, Wild).
using SymbolImages = std::array<std::string, 10>;

std::string payTableHtml(const ExactOdds &odds, const SymbolImages &images, const ManualWords &words);
std::string oddsHtml(const ExactOdds &odds, const SymbolImages &images, const ManualWords &words);
std::string nudgeOddsHtml(const ExactOdds &odds, const NudgeRuns &runs, const ManualWords &words);

} // namespace varnholt::help
