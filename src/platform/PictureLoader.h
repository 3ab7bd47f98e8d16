#pragma once
// Our own picture loading: JPEG through libjpeg and GIF through giflib, straight into QImage.
// The format is told by the content, not the name. Nothing here prints, throws or exits on bad
// input; every failure comes back as an empty result with a reason.

#include "platform/DecodedPicture.h"

#include <QByteArray>
#include <QImage>

#include <cstddef>
#include <optional>
#include <span>
#include <string>

namespace varnholt {

// Decodes a JPEG (opaque, Format_RGB32) or the first frame of a GIF (Format_RGB32, or
// Format_ARGB32 when it has a transparent colour) held in memory.
// Pictures of more than `maxPixels` are refused before their pixels are allocated.
DecodedPicture decodePicture(std::span<const std::byte> data, long long maxPixels = kMaxPicturePixels);
DecodedPicture decodePicture(const QByteArray &data, long long maxPixels = kMaxPicturePixels);

// Reads a whole file (a real path, read safely, or a Qt resource path such as
// ":/pictures/face.jpg") and decodes it.
DecodedPicture loadPictureFile(const std::string &path, long long maxPixels = kMaxPicturePixels);

// A picture built into the program, stored under ":/pictures/<name>". Nothing when the program
// has no such picture or it cannot be decoded.
std::optional<QImage> loadBuiltinPicture(const std::string &name);

// A replacement picture beside the program: the file in dir whose name matches name without
// regard to letter case, decoded. Nothing when there is no such file, it cannot be decoded, or
// it would take the replacement pictures past their budget (PictureBudget.h), so the caller
// keeps its built-in picture.
std::optional<QImage> loadReplacementPicture(const std::string &dir, const std::string &name);

// The replacement picture at `path`, counted in the budget under `name`, with why it failed.
DecodedPicture loadBudgetedPicture(const std::string &path, const std::string &name);

} // namespace varnholt
