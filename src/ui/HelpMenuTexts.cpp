#include "ui/HelpMenuTexts.h"

#include <QCoreApplication>

namespace varnholt {

QString manualMenuCaption(const std::string &windowTitle)
{
    QString title = QString::fromStdString(windowTitle);
    title.replace(u'&', QStringLiteral("&&"));
    return QCoreApplication::translate("TForm1", "&%1 Manual").arg(title);
}

QString versionMessage(const std::string &windowTitle, const std::string &versionText)
{
    return QString::fromStdString(windowTitle) + QStringLiteral("\r\n\r\n") +
           QCoreApplication::translate("TForm1", "Version:  %1").arg(QString::fromStdString(versionText));
}

} // namespace varnholt
