#include "platform/FocusStyle.h"

#include <QPainter>
#include <QStyleOption>

namespace varnholt {

namespace {

bool hasFocus(const QStyleOption *option) { return option && (option->state & QStyle::State_HasFocus); }

// A frame two pixels wide in the highlight colour, just inside `area`.
void drawFocusFrame(QPainter &painter, const QStyleOption &option, const QRect &area)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(option.palette.color(QPalette::Active, QPalette::Highlight), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(area).adjusted(1, 1, -1, -1));
    painter.restore();
}

} // namespace

void FocusStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                               const QWidget *widget) const
{
    if (element == PE_FrameFocusRect && option && painter) {
        drawFocusFrame(*painter, *option, option->rect);
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    if (element == PE_FrameLineEdit && hasFocus(option) && painter)
        drawFocusFrame(*painter, *option, option->rect);
}

void FocusStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                             const QWidget *widget) const
{
    QProxyStyle::drawControl(element, option, painter, widget);
    if (!hasFocus(option) || !painter)
        return;
    if (element == CE_PushButton)
        drawFocusFrame(*painter, *option, option->rect.adjusted(1, 1, -1, -1));
    else if (element == CE_RadioButton || element == CE_CheckBox)
        drawFocusFrame(*painter, *option, option->rect);
}

} // namespace varnholt
