// The GIF decoder on any bytes. The cap is low so that inputs stay quick to decode.

#include "PictureCheck.h"
#include "platform/GifDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    checkDecodedPicture(varnholt::decodeGif(std::as_bytes(std::span(data, size)), 1 << 20));
    return 0;
}
