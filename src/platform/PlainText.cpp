#include "platform/PlainText.h"

#include <QLabel>

namespace varnholt {

QLabel *makePlainLabel(QWidget *parent, const QString &text)
{
    auto *label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    return label;
}

QString plainWindowTitle(const QString &text)
{
    QString title = text;
    return title.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
}

} // namespace varnholt
