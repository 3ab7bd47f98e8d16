#pragma once
// JPEG decoding through libjpeg, into an opaque QImage (Format_RGB32).

#include "platform/DecodedPicture.h"

#include <cstddef>
#include <span>

namespace varnholt {

// A file with damaged data is refused rather than shown partly grey: libjpeg's corrupt-data
// warnings (data ending early, a segment cut short, a bad code) fail the decode.
DecodedPicture decodeJpeg(std::span<const std::byte> data, long long maxPixels = kMaxPicturePixels);

} // namespace varnholt
