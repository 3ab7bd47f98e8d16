#include "ui/SpokenTexts.h"

#include <QCoreApplication>
#include <QStringList>

#include <array>

namespace varnholt {

namespace {

// Every text here is marked with QT_TRANSLATE_NOOP in the context "SpokenResult".
QString spoken(const char *marked) { return QCoreApplication::translate("SpokenResult", marked); }

// Small counts read better as words.
QString countText(std::int32_t n)
{
    static constexpr std::array<const char *, 13> kWords{
        QT_TRANSLATE_NOOP("SpokenResult", "no"),     QT_TRANSLATE_NOOP("SpokenResult", "one"),
        QT_TRANSLATE_NOOP("SpokenResult", "two"),    QT_TRANSLATE_NOOP("SpokenResult", "three"),
        QT_TRANSLATE_NOOP("SpokenResult", "four"),   QT_TRANSLATE_NOOP("SpokenResult", "five"),
        QT_TRANSLATE_NOOP("SpokenResult", "six"),    QT_TRANSLATE_NOOP("SpokenResult", "seven"),
        QT_TRANSLATE_NOOP("SpokenResult", "eight"),  QT_TRANSLATE_NOOP("SpokenResult", "nine"),
        QT_TRANSLATE_NOOP("SpokenResult", "ten"),    QT_TRANSLATE_NOOP("SpokenResult", "eleven"),
        QT_TRANSLATE_NOOP("SpokenResult", "twelve"),
    };
    return n >= 0 && n < std::int32_t(kWords.size()) ? spoken(kWords[std::size_t(n)]) : QString::number(n);
}

// The English words of one and of many, each with its number as %1.
QString counted(std::int32_t n, const char *one, const char *many, const QString &number)
{
    return spoken(n == 1 ? one : many).arg(number);
}

// " on the top line", " on the top and middle lines", " on all three lines"; top to bottom.
QString linesText(const std::array<bool, kLineCount> &paid)
{
    static constexpr std::array<const char *, 3> kRowNames{QT_TRANSLATE_NOOP("SpokenResult", "top"),
                                                           QT_TRANSLATE_NOOP("SpokenResult", "middle"),
                                                           QT_TRANSLATE_NOOP("SpokenResult", "bottom")};
    QStringList names;
    for (int row = 0; row < 3; ++row)
        for (int line = 0; line < kLineCount; ++line)
            if (paid[std::size_t(line)] && kLineRows[std::size_t(line)] == row)
                names << spoken(kRowNames[std::size_t(row)]);
    switch (names.size()) {
    case 0:
        return {};
    case 1:
        return spoken(QT_TRANSLATE_NOOP("SpokenResult", " on the %1 line")).arg(names[0]);
    case 2:
        return spoken(QT_TRANSLATE_NOOP("SpokenResult", " on the %1 and %2 lines")).arg(names[0], names[1]);
    default:
        return spoken(QT_TRANSLATE_NOOP("SpokenResult", " on all three lines"));
    }
}

} // namespace

QString spokenPlayResult(const PlayResult &result)
{
    QStringList sentences;
    const auto sentence = [&sentences](QString part) {
        if (!part.isEmpty())
            part[0] = part[0].toUpper();
        sentences << part + u'.';
    };

    const std::int32_t credits = result.lineCredits + result.vaultCredits;
    if (credits > 0) {
        QString won = counted(credits, QT_TRANSLATE_NOOP("SpokenResult", "won %1 credit"),
                              QT_TRANSLATE_NOOP("SpokenResult", "won %1 credits"), QString::number(credits));
        if (result.lineCredits > 0)
            won += linesText(result.paidLines);
        if (result.vaultCredits > 0)
            won += result.lineCredits > 0
                       ? spoken(QT_TRANSLATE_NOOP("SpokenResult", " and %1 from the vault"))
                             .arg(result.vaultCredits)
                       : spoken(QT_TRANSLATE_NOOP("SpokenResult", " from the vault"));
        sentence(won);
    }
    if (result.nudgesWon > 0)
        sentence(counted(result.nudgesWon, QT_TRANSLATE_NOOP("SpokenResult", "%1 nudge won"),
                         QT_TRANSLATE_NOOP("SpokenResult", "%1 nudges won"), countText(result.nudgesWon)));
    if (result.vaultNudges > 0)
        sentence(counted(result.vaultNudges, QT_TRANSLATE_NOOP("SpokenResult", "the vault gave %1 nudge"),
                         QT_TRANSLATE_NOOP("SpokenResult", "the vault gave %1 nudges"),
                         countText(result.vaultNudges)));
    if (sentences.isEmpty())
        sentence(spoken(QT_TRANSLATE_NOOP("SpokenResult", "no win")));
    if (result.nudgesToUse > 0)
        sentence(counted(result.nudgesToUse,
                         QT_TRANSLATE_NOOP("SpokenResult", "%1 nudge to use: press 1, 2 or 3"),
                         QT_TRANSLATE_NOOP("SpokenResult", "%1 nudges to use: press 1, 2 or 3"),
                         QString::number(result.nudgesToUse)));
    return sentences.join(u' ');
}

} // namespace varnholt
