#include "ui/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace varnholt {

namespace {
bool install(QCoreApplication &app, const QLocale &locale, const QString &name, const QString &dir)
{
    auto *translator = new QTranslator(&app);
    if (translator->load(locale, name, QStringLiteral("_"), dir) &&
        QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}
} // namespace

bool installTranslations(QCoreApplication &app, const QString &programDir, const QLocale &locale)
{
    // The first language the player reads; LANGUAGE can put one before the locale's own.
    const QString first = locale.uiLanguages().value(0);
    if (first.isEmpty() || first == QLatin1String("C") || first.startsWith(QLatin1String("en")))
        return false;
    install(app, locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return install(app, locale, QStringLiteral("varnholt-slots"), programDir);
}

} // namespace varnholt
