#pragma once
// A modal box that asks the player for one line of text: a caption, a prompt line, an edit
// pre-filled with a text, OK and Cancel. Windows ask through it so that tests can answer
// without a box on the screen.

#include <QString>

#include <memory>
#include <optional>

class QWidget;

namespace varnholt {

inline constexpr int kInputBoxMaxLength = 255; // longest text the edit takes

class InputBox {
public:
    virtual ~InputBox() = default;
    // The text as the player left it on OK; nothing on Cancel or when the box is closed.
    virtual std::optional<QString> InputQuery(QWidget *owner, const QString &caption, const QString &prompt,
                                              const QString &text) = 0;
};

// The box on the desktop.
std::unique_ptr<InputBox> makeDesktopInputBox();

} // namespace varnholt
