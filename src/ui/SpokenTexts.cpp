#include "ui/SpokenTexts.h"

#include <QCoreApplication>

namespace varnholt {

namespace {

// Every text here is marked with QT_TRANSLATE_NOOP in the context "SpokenResult", with the
// English of PlayWords, so the rules' own sentences read in the player's language.
std::string spoken(const char *marked)
{
    return QCoreApplication::translate("SpokenResult", marked).toStdString();
}

PlayWords playWords()
{
    PlayWords words;
    words.wonOne = spoken(QT_TRANSLATE_NOOP("SpokenResult", "won %1 credit"));
    words.wonMany = spoken(QT_TRANSLATE_NOOP("SpokenResult", "won %1 credits"));
    words.rows = {spoken(QT_TRANSLATE_NOOP("SpokenResult", "top")),
                  spoken(QT_TRANSLATE_NOOP("SpokenResult", "middle")),
                  spoken(QT_TRANSLATE_NOOP("SpokenResult", "bottom"))};
    words.oneLine = spoken(QT_TRANSLATE_NOOP("SpokenResult", " on the %1 line"));
    words.twoLines = spoken(QT_TRANSLATE_NOOP("SpokenResult", " on the %1 and %2 lines"));
    words.allLines = spoken(QT_TRANSLATE_NOOP("SpokenResult", " on all three lines"));
    words.vaultToo = spoken(QT_TRANSLATE_NOOP("SpokenResult", " and %1 from the vault"));
    words.vaultOnly = spoken(QT_TRANSLATE_NOOP("SpokenResult", " from the vault"));
    words.nudgesWonOne = spoken(QT_TRANSLATE_NOOP("SpokenResult", "%1 nudge won"));
    words.nudgesWonMany = spoken(QT_TRANSLATE_NOOP("SpokenResult", "%1 nudges won"));
    words.vaultNudgesOne = spoken(QT_TRANSLATE_NOOP("SpokenResult", "the vault gave %1 nudge"));
    words.vaultNudgesMany = spoken(QT_TRANSLATE_NOOP("SpokenResult", "the vault gave %1 nudges"));
    words.noWin = spoken(QT_TRANSLATE_NOOP("SpokenResult", "no win"));
    words.toUseOne = spoken(QT_TRANSLATE_NOOP("SpokenResult", "%1 nudge to use: press 1, 2 or 3"));
    words.toUseMany = spoken(QT_TRANSLATE_NOOP("SpokenResult", "%1 nudges to use: press 1, 2 or 3"));
    words.counts = {
        spoken(QT_TRANSLATE_NOOP("SpokenResult", "no")),
        spoken(QT_TRANSLATE_NOOP("SpokenResult", "one")),
        spoken(QT_TRANSLATE_NOOP("SpokenResult", "two")),
        spoken(QT_TRANSLATE_NOOP("SpokenResult", "three")),
        spoken(QT_TRANSLATE_NOOP("SpokenResult", "four")),
        spoken(QT_TRANSLATE_NOOP("SpokenResult", "five")),
        spoken(QT_TRANSLATE_NOOP("SpokenResult", "six")),
        spoken(QT_TRANSLATE_NOOP("SpokenResult", "seven")),
        spoken(QT_TRANSLATE_NOOP("SpokenResult", "eight")),
        spoken(QT_TRANSLATE_NOOP("SpokenResult", "nine")),
        spoken(QT_TRANSLATE_NOOP("SpokenResult", "ten")),
        spoken(QT_TRANSLATE_NOOP("SpokenResult", "eleven")),
        spoken(QT_TRANSLATE_NOOP("SpokenResult", "twelve")),
    };
    return words;
}

} // namespace

QString spokenPlayResult(const PlayResult &result)
{
    return QString::fromStdString(describePlayResult(result, playWords()));
}

} // namespace varnholt
