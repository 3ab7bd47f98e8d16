// The main window's part in what a screen reader is told: each play's result once, as the face
// shows it, and whether the nudge buttons take a press.

#include "ui/Unit1.h"

#include "core/Input.h"
#include "ui/FaceWidget.h"
#include "ui/SpokenNotice.h"
#include "ui/SpokenTexts.h"

#include <algorithm>

namespace varnholt {

void TForm1::startResult()
{
    result_ = PlayResult{};
    resultAnnounced_ = false;
    vaultLinePending_ = false;
    nudgesBeforeJudging_ = Game.Nudges;
}

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
    result_.lineCredits = std::max(0, Game.SpinWin - result_.vaultCredits);
    result_.nudgesWon = std::max(0, Game.Nudges - nudgesBeforeJudging_ - result_.vaultNudges);
    result_.nudgesToUse = canNudge(Game) ? Game.Nudges : 0;
    announce(spokenPlayResult(result_));
}

void TForm1::refreshNudgeOffer()
{
    if (faceWidget_)
        faceWidget_->setNudgeOffered(mayRun(Command::Nudge, phase_) && canNudge(Game));
}

} // namespace varnholt
