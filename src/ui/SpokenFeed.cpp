#include "ui/SpokenFeed.h"

#include "core/GameState.h"
#include "core/Input.h"
#include "play/PlayOutcome.h"
#include "play/SpokenResult.h"
#include "ui/FaceWidget.h"
#include "ui/SpokenNotice.h"
#include "ui/SpokenTexts.h"

namespace varnholt {

namespace {

PlayResult spokenFacts(const PlayOutcome &outcome, std::int32_t nudgesToUse)
{
    PlayResult result;
    result.paidLines = outcome.paidLines;
    result.lineCredits = outcome.lineCredits;
    result.vaultCredits = outcome.vaultCredits;
    result.vaultNudges = outcome.vaultNudges;
    result.nudgesWon = outcome.nudgesWon;
    result.nudgesToUse = nudgesToUse;
    return result;
}

} // namespace

void SpokenFeed::announce(const QString &text)
{
    face_.announce(text);
    notice_.say(text);
}

void SpokenFeed::announceResult(const PlayOutcome &outcome, const GameState &game)
{
    if (resultTold_)
        return;
    resultTold_ = true;
    announce(spokenPlayResult(spokenFacts(outcome, canNudge(game) ? game.Nudges : 0)));
}

void SpokenFeed::refreshNudgeOffer(PlayPhase phase, const GameState &game)
{
    face_.setNudgeOffered(mayRun(Command::Nudge, phase) && canNudge(game));
}

} // namespace varnholt
