#pragma once
// What every drawn part that screen readers see has in common: no object of its own, no
// children, and a text that the player cannot edit.

#include <QAccessibleInterface>

namespace varnholt {

class LeafAccessible : public QAccessibleInterface {
public:
    QObject *object() const override { return nullptr; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *focusChild() const override { return nullptr; }
    void setText(QAccessible::Text, const QString &) override {}
};

} // namespace varnholt
