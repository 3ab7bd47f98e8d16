#include "platform/DecodedPicture.h"

namespace varnholt {

std::string checkPictureSize(long long width, long long height)
{
    if (width <= 0 || height <= 0)
        return "the picture has no area";
    if (width > kMaxPictureSide || height > kMaxPictureSide || width * height > kMaxPicturePixels)
        return "the picture is too large (" + std::to_string(width) + " x " + std::to_string(height) + ")";
    return {};
}

} // namespace varnholt
