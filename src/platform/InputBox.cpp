#include "platform/InputBox.h"

#include "platform/PlainText.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace varnholt {

namespace {
class DesktopInputBox final : public InputBox {
public:
    std::optional<QString> InputQuery(QWidget *owner, const QString &caption, const QString &prompt,
                                      const QString &text) override
    {
        QDialog box(owner);
        box.setWindowTitle(plainWindowTitle(caption));
        box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint);
        auto *layout = new QVBoxLayout(&box);
        layout->addWidget(makePlainLabel(&box, prompt));
        auto *edit = new QLineEdit(&box);
        edit->setMaxLength(kInputBoxMaxLength);
        edit->setText(text.left(kInputBoxMaxLength));
        edit->selectAll();
        edit->setMinimumWidth(280);
        layout->addWidget(edit);
        auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &box);
        QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
        QObject::connect(buttons, &QDialogButtonBox::rejected, &box, &QDialog::reject);
        layout->addWidget(buttons);
        layout->setSizeConstraint(QLayout::SetFixedSize);
        edit->setFocus();
        if (box.exec() != QDialog::Accepted)
            return std::nullopt;
        return edit->text();
    }
};
} // namespace

std::unique_ptr<InputBox> makeDesktopInputBox() { return std::make_unique<DesktopInputBox>(); }

} // namespace varnholt
