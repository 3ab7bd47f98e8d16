#include "ui/FaceAccessible.h"

#include "play/SpokenResult.h"
#include "presentation/FaceControls.h"
#include "presentation/MachineFace.h"
#include "ui/CoreTexts.h"
#include "ui/FaceWidget.h"
#include "ui/LeafAccessible.h"

#include <QAccessibleWidget>
#include <QMetaObject>
#include <QPointer>

#include <vector>

namespace varnholt {

namespace {

constexpr int kControlCount = int(kFaceControls.size());

// A part of the face with no children of its own.
class FacePartAccessible : public LeafAccessible {
public:
    FacePartAccessible(FaceWidget *widget, int child) : widget_(widget), child_(child) {}

    bool isValid() const override { return widget_ && widget_->face(); }
    QWindow *window() const override { return widget_ ? widget_->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(widget_); }

protected:
    QRect onScreen(const QRect &area) const
    {
        return QRect(widget_->mapToGlobal(area.topLeft()), area.size());
    }
    // Every part can be what Tab has reached.
    QAccessible::State partState() const
    {
        QAccessible::State s;
        s.invisible = !widget_ || !widget_->isVisible();
        s.focusable = true;
        s.focused = widget_ && widget_->hasFocus() && widget_->focusedPart() == child_;
        return s;
    }

    QPointer<FaceWidget> widget_;
    int child_;
};

class FaceControlAccessible : public FacePartAccessible,
                              public QAccessibleValueInterface,
                              public QAccessibleActionInterface {
public:
    FaceControlAccessible(FaceWidget *widget, int index) : FacePartAccessible(widget, index), index_(index) {}

    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return {};
        switch (t) {
        case QAccessible::Name: {
            // A meter's name carries its number: screen readers speak a label's name, not its value.
            const QString shown = text(QAccessible::Value);
            return shown.isEmpty() ? FaceWidget::tr(control().name)
                                   : FaceWidget::tr("%1: %2").arg(FaceWidget::tr(control().name), shown);
        }
        case QAccessible::Description:
            return FaceWidget::tr(control().toolTip);
        case QAccessible::Value:
            return faceMeterText(control().meter, widget_->face()->shownMeters());
        default:
            return {};
        }
    }

    QRect rect() const override
    {
        if (!isValid())
            return {};
        return onScreen(faceControlRect(widget_->face()->layout(), control()));
    }

    QAccessible::Role role() const override
    {
        return control().meter == FaceMeter::None ? QAccessible::Button : QAccessible::StaticText;
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = partState();
        s.readOnly = control().meter != FaceMeter::None;
        s.disabled = isNudgeControl(index_) && widget_ && !widget_->nudgeOffered();
        return s;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface && control().meter != FaceMeter::None)
            return static_cast<QAccessibleValueInterface *>(this);
        if (type == QAccessible::ActionInterface && control().meter == FaceMeter::None)
            return static_cast<QAccessibleActionInterface *>(this);
        return nullptr;
    }

    // A button's press is a press on its middle, made once the screen reader's call has returned.
    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }
    void doAction(const QString &name) override
    {
        if (name != pressAction() || !isValid())
            return;
        const QPoint middle = faceControlRect(widget_->face()->layout(), control()).center();
        QMetaObject::invokeMethod(
            widget_.data(),
            [widget = widget_, middle] {
                if (widget && widget->onMouseDown)
                    widget->onMouseDown(middle.x(), middle.y());
            },
            Qt::QueuedConnection);
    }

    // The meters' numbers, read only.
    QVariant currentValue() const override
    {
        const QString shown = text(QAccessible::Value);
        return shown.isEmpty() ? QVariant() : QVariant(shown.toInt());
    }
    void setCurrentValue(const QVariant &) override {}
    QVariant maximumValue() const override { return QVariant(); }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    const FaceControl &control() const { return kFaceControls[index_]; }

    int index_;
};

// A part that only tells: a reel's symbols, the last result.
class FaceTextAccessible : public FacePartAccessible {
public:
    using FacePartAccessible::FacePartAccessible;

    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override
    {
        QAccessible::State s = partState();
        s.readOnly = true;
        return s;
    }
};

// A reel's window: "Reel 1: gold bars, knight, horse", top to bottom, or spinning.
class ReelAccessible : public FaceTextAccessible {
public:
    ReelAccessible(FaceWidget *widget, int reel)
        : FaceTextAccessible(widget, faceReelChild(reel)), reel_(reel)
    {}

