#pragma once
// The desktop's widget style with the keyboard focus always drawn, and drawn boldly: the game
// is played from the keyboard, and a dialog opened by a shortcut must show at once which
// button or box Enter and Space will act on (the stock style shows focus only after a Tab).

#include <QProxyStyle>

namespace varnholt {

class FocusStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
};

} // namespace varnholt
