#include "platform/MessageBox.h"

#include "platform/PlainText.h"

#include <QMessageBox>

namespace varnholt {

namespace {
class DesktopMessageSink final : public MessageSink {
public:
    void show(QWidget *owner, const QString &caption, const QString &text, MessageIcon icon) override
    {
        QMessageBox box(icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::Information,
                        caption, text, QMessageBox::Ok, owner);
        // Messages carry file paths and names from outside: never markup.
        box.setTextFormat(Qt::PlainText);
        box.setWindowTitle(plainWindowTitle(caption));
        box.exec();
    }
};
} // namespace

std::unique_ptr<MessageSink> makeDesktopMessageSink() { return std::make_unique<DesktopMessageSink>(); }

} // namespace varnholt
