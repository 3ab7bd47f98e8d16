#include "platform/PlainText.h"

#include <QLabel>
#include <QTextDocument>

namespace varnholt {

QLabel *makePlainLabel(QWidget *parent, const QString &text)
{
    auto *label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    return label;
}

QString plainToolTip(const QString &text)
{
    if (text.isEmpty())
        return text;
    // Escaped and marked as rich text, so the hint shows the characters themselves.
    return Qt::convertFromPlainText(text, Qt::WhiteSpaceNormal);
}

QString plainWindowTitle(const QString &text)
{
    QString title = text;
    return title.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
}

QString plainMenuText(const QString &text)
{
    QString caption = text;
    return caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace varnholt
