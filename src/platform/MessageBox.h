#pragma once
// Modal messages to the player: a fixed text, an icon and one OK button, the window title as
// caption. Windows show them through a sink so that tests can read them without blocking.

#include <QString>

#include <memory>

class QWidget;
class QMessageBox;

namespace varnholt {

enum class MessageIcon { Information, Error };

class MessageSink {
public:
    virtual ~MessageSink() = default;
    // Returns when the player has dismissed the message.
    virtual void show(QWidget *owner, const QString &caption, const QString &text, MessageIcon icon) = 0;
};

// The width a window needs for its caption to show whole in a title bar.
int captionWidth(const QString &caption);

// Widens a message box to its caption: the box's own sizing only counts its text.
void fitCaption(QMessageBox &box);

// Modal message boxes on the desktop.
std::unique_ptr<MessageSink> makeDesktopMessageSink();

} // namespace varnholt
