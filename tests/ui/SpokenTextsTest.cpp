// The window hands the rules its translatable words; in English they must be exactly the rules'
// own, for every mix of lines, vault prizes and nudges.

#include "ui/SpokenTexts.h"

#include <gtest/gtest.h>

using namespace varnholt;

TEST(SpokenTexts, EnglishMatchesTheRulesSentencesForEveryMix)
{
    for (int lines = 0; lines < 8; ++lines)
        for (const std::int32_t lineCredits : {0, 1, 250})
            for (const std::int32_t vaultCredits : {0, 1, 40})
                for (const std::int32_t vaultNudges : {0, 1, 6})
                    for (const std::int32_t nudgesWon : {0, 1, 2, 13})
                        for (const std::int32_t nudgesToUse : {0, 1, 3}) {
                            PlayResult result;
                            for (int line = 0; line < kLineCount; ++line)
                                result.paidLines[std::size_t(line)] = (lines >> line) & 1;
                            result.lineCredits = lineCredits;
                            result.vaultCredits = vaultCredits;
                            result.vaultNudges = vaultNudges;
                            result.nudgesWon = nudgesWon;
                            result.nudgesToUse = nudgesToUse;
                            ASSERT_EQ(spokenPlayResult(result).toStdString(), describePlayResult(result))
                                << lines << ' ' << lineCredits << ' ' << vaultCredits << ' ' << vaultNudges
                                << ' ' << nudgesWon << ' ' << nudgesToUse;
                        }
}
