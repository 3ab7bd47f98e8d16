#include "platform/GifDecoder.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace varnholt {

// giflib has no text for some of its codes (GifErrorString returns NULL for them).
std::string gifErrorText(int code)
{
    const char *text = GifErrorString(code);
    if (text != nullptr && *text != '\0')
        return std::string("GIF: ") + text;
    return "GIF: decoding error " + std::to_string(code);
}

namespace {

struct MemoryReader {
    std::span<const std::byte> data;
    std::size_t position = 0;
};

int readFromMemory(GifFileType *gif, GifByteType *buffer, int wanted)
{
    auto *reader = static_cast<MemoryReader *>(gif->UserData);
    const std::size_t left = reader->data.size() - reader->position;
    const std::size_t count = std::min(left, static_cast<std::size_t>(std::max(wanted, 0)));
    std::memcpy(buffer, reader->data.data() + reader->position, count);
    reader->position += count;
    return static_cast<int>(count);
}

struct GifCloser {
    void operator()(GifFileType *gif) const
    {
        int ignored = 0;
        DGifCloseFile(gif, &ignored);
    }
};
using GifHandle = std::unique_ptr<GifFileType, GifCloser>;

// Reads extension blocks, keeping the transparent colour of a graphic control block; the last
// such block before the first frame is the one that applies to it.
bool readExtension(GifFileType *gif, int &transparentIndex)
{
    int code = 0;
    GifByteType *block = nullptr;
    if (DGifGetExtension(gif, &code, &block) == GIF_ERROR)
        return false;
    if (code == GRAPHICS_EXT_FUNC_CODE && block != nullptr) {
        GraphicsControlBlock control;
        if (DGifExtensionToGCB(block[0], block + 1, &control) == GIF_OK)
            transparentIndex = control.TransparentColor;
    }
    while (block != nullptr) {
        if (DGifGetExtensionNext(gif, &block) == GIF_ERROR)
            return false;
    }
    return true;
}

struct Frame {
    int left, top, width, height;
    std::vector<GifByteType> pixels; // width x height colour indices, rows top to bottom
};

// Reads the current frame's rows, putting interlaced rows (sent in four passes) in place.
bool readFrameRows(GifFileType *gif, Frame &frame, bool interlaced)
{
    auto readRow = [&](int y) {
        return DGifGetLine(gif, frame.pixels.data() + std::size_t(y) * std::size_t(frame.width),
                           frame.width) == GIF_OK;
    };
    if (!interlaced) {
        for (int y = 0; y < frame.height; ++y)
            if (!readRow(y))
                return false;
        return true;
    }
    static constexpr int kPassStart[] = {0, 4, 2, 1};
    static constexpr int kPassStep[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
        for (int y = kPassStart[pass]; y < frame.height; y += kPassStep[pass])
            if (!readRow(y))
                return false;
    return true;
}

QImage paint(const Frame &frame, const ColorMapObject &colours, int transparentIndex, int canvasWidth,
             int canvasHeight, QRgb background)
{
    // Uncovered canvas shows the background colour, or nothing when the picture has a
    // transparent colour.
    const bool transparent = transparentIndex != NO_TRANSPARENT_COLOR;
    auto colourAt = [&](int index) -> QRgb {
        if (index == transparentIndex)
            return qRgba(0, 0, 0, 0);
        if (index < 0 || index >= colours.ColorCount)
            return qRgb(0, 0, 0); // index past a short colour table
        const GifColorType &c = colours.Colors[index];
        return qRgb(c.Red, c.Green, c.Blue);
    };

    QImage image(canvasWidth, canvasHeight, transparent ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.fill(transparent ? qRgba(0, 0, 0, 0) : background);
    for (int y = 0; y < frame.height; ++y) {
        auto *out = reinterpret_cast<QRgb *>(image.scanLine(frame.top + y)) + frame.left;
        const GifByteType *in = frame.pixels.data() + std::size_t(y) * std::size_t(frame.width);
        for (int x = 0; x < frame.width; ++x)
            out[x] = colourAt(in[x]);
    }
    return image;
}

} // namespace

DecodedPicture decodeGif(std::span<const std::byte> data, long long maxPixels)
{
    MemoryReader reader{data};
    int error = 0;
    GifHandle gif(DGifOpen(&reader, readFromMemory, &error));
    if (!gif)
        return DecodedPicture::failure(gifErrorText(error));

    // giflib's DGifSlurp would decode every frame into buffers sized from unchecked headers; we
    // walk the records ourselves, check each size first and stop after the first frame.
    int transparentIndex = NO_TRANSPARENT_COLOR;
    for (;;) {
        GifRecordType record = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif.get(), &record) == GIF_ERROR)
            return DecodedPicture::failure(gifErrorText(gif->Error));
        if (record == TERMINATE_RECORD_TYPE)
            return DecodedPicture::failure("GIF: the file holds no picture");
        if (record == EXTENSION_RECORD_TYPE) {
            if (!readExtension(gif.get(), transparentIndex))
                return DecodedPicture::failure(gifErrorText(gif->Error));
            continue;
        }
        if (record != IMAGE_DESC_RECORD_TYPE)
            return DecodedPicture::failure(gifErrorText(D_GIF_ERR_WRONG_RECORD));
        if (DGifGetImageDesc(gif.get()) == GIF_ERROR)
            return DecodedPicture::failure(gifErrorText(gif->Error));
        break;
    }

    const GifImageDesc &desc = gif->Image;
    Frame frame{desc.Left, desc.Top, desc.Width, desc.Height, {}};
    // The frame may reach past a logical screen declared too small (or as zero); the canvas
    // grows to hold it rather than cutting it off.
    const long long canvasWidth = std::max<long long>(gif->SWidth, 0LL + frame.left + frame.width);
    const long long canvasHeight = std::max<long long>(gif->SHeight, 0LL + frame.top + frame.height);
    if (std::string problem = checkPictureSize(frame.width, frame.height, maxPixels); !problem.empty())
        return DecodedPicture::failure("GIF: " + problem, PictureFault::TooLarge);
    if (std::string problem = checkPictureSize(canvasWidth, canvasHeight, maxPixels); !problem.empty())
        return DecodedPicture::failure("GIF: " + problem, PictureFault::TooLarge);

    const ColorMapObject *colours = desc.ColorMap != nullptr ? desc.ColorMap : gif->SColorMap;
    if (colours == nullptr)
        return DecodedPicture::failure("GIF: the picture has no colour table");

    frame.pixels.resize(std::size_t(frame.width) * std::size_t(frame.height));
    if (!readFrameRows(gif.get(), frame, desc.Interlace))
        return DecodedPicture::failure(gifErrorText(gif->Error));

    // The background index refers to the global colour table.
    QRgb background = qRgb(0, 0, 0);
    if (gif->SColorMap != nullptr && gif->SBackGroundColor < gif->SColorMap->ColorCount) {
        const GifColorType &c = gif->SColorMap->Colors[gif->SBackGroundColor];
        background = qRgb(c.Red, c.Green, c.Blue);
    }
    QImage image = paint(frame, *colours, transparentIndex, int(canvasWidth), int(canvasHeight), background);
    if (image.isNull())
        return DecodedPicture::failure("GIF: not enough memory for the picture", PictureFault::TooLarge);
    return DecodedPicture::success(std::move(image));
}

} // namespace varnholt
