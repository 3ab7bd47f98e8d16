#include "ui/SpokenNotice.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QtGlobal>

namespace varnholt {

namespace {

constexpr const char *kLineName = "spokenNoticeLine";

// The status bar and its notification are reported as visible though they take no room: a
// screen reader ignores what it is told of hidden objects.
class NoticeAccessible : public QAccessibleWidget {
public:
    NoticeAccessible(QWidget *widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && role() == QAccessible::Notification)
            return static_cast<const SpokenNotice *>(widget()->parentWidget())->sentence();
        if (t == QAccessible::Name || t == QAccessible::Description)
            return {};
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.readOnly = true;
        return s;
    }
};

QAccessibleInterface *noticeFactory(const QString &, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    if (widget->objectName() == QLatin1String(kLineName) &&
        dynamic_cast<SpokenNotice *>(widget->parentWidget()))
        return new NoticeAccessible(widget, QAccessible::Notification);
    if (dynamic_cast<SpokenNotice *>(widget))
        return new NoticeAccessible(widget, QAccessible::StatusBar);
    return nullptr;
}

} // namespace

SpokenNotice::SpokenNotice(QWidget *window) : QWidget(window)
{
    static const bool installed = [] {
        QAccessible::installFactory(noticeFactory);
        return true;
    }();
    (void)installed;
    setGeometry(0, 0, 0, 0);
    setFocusPolicy(Qt::NoFocus);
}

void SpokenNotice::say(const QString &sentence)
{
    sentence_ = sentence;
    // Each sentence gets a notification of its own: a screen reader may keep an object's name
    // from before, and a new object has none to keep.
    delete line_;
    line_ = new QWidget(this);
    line_->setObjectName(QLatin1String(kLineName));
    line_->setGeometry(0, 0, 0, 0);
    // Hidden to Qt, so showing the window does not show it again; screen readers see it as
    // showing once it is said.
    line_->hide();
    if (!QAccessible::isActive())
        return;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Where Qt can tell a sentence directly, it is told once that way.
    QAccessibleAnnouncementEvent announcement(line_, sentence);
    QAccessible::updateAccessibility(&announcement);
#else
    QAccessibleEvent created(line_, QAccessible::ObjectCreated);
    QAccessible::updateAccessibility(&created);
    QAccessibleEvent shown(line_, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
#endif
}

} // namespace varnholt
