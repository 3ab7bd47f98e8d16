#include "ui/AppIdentity.h"

namespace varnholt {

QIcon appIcon()
{
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QString(":/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(kAppId), QSize(size, size));
    return icon;
}

} // namespace varnholt
