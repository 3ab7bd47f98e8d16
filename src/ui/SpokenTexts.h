#pragma once
// What the screen reader is told of a play, in the player's language: the same sentences as
// describePlayResult (play/SpokenResult), put together from translatable parts.

#include "play/SpokenResult.h"

#include <QString>

namespace varnholt {

QString spokenPlayResult(const PlayResult &result);

} // namespace varnholt
