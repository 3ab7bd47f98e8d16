#include "ui/MenuBarKeys.h"

#include <QApplication>
#include <QFocusEvent>
#include <QMenuBar>
#include <QMetaObject>
#include <QPointer>

namespace varnholt {

namespace {

class KeysBackToFace : public QObject {
public:
    KeysBackToFace(QMenuBar &bar, QWidget &face) : QObject(&bar), bar_(&bar), face_(&face) {}

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::FocusIn &&
            static_cast<QFocusEvent *>(event)->reason() != Qt::MenuBarFocusReason)
            // Once the menu bar has settled: moving along the bar opens the next menu first.
            QMetaObject::invokeMethod(
                this, [this] { giveBack(); }, Qt::QueuedConnection);
        return false;
    }

private:
    void giveBack()
    {
        if (bar_ && face_ && bar_->hasFocus() && !QApplication::activePopupWidget())
            face_->setFocus(Qt::OtherFocusReason);
    }

    QPointer<QMenuBar> bar_;
    QPointer<QWidget> face_;
};

} // namespace

void giveKeysBackAfterMenus(QMenuBar &bar, QWidget &face)
{
    bar.installEventFilter(new KeysBackToFace(bar, face));
}

} // namespace varnholt
