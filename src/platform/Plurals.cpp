#include "platform/Plurals.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

#include <algorithm>
#include <climits>

namespace varnholt {

namespace {

// Qt's own filling of %n and %Ln, for a form that no installed catalogue supplied.
QString filledIn(QString text, int n)
{
    text.replace(QLatin1String("%Ln"), QLocale().toString(n));
    text.replace(QLatin1String("%n"), QString::number(n));
    return text;
}

const QTranslator &englishForms()
{
    static QTranslator *english = [] {
        auto *translator = new QTranslator; // outlives every window; never installed
        if (!translator->load(QStringLiteral(":/i18n/varnholt-slots_en.qm")))
            qWarning("The English plural forms are missing from the program.");
        return translator;
    }();
    return *english;
}

} // namespace

QString countedText(const char *context, const char *text, long long n, const char *comment)
{
    const int count = int(std::clamp<long long>(n, INT_MIN, INT_MAX));
    const QString translated = QCoreApplication::translate(context, text, comment, count);
    const QString untranslated = filledIn(QString::fromUtf8(text), count);
    if (translated != untranslated)
        return translated;
    const QString english = englishForms().translate(context, text, comment, count);
    return english.isEmpty() ? untranslated : filledIn(english, count);
}

} // namespace varnholt
