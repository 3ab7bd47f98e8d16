#include "ui/DialogControls.h"

#include "platform/PlainText.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace varnholt {

QLabel *makeLabel(QWidget &parent, const QString &text, const QRect &place, const QFont &font, QColor colour,
                  Qt::Alignment alignment)
{
    QLabel *label = makePlainLabel(&parent, text);
    label->setFont(font);
    label->setAlignment(alignment);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->setGeometry(place);
    return label;
}

QPushButton *makeOkButton(QDialog &window, const QString &caption, const QRect &place)
{
    auto *button = new QPushButton(window.style()->standardIcon(QStyle::SP_DialogOkButton), caption, &window);
    button->setGeometry(place);
    button->setDefault(true);
    QObject::connect(button, &QPushButton::clicked, &window, &QDialog::accept);
    return button;
}

} // namespace varnholt
