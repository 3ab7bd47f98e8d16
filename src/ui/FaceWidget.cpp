#include "ui/FaceWidget.h"

#include "presentation/FaceControls.h"
#include "ui/FaceAccessible.h"

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

QString FaceWidget::toolTipAt(QPoint at) const
{
    if (!face_)
        return {};
    const auto control = faceControlAt(face_->layout(), at.x(), at.y());
    return control ? QString::fromUtf8(kFaceControls[*control].toolTip) : QString();
}

bool FaceWidget::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return CanvasWidget::event(event);
    const auto *help = static_cast<QHelpEvent *>(event);
    const auto control = face_ ? faceControlAt(face_->layout(), help->pos().x(), help->pos().y()) : std::nullopt;
    if (!control) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    // Shown while the pointer stays on the control's area.
    const FaceControl &hit = kFaceControls[*control];
    QToolTip::showText(help->globalPos(), QString::fromUtf8(hit.toolTip), this, faceControlRect(face_->layout(), hit));
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
