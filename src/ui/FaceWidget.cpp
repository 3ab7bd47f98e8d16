#include "ui/FaceWidget.h"

#include "presentation/FaceControls.h"
#include "presentation/MachineFace.h"
#include "ui/FaceAccessible.h"
#include "ui/MakerPages.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QToolTip>

#include <algorithm>

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

bool FaceWidget::focusNextPrevChild(bool next)
{
    // The keyboard focus stays on the face, so every key keeps its meaning in play; only what a
    // screen reader is on moves.
    const std::vector<int> &order = faceTabOrder();
    const auto count = int(order.size());
    const auto at = std::find(order.begin(), order.end(), focusedPart_);
    const int place = at == order.end() ? (next ? -1 : 0) : int(at - order.begin());
    focusedPart_ = order[std::size_t((place + (next ? 1 : count - 1)) % count)];
    if (QAccessible::isActive()) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(focusedPart_);
        QAccessible::updateAccessibility(&focus);
    }
    return true;
}

void FaceWidget::metersChanged()
{
    if (!QAccessible::isActive())
        return;
    // Only the meters whose number changed: a win counting up would otherwise flood a screen
    // reader with every meter at every step.
    for (int index = 0; index < int(kFaceControls.size()); ++index) {
        const FaceControl &control = kFaceControls[index];
        if (control.meter == FaceMeter::None)
            continue;
        const QString shown = faceMeterText(control.meter, face_->shownMeters());
        QString &told = toldMeters_[std::size_t(index)];
        if (shown == told)
            continue;
        told = shown;
        QAccessibleValueChangeEvent change(this, shown);
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
    // The window's notice speaks it; the result line among the face's parts keeps it to be read
    // again. Its change is told only when Tab is elsewhere: there it would be spoken twice.
    if (focusedPart_ == faceResultChild() && hasFocus())
        return;
    QAccessibleEvent line(this, QAccessible::NameChanged);
    line.setChild(faceResultChild());
    QAccessible::updateAccessibility(&line);
}

} // namespace varnholt
