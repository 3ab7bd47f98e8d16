#include "platform/RequiredPicture.h"

#include "platform/PictureLoader.h"

#include <QtGlobal>

namespace varnholt {

QImage requiredBuiltinPicture(BuiltinPictureName name)
{
    std::optional<QImage> picture = loadBuiltinPicture(name.name());
    if (!picture)
        qFatal("The built-in picture %s cannot be decoded: this build is broken.", name.name());
    return *std::move(picture);
}

} // namespace varnholt
