#pragma once
// What the screen reader is told of a play, in the player's language: the same sentences as
// describePlayResult (play/SpokenResult), each a whole sentence for the translator.

#include "play/SpokenResult.h"

#include <QString>

namespace varnholt {

QString spokenPlayResult(const PlayResult &result);

} // namespace varnholt
