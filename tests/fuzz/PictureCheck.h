#pragma once
// The oracle of the picture decoders: a picture or a reason, and a picture within the caps.

#include "FuzzCheck.h"
#include "platform/DecodedPicture.h"

inline void checkDecodedPicture(const varnholt::DecodedPicture &picture)
{
    if (!picture) {
        FUZZ_CHECK(!picture.error.empty());
        return;
    }
    FUZZ_CHECK(!picture.image->isNull());
    FUZZ_CHECK(varnholt::checkPictureSize(picture.image->width(), picture.image->height()).empty());
}
