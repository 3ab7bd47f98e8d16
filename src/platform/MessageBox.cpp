#include "platform/MessageBox.h"

#include "platform/PlainText.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace varnholt {

int captionWidth(const QString &caption)
{
    // The title bar's font is the window manager's; the desktop's bold font is a fair guess, with
    // room for the window's icon and its close button on either side.
    QFont titleFont = QApplication::font();
    titleFont.setBold(true);
    constexpr int kTitleBarButtons = 120;
    return QFontMetrics(titleFont).horizontalAdvance(caption) + kTitleBarButtons;
}

void fitCaption(QMessageBox &box)
{
    // The box sizes itself to its text alone; a spacer as wide as the caption keeps the window
    // manager from cutting the caption short ("Va…ots").
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout()))
        grid->addItem(
            new QSpacerItem(captionWidth(box.windowTitle()), 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
            grid->rowCount(), 0, 1, grid->columnCount());
}

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
        fitCaption(box);
        box.exec();
    }
};
} // namespace

std::unique_ptr<MessageSink> makeDesktopMessageSink() { return std::make_unique<DesktopMessageSink>(); }

} // namespace varnholt