    QString text(QAccessible::Text t) const override
    {
        if (!isValid() || t != QAccessible::Name)
            return {};
        const auto stop = widget_->face()->shownReels()[std::size_t(reel_)];
        const QString shown = stop ? reelSymbols(reel_, *stop) : FaceWidget::tr("spinning");
        return FaceWidget::tr("Reel %1: %2").arg(reel_ + 1).arg(shown);
    }
    QRect rect() const override
    {
        if (!isValid())
            return {};
        const Layout &l = widget_->face()->layout();
        return onScreen(QRect(l.ReelsLeft + reel_ * l.ReelPitch, l.ReelsTop, l.SymbolSize, 3 * l.SymbolSize));
    }

private:
    int reel_;
};

// The last result, as it was announced.
class ResultAccessible : public FaceTextAccessible {
public:
    explicit ResultAccessible(FaceWidget *widget) : FaceTextAccessible(widget, faceResultChild()) {}

    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return {};
        if (t == QAccessible::Name)
            return widget_->lastResult().isEmpty() ? FaceWidget::tr("No spin yet.") : widget_->lastResult();
        if (t == QAccessible::Description)
            return FaceWidget::tr("The result of the last spin or nudge");
        return {};
    }
    QRect rect() const override { return isValid() ? onScreen(widget_->rect()) : QRect(); }
};

class FaceAccessible : public QAccessibleWidget {
public:
    explicit FaceAccessible(FaceWidget *widget) : QAccessibleWidget(widget, QAccessible::Client)
    {
        for (int index = 0; index < kControlCount; ++index)
            children_.push_back(
                QAccessible::registerAccessibleInterface(new FaceControlAccessible(widget, index)));
        for (int reel = 0; reel < kReelCount; ++reel)
            children_.push_back(QAccessible::registerAccessibleInterface(new ReelAccessible(widget, reel)));
        children_.push_back(QAccessible::registerAccessibleInterface(new ResultAccessible(widget)));
    }

    // The description, spoken as the face gets the focus, is how to play from the keyboard; each
    // result is spoken once by the window's notice.
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Description)
            //: Spoken by screen readers as the machine gets the keyboard focus.
            return FaceWidget::tr("Space spins, B bets one coin, M bets up to three, 1, 2 and 3 nudge. "
                                  "Tab reads the result, the reels and the meters.");
        return QAccessibleWidget::text(t);
    }
    ~FaceAccessible() override
    {
        for (const QAccessible::Id id : children_)
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return int(children_.size()); }
    QAccessibleInterface *child(int index) const override
    {
        return index >= 0 && index < childCount() ? QAccessible::accessibleInterface(children_[index])
                                                  : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (int index = 0; index < childCount(); ++index)
            if (QAccessible::accessibleInterface(children_[index]) == child)
                return index;
        return -1;
    }
    QAccessibleInterface *focusChild() const override
    {
        const auto *face = static_cast<FaceWidget *>(widget());
        return face->hasFocus() && face->focusedPart() >= 0 ? child(face->focusedPart()) : nullptr;
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        const auto *face = static_cast<FaceWidget *>(widget())->face();
        const QPoint at = widget()->mapFromGlobal(QPoint(x, y));
        const auto index = face ? faceControlAt(face->layout(), at.x(), at.y()) : std::nullopt;
        return index ? child(*index) : nullptr;
    }

private:
    std::vector<QAccessible::Id> children_;
};

QAccessibleInterface *faceFactory(const QString &, QObject *object)
{
    if (auto *face = dynamic_cast<FaceWidget *>(object))
        return new FaceAccessible(face);
    return nullptr;
}

} // namespace

int faceReelChild(int reel) { return kControlCount + reel; }

int faceResultChild() { return kControlCount + kReelCount; }

const std::vector<int> &faceTabOrder()
{
    static const std::vector<int> order = [] {
        std::vector<int> parts{faceResultChild()};
        for (int reel = 0; reel < kReelCount; ++reel)
            parts.push_back(faceReelChild(reel));
        for (int index = 0; index < kControlCount; ++index)
            if (kFaceControls[std::size_t(index)].meter != FaceMeter::None)
                parts.push_back(index);
        for (int index = 0; index < kControlCount; ++index)
            if (kFaceControls[std::size_t(index)].meter == FaceMeter::None)
                parts.push_back(index);
        return parts;
    }();
    return order;
}

void installFaceAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(faceFactory);
        return true;
    }();
    (void)installed;
}

} // namespace varnholt
