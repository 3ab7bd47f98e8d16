#include "platform/JpegDecoder.h"

#include <QtGlobal>

#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE declared first
#include <memory>
#include <string>
#include <vector>

#include <jerror.h>
#include <jpeglib.h>

namespace varnholt {
namespace {

// More scans than any sane progressive encoder writes; a crafted file with thousands of tiny
// scans would otherwise keep us busy for minutes.
constexpr int kMaxScans = 500;

// libjpeg reports fatal errors by calling error_exit, which must not return; we jump back to
// the decoder instead of letting the default handler exit the program.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

ErrorManager &errorsOf(j_common_ptr cinfo) { return *reinterpret_cast<ErrorManager *>(cinfo->err); }

[[noreturn]] void onFatalError(j_common_ptr cinfo)
{
    ErrorManager &errors = errorsOf(cinfo);
    (*cinfo->err->format_message)(cinfo, errors.message);
    std::longjmp(errors.jump, 1);
}

// Warnings that say nothing about the picture data itself.
bool isHarmlessWarning(int code)
{
    return code == JWRN_JFIF_MAJOR || code == JWRN_ADOBE_XFORM || code == JWRN_BOGUS_ICC;
}

// Trace messages are never printed. Any other warning means damaged data, which libjpeg would
// pad with grey (a 50 KB file could claim 16384 x 4096 pixels); the decode stops at once.
void onMessage(j_common_ptr cinfo, int level)
{
    if (level < 0 && !isHarmlessWarning(cinfo->err->msg_code))
        onFatalError(cinfo);
}

void onSilentOutput(j_common_ptr) {}

void onProgress(j_common_ptr cinfo)
{
    if (cinfo->is_decompressor) {
        auto *dinfo = reinterpret_cast<j_decompress_ptr>(cinfo);
        if (dinfo->input_scan_number > kMaxScans) {
            ErrorManager &errors = errorsOf(cinfo);
            std::snprintf(errors.message, sizeof errors.message, "too many scans");
            std::longjmp(errors.jump, 1);
        }
    }
}

// Adobe writes CMYK inverted; others write it plain. Either way the picture comes out opaque RGB.
void cmykRowToRgb32(const JSAMPLE *cmyk, QRgb *out, JDIMENSION width, bool inverted)
{
    for (JDIMENSION x = 0; x < width; ++x, cmyk += 4) {
        int c = cmyk[0], m = cmyk[1], y = cmyk[2], k = cmyk[3];
        if (!inverted) {
            c = 255 - c;
            m = 255 - m;
            y = 255 - y;
            k = 255 - k;
        }
        out[x] = qRgb(c * k / 255, m * k / 255, y * k / 255);
    }
}

// All decoding state; kept on the heap, because automatic variables changed after setjmp are
// indeterminate once a longjmp has come back to it.
struct Decoder {
    jpeg_decompress_struct cinfo{};
    ErrorManager errors{};
    jpeg_progress_mgr progress{};
    QImage image;
    std::vector<JSAMPLE> cmykRow;
    bool tooLarge = false; // the refusal was of the picture's size, not of its data

    Decoder()
    {
        cinfo.err = jpeg_std_error(&errors.base);
        errors.base.error_exit = onFatalError;
        errors.base.emit_message = onMessage;
        errors.base.output_message = onSilentOutput;
        progress.progress_monitor = onProgress;
    }
    ~Decoder() { jpeg_destroy_decompress(&cinfo); }
    Decoder(const Decoder &) = delete;
    Decoder &operator=(const Decoder &) = delete;

    // Returns an error text, empty on success. Only called once setjmp is armed.
    std::string run(std::span<const std::byte> data, long long maxPixels)
    {
        jpeg_create_decompress(&cinfo);
        cinfo.progress = &progress;
        jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char *>(data.data()),
                     static_cast<unsigned long>(data.size()));
        jpeg_read_header(&cinfo, TRUE);

        // No object with a destructor may be alive across a libjpeg call: a longjmp out of
        // it would skip that destructor.
        if (std::string problem = checkPictureSize(cinfo.image_width, cinfo.image_height, maxPixels);
            !problem.empty()) {
            tooLarge = true;
            return problem;
        }

        const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
        if (cmyk)
            cinfo.out_color_space = JCS_CMYK;
        else
            // Four bytes a pixel in the order QImage::Format_RGB32 keeps them in memory, with
            // the spare byte set to 0xFF, so scanlines go straight into the image.
            cinfo.out_color_space = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRX : JCS_EXT_XRGB;

        jpeg_start_decompress(&cinfo);
        image = QImage(int(cinfo.output_width), int(cinfo.output_height), QImage::Format_RGB32);
        if (image.isNull()) {
            tooLarge = true;
            return "not enough memory for the picture";
        }

        if (cmyk)
            cmykRow.resize(std::size_t(cinfo.output_width) * 4);
        while (cinfo.output_scanline < cinfo.output_height) {
            const int y = int(cinfo.output_scanline);
            JSAMPROW row = cmyk ? cmykRow.data() : reinterpret_cast<JSAMPROW>(image.scanLine(y));
            if (jpeg_read_scanlines(&cinfo, &row, 1) != 1)
                return "the picture data ends early";
            if (cmyk)
                cmykRowToRgb32(cmykRow.data(), reinterpret_cast<QRgb *>(image.scanLine(y)),
                               cinfo.output_width, cinfo.saw_Adobe_marker);
        }
        jpeg_finish_decompress(&cinfo);
        return {};
    }
};

} // namespace

DecodedPicture decodeJpeg(std::span<const std::byte> data, long long maxPixels)
{
    if (data.empty())
        return DecodedPicture::failure("JPEG: no data");
    const auto decoder = std::make_unique<Decoder>();
    if (setjmp(decoder->errors.jump))
        return DecodedPicture::failure(std::string("JPEG: ") + decoder->errors.message);
    std::string problem = decoder->run(data, maxPixels);
    if (!problem.empty())
        return DecodedPicture::failure("JPEG: " + problem,
                                       decoder->tooLarge ? PictureFault::TooLarge : PictureFault::Damaged);
    return DecodedPicture::success(std::move(decoder->image));
}

} // namespace varnholt
