#pragma once
// GIF decoding through giflib: the first frame, into Format_RGB32, or Format_ARGB32 when the
// frame has a transparent colour.

#include "platform/DecodedPicture.h"

#include <cstddef>
#include <span>
#include <string>

namespace varnholt {

DecodedPicture decodeGif(std::span<const std::byte> data, long long maxPixels = kMaxPicturePixels);

// giflib's message for an error code, with a fallback for the codes it has no text for.
std::string gifErrorText(int code);

} // namespace varnholt
