#pragma once
// GIF decoding through giflib: the first frame, into Format_RGB32, or Format_ARGB32 when the
// frame has a transparent colour.

#include "platform/DecodedPicture.h"

#include <cstddef>
#include <span>

namespace varnholt {

DecodedPicture decodeGif(std::span<const std::byte> data);

} // namespace varnholt
