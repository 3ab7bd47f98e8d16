// The JPEG decoder on any bytes. The cap is low so that inputs stay quick to decode.

#include "PictureCheck.h"
#include "platform/JpegDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    checkDecodedPicture(varnholt::decodeJpeg(std::as_bytes(std::span(data, size)), 1 << 20));
    return 0;
}
