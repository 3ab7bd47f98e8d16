#pragma once
// A sentence a screen reader speaks as soon as it is said, wherever the keyboard focus is: the
// result of a spin, a borrow's new balance, a saved game. Nothing is drawn; screen readers see a
// status bar holding one notification that shows each time a sentence is said, which even
// screen readers that cannot be told a sentence directly speak once.

#include <QString>
#include <QWidget>

namespace varnholt {

class SpokenNotice : public QWidget {
public:
    // Placed in `window` without size; the window owns it.
    explicit SpokenNotice(QWidget *window);

    // Spoken once each time, a repeat again.
    void say(const QString &sentence);
    const QString &sentence() const { return sentence_; }

    // The notification inside, once something was said: the object whose showing screen readers
    // speak.
    QWidget *line() const { return line_; }

private:
    QWidget *line_ = nullptr;
    QString sentence_;
};

} // namespace varnholt
