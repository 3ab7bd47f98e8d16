#pragma once
// Modal messages to the player: a fixed text, an icon and one OK button, the window title as
// caption. Windows show them through a sink so that tests can read them without blocking.

#include <QString>

#include <memory>

class QWidget;

namespace varnholt {

enum class MessageIcon { Information, Error };

class MessageSink {
public:
    virtual ~MessageSink() = default;
    // Returns when the player has dismissed the message.
    virtual void show(QWidget *owner, const QString &caption, const QString &text, MessageIcon icon) = 0;
};

// Modal message boxes on the desktop.
std::unique_ptr<MessageSink> makeDesktopMessageSink();

} // namespace varnholt
