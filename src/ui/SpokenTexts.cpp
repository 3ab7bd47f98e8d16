#include "ui/SpokenTexts.h"

#include "platform/Plurals.h"

#include <QCoreApplication>
#include <QLocale>

#include <array>

namespace varnholt {

namespace {

constexpr const char *kContext = "SpokenResult";

// By PaidRows: a win on those lines alone, and the same with the vault's credits too.
// clang-format off
constexpr std::array<const char *, 8> kWon{
    //: Spoken after a spin; %n is every credit won. The paid lines were not named.
    QT_TRANSLATE_N_NOOP("SpokenResult", "Won %Ln credit(s)."),
    //: Spoken after a spin; %n is the credits won on the machine's top pay line.
    QT_TRANSLATE_N_NOOP("SpokenResult", "Won %Ln credit(s) on the top line."),
    //: Spoken after a spin; %n is the credits won on the middle pay line.
    QT_TRANSLATE_N_NOOP("SpokenResult", "Won %Ln credit(s) on the middle line."),
    //: Spoken after a spin; %n is the credits won on the bottom pay line.
    QT_TRANSLATE_N_NOOP("SpokenResult", "Won %Ln credit(s) on the bottom line."),
    //: Spoken after a spin; %n is the credits won on two pay lines together.
    QT_TRANSLATE_N_NOOP("SpokenResult", "Won %Ln credit(s) on the top and middle lines."),
    //: Spoken after a spin; %n is the credits won on two pay lines together.
    QT_TRANSLATE_N_NOOP("SpokenResult", "Won %Ln credit(s) on the top and bottom lines."),
    //: Spoken after a spin; %n is the credits won on two pay lines together.
    QT_TRANSLATE_N_NOOP("SpokenResult", "Won %Ln credit(s) on the middle and bottom lines."),
    //: Spoken after a spin; %n is the credits won on the three pay lines together.
    QT_TRANSLATE_N_NOOP("SpokenResult", "Won %Ln credit(s) on all three lines."),
};
constexpr std::array<const char *, 8> kWonWithVault{
    //: Spoken after a spin; %n is every credit won, %1 the part of it the bonus vault paid.
    QT_TRANSLATE_N_NOOP("SpokenResult", "Won %Ln credit(s) and %1 from the vault."),
    //: Spoken after a spin; %n is every credit won, %1 the part of it the bonus vault paid.
    QT_TRANSLATE_N_NOOP("SpokenResult", "Won %Ln credit(s) on the top line and %1 from the vault."),
    //: Spoken after a spin; %n is every credit won, %1 the part of it the bonus vault paid.
    QT_TRANSLATE_N_NOOP("SpokenResult", "Won %Ln credit(s) on the middle line and %1 from the vault."),
    //: Spoken after a spin; %n is every credit won, %1 the part of it the bonus vault paid.
    QT_TRANSLATE_N_NOOP("SpokenResult", "Won %Ln credit(s) on the bottom line and %1 from the vault."),
    //: Spoken after a spin; %n is every credit won, %1 the part of it the bonus vault paid.
    QT_TRANSLATE_N_NOOP("SpokenResult", "Won %Ln credit(s) on the top and middle lines and %1 from the vault."),
    //: Spoken after a spin; %n is every credit won, %1 the part of it the bonus vault paid.
    QT_TRANSLATE_N_NOOP("SpokenResult", "Won %Ln credit(s) on the top and bottom lines and %1 from the vault."),
    //: Spoken after a spin; %n is every credit won, %1 the part of it the bonus vault paid.
    QT_TRANSLATE_N_NOOP("SpokenResult", "Won %Ln credit(s) on the middle and bottom lines and %1 from the vault."),
    //: Spoken after a spin; %n is every credit won, %1 the part of it the bonus vault paid.
    QT_TRANSLATE_N_NOOP("SpokenResult", "Won %Ln credit(s) on all three lines and %1 from the vault."),
};
// Small counts of nudges, spoken as words (a nudge moves one reel a step).
constexpr std::array<const char *, 13> kCounts{
    //: A count of nudges as a word: none.
    QT_TRANSLATE_NOOP("SpokenResult", "no"),
    //: A count of nudges as a word (a nudge: one step of one reel).
    QT_TRANSLATE_NOOP("SpokenResult", "one"),
    //: A count of nudges as a word.
    QT_TRANSLATE_NOOP("SpokenResult", "two"),
    //: A count of nudges as a word.
    QT_TRANSLATE_NOOP("SpokenResult", "three"),
    //: A count of nudges as a word.
    QT_TRANSLATE_NOOP("SpokenResult", "four"),
    //: A count of nudges as a word.
    QT_TRANSLATE_NOOP("SpokenResult", "five"),
    //: A count of nudges as a word.
    QT_TRANSLATE_NOOP("SpokenResult", "six"),
    //: A count of nudges as a word.
    QT_TRANSLATE_NOOP("SpokenResult", "seven"),
    //: A count of nudges as a word.
    QT_TRANSLATE_NOOP("SpokenResult", "eight"),
    //: A count of nudges as a word.
    QT_TRANSLATE_NOOP("SpokenResult", "nine"),
    //: A count of nudges as a word.
    QT_TRANSLATE_NOOP("SpokenResult", "ten"),
    //: A count of nudges as a word.
    QT_TRANSLATE_NOOP("SpokenResult", "eleven"),
    //: A count of nudges as a word.
    QT_TRANSLATE_NOOP("SpokenResult", "twelve"),
};
// clang-format on

QString countWord(std::int32_t n)
{
    return n >= 0 && n < std::int32_t(kCounts.size())
               ? QCoreApplication::translate(kContext, kCounts[std::size_t(n)])
               : QLocale().toString(n);
}

// A count word may open the sentence.
std::string sentence(QString text)
{
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text.toStdString();
}

PlayWords playWords()
{
    PlayWords words;
    words.won = [](std::int32_t credits, PaidRows rows, std::int32_t vaultCredits) {
        const std::size_t row = std::size_t(rows);
        if (vaultCredits <= 0)
            return countedText(kContext, kWon[row], credits).toStdString();
        if (vaultCredits == credits)
            //: Spoken after the bonus vault paid credits; %n is the credits.
            return countedText(kContext,
                               QT_TRANSLATE_N_NOOP("SpokenResult", "Won %Ln credit(s) from the vault."),
                               credits)
                .toStdString();
        return countedText(kContext, kWonWithVault[row], credits)
            .arg(QLocale().toString(vaultCredits))
            .toStdString();
    };
    words.nudgesWon = [](std::int32_t n) {
        //: Spoken after a spin; %1 is a count word ("two"), %n picks the plural form.
        return sentence(countedText(kContext, QT_TRANSLATE_N_NOOP("SpokenResult", "%1 nudge(s) won."), n)
                            .arg(countWord(n)));
    };
    words.vaultNudges = [](std::int32_t n) {
        //: Spoken after the bonus vault's prize of nudges; %1 is a count word ("six").
        return sentence(
            countedText(kContext, QT_TRANSLATE_N_NOOP("SpokenResult", "The vault gave %1 nudge(s)."), n)
                .arg(countWord(n)));
    };
    words.nudgesToUse = [](std::int32_t n) {
        //: Spoken while nudges may be used; the keys 1, 2 and 3 nudge the three reels.
        return countedText(kContext,
                           QT_TRANSLATE_N_NOOP("SpokenResult", "%Ln nudge(s) to use: press 1, 2 or 3."), n)
            .toStdString();
    };
    //: Spoken after a spin that won nothing.
    words.noWin =
        QCoreApplication::translate(kContext, QT_TRANSLATE_NOOP("SpokenResult", "No win.")).toStdString();
    return words;
}

} // namespace

QString spokenPlayResult(const PlayResult &result)
{
    return QString::fromStdString(describePlayResult(result, playWords()));
}

} // namespace varnholt
