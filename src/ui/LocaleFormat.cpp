#include "ui/LocaleFormat.h"

#include <QDate>
#include <QLocale>

namespace varnholt {

namespace {
bool keepsGameForms(const QLocale &locale)
{
    return locale.language() == QLocale::English || locale.language() == QLocale::C;
}
} // namespace

QString shownInteger(std::int64_t value)
{
    const QLocale locale;
    return keepsGameForms(locale) ? QString::number(value) : locale.toString(qlonglong(value));
}

QString shownGameDate(const std::string &gameDate)
{
    const QString text = QString::fromStdString(gameDate);
    const QLocale locale;
    if (keepsGameForms(locale))
        return text;
    // Two-digit years are this century's, as the game writes them.
    const QDate date = QDate::fromString(text, QStringLiteral("MM/dd/yy")).addYears(100);
    return date.isValid() ? locale.toString(date, QLocale::ShortFormat) : text;
}

} // namespace varnholt
