#include "ui/FaceWidget.h"

#include "presentation/FaceControls.h"
#include "ui/FaceAccessible.h"
#include "ui/MakerPages.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QToolTip>

namespace varnholt {

FaceWidget::FaceWidget(QWidget *parent) : CanvasWidget(parent)
{
    installFaceAccessibility();
    setAccessibleName(QStringLiteral("Slot machine"));
}

void FaceWidget::setFace(MachineFace *face)
{
    face_ = face;
    if (face_)
        face_->metersChanged = [this] { metersChanged(); };
}

FaceWidget::Hint FaceWidget::hintAt(QPoint at) const
{
    if (!face_)
        return {};
    const Layout &layout = face_->layout();
    if (const auto control = faceControlAt(layout, at.x(), at.y())) {
        const FaceControl &hit = kFaceControls[*control];
        return {QString::fromUtf8(hit.toolTip), faceControlRect(layout, hit)};
    }
    if (onLogo(layout, at.x(), at.y())) {
        const int corner = layout.Scale(kLogoCorner);
        return {QStringLiteral("The maker's games page: ") + QString::fromUtf8(kMakerGamesPage.data(), qsizetype(kMakerGamesPage.size())),
                QRect(corner, corner, kLogoWidth + 1, kLogoHeight + 1)};
    }
    return {};
}

QString FaceWidget::toolTipAt(QPoint at) const
{
    return hintAt(at).text;
}

bool FaceWidget::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return CanvasWidget::event(event);
    const auto *help = static_cast<QHelpEvent *>(event);
    const Hint hint = hintAt(help->pos());
    if (hint.text.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    // Shown while the pointer stays on the control's area.
    QToolTip::showText(help->globalPos(), hint.text, this, hint.area);
    return true;
}

void FaceWidget::metersChanged()
{
    if (!QAccessible::isActive())
        return;
    for (int index = 0; index < int(kFaceControls.size()); ++index) {
        const FaceControl &control = kFaceControls[index];
        if (control.meter == FaceMeter::None)
            continue;
        QAccessibleValueChangeEvent change(this, faceMeterText(control.meter, face_->shownMeters()));
        change.setChild(index);
        QAccessible::updateAccessibility(&change);
    }
}

} // namespace varnholt
