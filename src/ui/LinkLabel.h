#pragma once
// A label the player can press: a text link of a side window.

#include <QLabel>

#include <functional>

namespace varnholt {

class LinkLabel : public QLabel {
public:
    explicit LinkLabel(QWidget *parent = nullptr) : QLabel(parent) {}

    std::function<void()> onClick;

protected:
    void mousePressEvent(QMouseEvent *event) override;
};

} // namespace varnholt
