#include "ui/CoreTexts.h"

#include "bonus/Chests.h"
#include "core/Bets.h"
#include "core/Reels.h"
#include "play/Spin.h"
#include "play/SpokenResult.h"
#include "sponsor/BrandRows.h"

#include <QCoreApplication>

#include <string>

namespace varnholt {

namespace {

// Every fixed text the rules hand to a window, spelled out so lupdate finds them. The checks
// below keep each mark equal to the text the rules use.
constexpr const char *kMessages[] = {
    QT_TRANSLATE_NOOP("CoreTexts", "You are out of credits...better borrow some!"),
    QT_TRANSLATE_NOOP("CoreTexts", "No bet was placed!"),
    QT_TRANSLATE_NOOP("CoreTexts", "Click on one of the Boxes!"),
};
static_assert(std::string_view(kMessages[0]) == kOutOfCreditsMessage);
static_assert(std::string_view(kMessages[1]) == kNoBetMessage);
static_assert(std::string_view(kMessages[2]) == kPickPromptMessage);

// By symbol number, as SpokenResult names them.
[[maybe_unused]] constexpr const char *kSymbols[] = {
    QT_TRANSLATE_NOOP("CoreTexts", "gold bars"),    QT_TRANSLATE_NOOP("CoreTexts", "knight"),
    QT_TRANSLATE_NOOP("CoreTexts", "horse"),        QT_TRANSLATE_NOOP("CoreTexts", "gold shield"),
    QT_TRANSLATE_NOOP("CoreTexts", "cross shield"), QT_TRANSLATE_NOOP("CoreTexts", "scrolls"),
    QT_TRANSLATE_NOOP("CoreTexts", "swords"),       QT_TRANSLATE_NOOP("CoreTexts", "skull"),
    QT_TRANSLATE_NOOP("CoreTexts", "Bonus"),        QT_TRANSLATE_NOOP("CoreTexts", "Wild"),
    QT_TRANSLATE_NOOP("CoreTexts", "blank"),
};

// The advert's brand rows: the brand names stay, the words around them are translated.
constexpr const char *kBrandTexts[] = {
    QT_TRANSLATE_NOOP("CoreTexts", "Apple Printers"),
    QT_TRANSLATE_NOOP("CoreTexts", "Brother Printers/Fax/Copiers"),
    QT_TRANSLATE_NOOP("CoreTexts", "Canon Printers/Fax/Copiers"),
    QT_TRANSLATE_NOOP("CoreTexts", "Epson Printers"),
    QT_TRANSLATE_NOOP("CoreTexts", "HP Printers/Fax/Copiers"),
    QT_TRANSLATE_NOOP("CoreTexts", "Lexmark Printers"),
    QT_TRANSLATE_NOOP("CoreTexts", "IBM Printers"),
    QT_TRANSLATE_NOOP("CoreTexts", "Panasonic Printers/Fax/Copiers"),
    QT_TRANSLATE_NOOP("CoreTexts", "Xerox Printers/FAX/Copiers"),
    QT_TRANSLATE_NOOP("CoreTexts", "Other Brands"),
    QT_TRANSLATE_NOOP("CoreTexts", "Save 40-80%"),
    QT_TRANSLATE_NOOP("CoreTexts", "Save 40-60%"),
    QT_TRANSLATE_NOOP("CoreTexts", "Save 50-80%"),
};

constexpr bool marked(std::string_view text)
{
    for (const char *mark : kBrandTexts)
        if (text == mark)
            return true;
    return false;
}

constexpr bool everyBrandRowMarked()
{
    for (const BrandRow &row : kBrandRows)
        if (!marked(row.caption) || !marked(row.saving))
            return false;
    return true;
}
static_assert(everyBrandRowMarked(), "a brand row's text is missing from kBrandTexts");

} // namespace

QString coreText(std::string_view english)
{
    const std::string text(english);
    return QCoreApplication::translate("CoreTexts", text.c_str());
}

QString recordErrorText(const RecordResult &result)
{
    const QString subject = QString::fromStdString(result.subject);
    switch (result.fault) {
    case RecordFault::UnableToWrite:
        return QCoreApplication::translate("CoreTexts", "Unable to write to %1").arg(subject);
    case RecordFault::NoSuchSlot:
        return QCoreApplication::translate("CoreTexts", "There is no saved-game slot %1.").arg(subject);
    case RecordFault::None:
        break;
    }
    return QString::fromStdString(result.error);
}

QString symbolText(int symbol) { return coreText(symbolName(symbol)); }

QString reelSymbols(int reel, int stop)
{
    QStringList names;
    for (const int symbol : visibleColumn(reel, stop))
        names << symbolText(symbol);
    return names.join(QStringLiteral(", "));
}

} // namespace varnholt
