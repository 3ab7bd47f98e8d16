#pragma once
// A label the player can press: a text link of a side window.

#include <QLabel>

#include <functional>

namespace varnholt {

class LinkLabel : public QLabel {
public:
    // Plain text: a link's caption may be a name from outside (the print server's).
    explicit LinkLabel(QWidget *parent = nullptr) : QLabel(parent) { setTextFormat(Qt::PlainText); }

    std::function<void()> onClick;

protected:
    void mousePressEvent(QMouseEvent *event) override;
};

} // namespace varnholt
