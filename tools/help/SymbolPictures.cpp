#include "SymbolPictures.h"

#include "platform/PictureLoader.h"

#include <QBuffer>
#include <QImage>

namespace varnholt::help {

namespace {
constexpr int kSheetColumns = 4; // code k at column k mod 4, row k div 4
constexpr int kShownSize = 48;   // pixels in the manual
} // namespace

std::optional<SymbolImages> symbolImages(const std::string &sheetPath, std::string &error)
{
    const DecodedPicture sheet = loadPictureFile(sheetPath);
    if (!sheet) {
        error = sheetPath + ": " + sheet.error;
        return std::nullopt;
    }
    const int cell = sheet.image->width() / kSheetColumns;
    SymbolImages images;
    for (int code = 0; code < int(images.size()); ++code) {
        const QImage picture =
            sheet.image->copy((code % kSheetColumns) * cell, (code / kSheetColumns) * cell, cell, cell)
                .scaled(kShownSize, kShownSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        picture.save(&buffer, "PNG");
        images[std::size_t(code)] = "<img src=\"data:image/png;base64," + png.toBase64().toStdString() +
                                    "\" width=\"" + std::to_string(kShownSize) + "\" height=\"" +
                                    std::to_string(kShownSize) + "\">";
    }
    return images;
}

} // namespace varnholt::help
