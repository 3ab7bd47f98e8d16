#pragma once
// The help key: F1 anywhere in the program asks for the topic of the widget that has the keyboard
// focus, or of the nearest enclosing widget that has one (the contents when none has).

#include <QObject>

#include <functional>

namespace varnholt {

class HelpKeyFilter final : public QObject {
public:
    explicit HelpKeyFilter(std::function<void(int topic)> showTopic, QObject *parent = nullptr)
        : QObject(parent), showTopic_(std::move(showTopic))
    {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void(int)> showTopic_;
};

} // namespace varnholt
