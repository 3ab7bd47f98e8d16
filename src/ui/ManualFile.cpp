#include "ui/ManualFile.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace varnholt {

std::string manualFile(const std::string &exeDir, const std::string &exeStem, const QStringList &uiLanguages)
{
    const std::string english = exeDir + exeStem + ".hlp";
    // The language alone, without its country or script: "de-DE" and "de_AT" read the German one.
    // Only plain language codes become part of a file name.
    static const QRegularExpression language("^([A-Za-z]{2,3})(?:[-_]|$)");
    for (const QString &tag : uiLanguages) {
        const QRegularExpressionMatch match = language.match(tag);
        if (!match.hasMatch())
            continue;
        const std::string code = match.captured(1).toLower().toStdString();
        if (code == "en")
            return english;
        const std::string translated = exeDir + exeStem + "." + code + ".hlp";
        if (QFileInfo(QString::fromStdString(translated)).isFile())
            return translated;
    }
    return english;
}

} // namespace varnholt
