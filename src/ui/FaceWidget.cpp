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
    setAccessibleName(tr("Slot machine"));
}

void FaceWidget::setFace(MachineFace *face)
{
    face_ = face;
    if (!face_)
        return;
    face_->metersChanged = [this] { metersChanged(); };
    face_->reelChanged = [this](int reel) { reelChanged(reel); };
}

FaceWidget::Hint FaceWidget::hintAt(QPoint at) const
{
    if (!face_)
        return {};
    const Layout &layout = face_->layout();
    if (const auto control = faceControlAt(layout, at.x(), at.y())) {
        const FaceControl &hit = kFaceControls[*control];
        return {tr(hit.toolTip), faceControlRect(layout, hit)};
    }
    if (onLogo(layout, at.x(), at.y())) {
        const int corner = layout.Scale(kLogoCorner);
        return {tr("The maker's games page: %1")
                    .arg(QString::fromUtf8(kMakerGamesPage.data(), qsizetype(kMakerGamesPage.size()))),
                QRect(corner, corner, kLogoWidth + 1, kLogoHeight + 1)};
    }
    return {};
}

QString FaceWidget::toolTipAt(QPoint at) const { return hintAt(at).text; }

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

void FaceWidget::reelChanged(int reel)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent change(this, QAccessible::NameChanged);
    change.setChild(faceReelChild(reel));
    QAccessible::updateAccessibility(&change);
}

void FaceWidget::setNudgeOffered(bool offered)
{
    if (offered == nudgeOffered_)
        return;
    nudgeOffered_ = offered;
    if (!QAccessible::isActive())
        return;
    QAccessible::State changed;
    changed.disabled = true;
    for (int index = kFirstNudgeControl; isNudgeControl(index); ++index) {
        QAccessibleStateChangeEvent change(this, changed);
        change.setChild(index);
        QAccessible::updateAccessibility(&change);
    }
}

void FaceWidget::announce(const QString &result)
{
    lastResult_ = result;
    if (!QAccessible::isActive())
        return;
    // Qt has no announcement event here: the face, which holds the focus while playing, changes
    // its description (what a screen reader speaks of the focused object), and the result line
    // in the face's children its name.
    QAccessibleEvent line(this, QAccessible::NameChanged);
    line.setChild(faceResultChild());
    QAccessible::updateAccessibility(&line);
    QAccessibleEvent spoken(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&spoken);
}

} // namespace varnholt
