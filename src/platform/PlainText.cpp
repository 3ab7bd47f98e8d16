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

QString isolatedText(const QString &text) { return QChar(0x2068) + text + QChar(0x2069); }

} // namespace varnholt
