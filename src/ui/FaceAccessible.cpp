#include "ui/FaceAccessible.h"

#include "presentation/FaceControls.h"
#include "ui/FaceWidget.h"

#include <QAccessibleWidget>
#include <QPointer>

#include <vector>

namespace varnholt {

namespace {

class FaceControlAccessible : public QAccessibleInterface, public QAccessibleValueInterface {
public:
    FaceControlAccessible(FaceWidget *widget, int index) : widget_(widget), index_(index) {}

    bool isValid() const override { return widget_ && widget_->face(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return widget_ ? widget_->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(widget_); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *focusChild() const override { return nullptr; }
    void setText(QAccessible::Text, const QString &) override {}

    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return {};
        switch (t) {
        case QAccessible::Name:
            return QString::fromLatin1(control().name);
        case QAccessible::Description:
            return QString::fromUtf8(control().toolTip);
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
        const QRect area = faceControlRect(widget_->face()->layout(), control());
        return QRect(widget_->mapToGlobal(area.topLeft()), area.size());
    }

    QAccessible::Role role() const override
    {
        return control().meter == FaceMeter::None ? QAccessible::Button : QAccessible::StaticText;
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.invisible = !widget_ || !widget_->isVisible();
        s.readOnly = control().meter != FaceMeter::None;
        return s;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface && control().meter != FaceMeter::None)
            return static_cast<QAccessibleValueInterface *>(this);
        return nullptr;
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

    QPointer<FaceWidget> widget_;
    int index_;
};

class FaceAccessible : public QAccessibleWidget {
public:
    explicit FaceAccessible(FaceWidget *widget) : QAccessibleWidget(widget, QAccessible::Client)
    {
        for (int index = 0; index < int(kFaceControls.size()); ++index) {
            auto *child = new FaceControlAccessible(widget, index);
            children_.push_back(QAccessible::registerAccessibleInterface(child));
        }
    }
    ~FaceAccessible() override
    {
        for (const QAccessible::Id id : children_)
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return int(children_.size()); }
    QAccessibleInterface *child(int index) const override
    {
        return index >= 0 && index < childCount() ? QAccessible::accessibleInterface(children_[index]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (int index = 0; index < childCount(); ++index)
            if (QAccessible::accessibleInterface(children_[index]) == child)
                return index;
        return -1;
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

void installFaceAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(faceFactory);
        return true;
    }();
    (void)installed;
}

} // namespace varnholt
