#pragma once
// JPEG decoding through libjpeg, into an opaque QImage (Format_RGB32).

#include "platform/DecodedPicture.h"

#include <cstddef>
#include <span>

namespace varnholt {

// A file that ends before its last scanline is refused rather than shown half grey.
DecodedPicture decodeJpeg(std::span<const std::byte> data);

} // namespace varnholt
