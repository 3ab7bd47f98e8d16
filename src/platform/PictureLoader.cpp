#include "platform/PictureLoader.h"

#include "files/SafeRead.h"
#include "platform/FileLookup.h"
#include "platform/GifDecoder.h"
#include "platform/JpegDecoder.h"
#include "platform/PictureBudget.h"

#include <QFile>

#include <cstring>

namespace varnholt {
namespace {

constexpr long long kBytesPerPixel = 4;

bool isResourcePath(const std::string &path) { return path.starts_with(":/"); }

// Files beside the program go through the safe reader; the pictures built into the program
// are Qt resources, which only Qt can open.
FileContents readPictureBytes(const std::string &path)
{
    if (!isResourcePath(path))
        return readFileSafely(path, kPictureFileCap);
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        return {FileStatus::Missing, {}, {}};
    const QByteArray data = file.readAll();
    return {FileStatus::Loaded, data.toStdString(), {}};
}

bool startsWith(std::span<const std::byte> data, const char *magic, std::size_t length)
{
    return data.size() >= length && std::memcmp(data.data(), magic, length) == 0;
}

} // namespace

DecodedPicture decodePicture(std::span<const std::byte> data, long long maxPixels)
{
    if (data.empty())
        return DecodedPicture::failure("the picture file is empty");
    if (startsWith(data, "\xFF\xD8", 2))
        return decodeJpeg(data, maxPixels);
    if (startsWith(data, "GIF8", 4))
        return decodeGif(data, maxPixels);
    return DecodedPicture::failure("not a JPEG or GIF picture");
}

DecodedPicture decodePicture(const QByteArray &data, long long maxPixels)
{
    return decodePicture(std::as_bytes(std::span(data.constData(), std::size_t(data.size()))), maxPixels);
}

DecodedPicture loadPictureFile(const std::string &path, long long maxPixels)
{
    const FileContents file = readPictureBytes(path);
    if (file.status == FileStatus::Missing)
        return DecodedPicture::failure("cannot open " + path, PictureFault::Unreadable);
    if (file.status != FileStatus::Loaded)
        return DecodedPicture::failure(file.problem, PictureFault::Unreadable);
    DecodedPicture picture = decodePicture(std::as_bytes(std::span(file.bytes)), maxPixels);
    if (!picture)
        picture.error = path + ": " + picture.error;
    return picture;
}

std::optional<QImage> loadBuiltinPicture(const std::string &name)
{
    return loadPictureFile(":/pictures/" + name).image;
}

DecodedPicture loadBudgetedPicture(const std::string &path, const std::string &name)
{
    PictureBudget &budget = replacementPictureBudget();
    DecodedPicture picture = loadPictureFile(path, budget.allowanceFor(name) / kBytesPerPixel);
    budget.record(name, picture ? picture.image->sizeInBytes() : 0);
    return picture;
}

std::optional<QImage> loadReplacementPicture(const std::string &dir, const std::string &name)
{
    const std::optional<std::string> path = findFileIgnoringCase(dir, name);
    if (!path)
        return std::nullopt;
    return loadBudgetedPicture(*path, name).image;
}

} // namespace varnholt
