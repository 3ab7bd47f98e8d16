#pragma once
// The player's language: the game's translation from the program's folder and Qt's own for its
// standard buttons (OK, Cancel, ...), both for the given locale (the desktop's by default).

#include <QLocale>
#include <QString>

class QCoreApplication;

namespace varnholt {

// Installs both on the application, which owns them. Nothing is loaded for English or the C
// locale: the texts in the program are English. True when the game's translation was found.
bool installTranslations(QCoreApplication &app, const QString &programDir, const QLocale &locale = QLocale());

} // namespace varnholt
