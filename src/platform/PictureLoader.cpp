#include "platform/PictureLoader.h"

#include "platform/FileLookup.h"
#include "platform/GifDecoder.h"
#include "platform/JpegDecoder.h"

#include <QFile>

#include <cstring>

namespace varnholt {
namespace {

// No picture of ours comes near this; a bigger file is not read into memory at all.
constexpr qint64 kMaxPictureFileBytes = 64LL * 1024 * 1024;

bool startsWith(std::span<const std::byte> data, const char *magic, std::size_t length)
{
    return data.size() >= length && std::memcmp(data.data(), magic, length) == 0;
}

} // namespace

DecodedPicture decodePicture(std::span<const std::byte> data)
{
    if (data.empty())
        return DecodedPicture::failure("the picture file is empty");
    if (startsWith(data, "\xFF\xD8", 2))
        return decodeJpeg(data);
    if (startsWith(data, "GIF8", 4))
        return decodeGif(data);
    return DecodedPicture::failure("not a JPEG or GIF picture");
}

DecodedPicture decodePicture(const QByteArray &data)
{
    return decodePicture(std::as_bytes(std::span(data.constData(), std::size_t(data.size()))));
}

DecodedPicture loadPictureFile(const std::string &path)
{
    QFile file(QFile::decodeName(QByteArray::fromStdString(path)));
    if (!file.open(QIODevice::ReadOnly))
        return DecodedPicture::failure("cannot open " + path + ": " + file.errorString().toStdString());
    if (file.size() > kMaxPictureFileBytes)
        return DecodedPicture::failure(path + " is too large to be a picture");
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return DecodedPicture::failure("cannot read " + path + ": " + file.errorString().toStdString());
    DecodedPicture picture = decodePicture(data);
    if (!picture)
        picture.error = path + ": " + picture.error;
    return picture;
}

std::optional<QImage> loadBuiltinPicture(const std::string &name)
{
    return loadPictureFile(":/pictures/" + name).image;
}

std::optional<QImage> loadReplacementPicture(const std::string &dir, const std::string &name)
{
    const std::optional<std::string> path = findFileIgnoringCase(dir, name);
    if (!path)
        return std::nullopt;
    return loadPictureFile(*path).image;
}

} // namespace varnholt
