// Decoding time of a face-sized (800 x 600) JPEG held in memory.

#include "platform/PictureLoader.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

namespace {

// A picture with smooth shading and fine detail, so the entropy decoder has real work to do.
QByteArray encodeTestPicture(int width, int height)
{
    std::vector<unsigned char> rgb(std::size_t(width) * height * 3);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            unsigned char *p = &rgb[(std::size_t(y) * width + x) * 3];
            p[0] = static_cast<unsigned char>(x * 255 / width);
            p[1] = static_cast<unsigned char>(y * 255 / height);
            p[2] = static_cast<unsigned char>(((x / 7) ^ (y / 5)) * 37);
        }

    jpeg_compress_struct cinfo{};
    jpeg_error_mgr errors{};
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = JDIMENSION(width);
    cinfo.image_height = JDIMENSION(height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 90, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = &rgb[std::size_t(cinfo.next_scanline) * width * 3];
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    QByteArray result(reinterpret_cast<const char *>(buffer), qsizetype(size));
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
    return result;
}

void decodeFaceSizedJpeg(benchmark::State &state)
{
    const QByteArray jpeg = encodeTestPicture(800, 600);
    for (auto _ : state) {
        varnholt::DecodedPicture picture = varnholt::decodePicture(jpeg);
        if (!picture)
            state.SkipWithError(picture.error.c_str());
        benchmark::DoNotOptimize(picture);
    }
    state.SetBytesProcessed(state.iterations() * jpeg.size());
}
BENCHMARK(decodeFaceSizedJpeg)->Unit(benchmark::kMillisecond);

} // namespace
