#include "platform/DecodedPicture.h"

namespace varnholt {

std::string checkPictureSize(long long width, long long height, long long maxPixels)
{
    if (width <= 0 || height <= 0)
        return "the picture has no area";
    if (width > kMaxPictureSide || height > kMaxPictureSide || width * height > maxPixels)
        return "the picture is too large (" + std::to_string(width) + " x " + std::to_string(height) + ")";
    return {};
}

} // namespace varnholt
