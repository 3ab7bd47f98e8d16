#include "ui/VaultAccessible.h"

#include "bonus/ChestKeys.h"
#include "core/Input.h"
#include "ui/LeafAccessible.h"
#include "ui/SpokenNotice.h"
#include "ui/Unit2.h"

#include <QAccessibleWidget>
#include <QMetaObject>
#include <QPointer>

#include <array>
#include <vector>

namespace varnholt {

namespace {

// By chest, as the room shows them.
constexpr std::array<const char *, kChestCount> kChestLooks{
    QT_TRANSLATE_NOOP("TTrickForm", "large chest, front left"),
    QT_TRANSLATE_NOOP("TTrickForm", "large chest, front right"),
    QT_TRANSLATE_NOOP("TTrickForm", "small chest, back right"),
    QT_TRANSLATE_NOOP("TTrickForm", "small chest, back left"),
    QT_TRANSLATE_NOOP("TTrickForm", "middle chest"),
};

class ChestAccessible : public LeafAccessible, public QAccessibleActionInterface {
public:
    ChestAccessible(TTrickForm *vault, int place) : vault_(vault), place_(place) {}

    bool isValid() const override { return vault_ && vault_->chestRoom(); }
    QWindow *window() const override { return vault_ ? vault_->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override
    {
        return vault_ ? QAccessible::queryAccessibleInterface(vault_->chestRoom()) : nullptr;
    }

    QString text(QAccessible::Text t) const override
    {
        if (!isValid() || t != QAccessible::Name)
            return {};
        QString name =
            TTrickForm::tr("Chest %1: %2").arg(place_ + 1).arg(TTrickForm::tr(kChestLooks[chest()]));
        if (vault_->pickedChest() == chest() + 1)
            name = TTrickForm::tr("%1, opened: %2").arg(name, vault_->spokenPrizeText());
        return name;
    }
    QRect rect() const override
    {
        if (!isValid())
            return {};
        const ChestRect r = chestRect(chest());
        const QWidget *room = vault_->chestRoom();
        return QRect(room->mapToGlobal(QPoint(r.left, r.top)),
                     QPoint(room->mapToGlobal(QPoint(r.right, r.bottom))));
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid())
            return s;
        s.invisible = !vault_->isVisible();
        s.selectable = s.focusable = !vault_->boxPicked();
        s.selected = s.focused = vault_->highlightedChest() == chest() + 1;
        s.disabled = vault_->boxPicked() && vault_->pickedChest() != chest() + 1;
        return s;
    }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this)
                                                    : nullptr;
    }

    // A press picks the chest, as its number key does, once the screen reader's call has returned.
    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString &) const override { return {QString::number(place_ + 1)}; }
    void doAction(const QString &name) override
    {
        if (name != pressAction() || !isValid())
            return;
        QMetaObject::invokeMethod(
            vault_.data(),
            [vault = vault_, key = kKey1 + place_] {
                if (vault)
                    vault->FormKeyDown(key);
            },
            Qt::QueuedConnection);
    }

private:
    int chest() const { return kChestsLeftToRight[std::size_t(place_)]; }

    QPointer<TTrickForm> vault_;
    int place_;
};

class ChestRoomAccessible : public QAccessibleWidget {
public:
    ChestRoomAccessible(QWidget *room, TTrickForm *vault)
        : QAccessibleWidget(room, QAccessible::List), vault_(vault)
    {
        for (int place = 0; place < kChestCount; ++place)
            children_.push_back(QAccessible::registerAccessibleInterface(new ChestAccessible(vault, place)));
    }
    ~ChestRoomAccessible() override
    {
        for (const QAccessible::Id id : children_)
            QAccessible::deleteAccessibleInterface(id);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return TTrickForm::tr("Chests");
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return int(children_.size()); }
    QAccessibleInterface *child(int index) const override
    {
        return index >= 0 && index < childCount()
                   ? QAccessible::accessibleInterface(children_[std::size_t(index)])
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (int index = 0; index < childCount(); ++index)
            if (QAccessible::accessibleInterface(children_[std::size_t(index)]) == child)
                return index;
        return -1;
    }
    QAccessibleInterface *focusChild() const override
    {
        for (int place = 0; place < kChestCount; ++place)
            if (vault_ && vault_->highlightedChest() == kChestsLeftToRight[std::size_t(place)] + 1)
                return child(place);
        return nullptr;
    }

private:
    QPointer<TTrickForm> vault_;
    std::vector<QAccessible::Id> children_;
};

QAccessibleInterface *vaultFactory(const QString &, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    auto *vault = widget ? dynamic_cast<TTrickForm *>(widget->parentWidget()) : nullptr;
    if (vault && vault->chestRoom() == widget)
        return new ChestRoomAccessible(widget, vault);
    return nullptr;
}

void tell(TTrickForm &vault, int place, QAccessible::Event what)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(vault.chestRoom(), what);
    event.setChild(place);
    QAccessible::updateAccessibility(&event);
}

} // namespace

void installVaultAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(vaultFactory);
        return true;
    }();
    (void)installed;
}

void vaultHighlightMoved(TTrickForm &vault, int place)
{
    tell(vault, place, QAccessible::Focus);
    tell(vault, place, QAccessible::Selection);
}

void vaultChestPicked(TTrickForm &vault, int place)
{
    tell(vault, place, QAccessible::NameChanged);
    // The chest is not where the screen reader is, so its new name is said aloud as well.
    if (QAccessibleInterface *room = QAccessible::queryAccessibleInterface(vault.chestRoom()))
        if (QAccessibleInterface *chest = room->child(place))
            vault.notice().say(chest->text(QAccessible::Name));
}

} // namespace varnholt
