// The main window's part in what a screen reader is told: each play's result once, as the face
// shows it, and whether the nudge buttons take a press.

#include "ui/Unit1.h"

#include "core/Input.h"
#include "ui/FaceWidget.h"
#include "ui/SpokenNotice.h"
#include "ui/SpokenTexts.h"

#include <algorithm>

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

void TForm1::startResult() { resultAnnounced_ = false; }

void TForm1::announce(const QString &text)
{
    faceWidget_->announce(text);
    notice_->say(text);
}

void TForm1::announceResult()
{
    if (resultAnnounced_)
        return;
    resultAnnounced_ = true;
    announce(spokenPlayResult(spokenFacts(outcome_, canNudge(Game) ? Game.Nudges : 0)));
}

void TForm1::refreshNudgeOffer()
{
    if (faceWidget_)
        faceWidget_->setNudgeOffered(mayRun(Command::Nudge, phase_) && canNudge(Game));
}

} // namespace varnholt
