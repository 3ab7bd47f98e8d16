#pragma once
// The fixed texts of the rule libraries and the advert's table, which know no Qt, in the player's
// language. They are translated by their English text in the context "CoreTexts"; CoreTexts.cpp
// marks each one for the translators.

#include "records/RecordResult.h"

#include <QString>

#include <string_view>

namespace varnholt {

QString coreText(std::string_view english);

// A failed record operation's message: "Unable to write to <path>".
QString recordErrorText(const RecordResult &result);

// A symbol's name as screen readers hear it ("gold bars").
QString symbolText(int symbol);

// The three symbols a reel shows, top to bottom: "gold bars, knight, horse".
QString reelSymbols(int reel, int stop);

} // namespace varnholt
