#include "presentation/FaceControls.h"

#include "presentation/MachineFace.h"

namespace varnholt {

std::optional<int> faceControlAt(const Layout &layout, int x, int y)
{
    for (int index = 0; index < int(kFaceControls.size()); ++index)
        if (kFaceControls[index].area.contains(layout, x, y))
            return index;
    return std::nullopt;
}

QRect faceControlRect(const Layout &layout, const FaceControl &control)
{
    const HitArea &a = control.area;
    return QRect(QPoint(layout.Scale(a.left), layout.Scale(a.top)),
                 QPoint(layout.Scale(a.right), layout.Scale(a.bottom)));
}

QString faceMeterText(FaceMeter meter, const ShownMeters &shown)
{
    switch (meter) {
    case FaceMeter::Credits:
        return QString::number(shown.credits);
    case FaceMeter::Coins:
        return QString::number(shown.coins);
    case FaceMeter::Winnings:
        return shown.winnings ? QString::number(*shown.winnings) : QString();
    case FaceMeter::Nudges:
        return QString::number(shown.nudges);
    case FaceMeter::None:
        break;
    }
    return {};
}

} // namespace varnholt
