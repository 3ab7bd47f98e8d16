#pragma once
// The outcome of decoding one picture: the image, or why there is none.

#include <QImage>

#include <optional>
#include <string>
#include <utility>

namespace varnholt {

// Pictures larger than this on either side, or in area, are refused before any pixel memory
// is allocated, so a crafted header cannot make us reserve gigabytes.
inline constexpr int kMaxPictureSide = 16384;
inline constexpr long long kMaxPicturePixels = 64LL * 1024 * 1024;

// Why a picture failed, for a message in a player's words.
enum class PictureFault {
    None,
    Unreadable, // the file is missing, or nothing that can be read safely
    Damaged,    // not a JPEG or GIF, or broken inside
    TooLarge,   // more pixels than may be held
};

struct DecodedPicture {
    std::optional<QImage> image; // set on success, never a null QImage
    std::string error;           // on failure, a short readable reason
    PictureFault fault = PictureFault::None;

    static DecodedPicture success(QImage picture) { return {std::move(picture), {}, PictureFault::None}; }
    static DecodedPicture failure(std::string reason, PictureFault fault = PictureFault::Damaged)
    {
        return {std::nullopt, std::move(reason), fault};
    }
    explicit operator bool() const { return image.has_value(); }
};

// Empty when width x height is an acceptable picture size of at most `maxPixels`, otherwise
// the reason it is not.
std::string checkPictureSize(long long width, long long height, long long maxPixels = kMaxPicturePixels);

} // namespace varnholt
