// The main window's part in a spin: the reel animation and the evaluation's visible effects.

#include "ui/Unit1.h"

#include "geometry/ReelFrames.h"
#include "platform/Canvas.h"
#include "platform/Clock.h"
#include "play/Spin.h"
#include "presentation/MachineFace.h"
#include "presentation/MusicCycle.h"
#include "presentation/SoundEffects.h"
#include "ui/CoreTexts.h"
#include "ui/FaceWidget.h"
#include "ui/HistoryFeed.h"
#include "ui/SpokenFeed.h"

#include <QMenuBar>
#include <QMetaObject>

namespace varnholt {

void TForm1::Spin()
{
    if (!mayRun(Command::Spin, phase_))
        return;
    music_->StartPendingMusic();
    beginPlay();
    const SpinOutcome outcome =
        varnholt::Spin(Game, Random, events(), face_->layout().BlurStripHeight, outcome_);
    endPlay();
    if (outcome.played)
        history_->spinPlayed(outcome_, Game);
    if (outcome.message)
        showMessage(coreText(outcome.message));
}

void TForm1::beginPlay()
{
    stateBeforePlay_ = Game;
    enterPhase(PlayEvent::PlayStarted);
}

void TForm1::endPlay()
{
    enterPhase(PlayEvent::PlayEnded);
    // A win was told as it was shown; anything else is told now the machine takes input again.
    spoken_->announceResult(outcome_, Game);
    // The close asked for during the play goes ahead now that the play has been judged.
    if (isClosePending(phase_))
        QMetaObject::invokeMethod(
            this, [this] { close(); }, Qt::QueuedConnection);
}

void TForm1::playDelay(double seconds)
{
    if (!isHurried(phase_))
        Delay(seconds);
}

void TForm1::rebetPlaced()
{
    DrawCreditsMeter();
    DrawCoinsMeter();
}

void TForm1::spinStarting()
{
    Timer2.setEnabled(false);
    wonLines_ = {};
    setWinFlashing(false);
    Timer6.setEnabled(false);
    Timer7.setEnabled(false);
    DrawTitlePanel(true);
    DrawNamePlate(true);
    DrawMachineButton(kBet1Button, false);
    DrawMachineButton(kBet3Button, false);
    DrawMachineButton(kSpinButton, false);
    DrawNudgeButtons(false);
    spoken_->startResult();
}

void TForm1::reelsSpinning(const std::array<int, kReelCount> &stripOffsets)
{
    const Layout &layout = face_->layout();
    std::array<int, kReelCount> offset = stripOffsets;
    std::array<QImage, kReelCount> stopped; // each reel's window as it came to rest
    const QSize grabSize(layout.SymbolSize, 3 * layout.SymbolSize - kBounceGrabMargin);

    reelFrameTicks_.clear();
    std::int64_t last = clock_->GetTickCount();
    int frame = 0;
    while (frame < kReelFrameCount && !isHurried(phase_)) {
        // One frame per pass however late the pass is: a slow machine slows the reels down
        // rather than skipping frames.
        clock_->waitUntil(last + kReelFrameMs);
        const std::int64_t now = clock_->GetTickCount();
        // A wait cut short means the event loop is going away: finish rather than spin.
        if (now - last < kReelFrameMs)
            enterPhase(PlayEvent::LoopEnding);
        if (isHurried(phase_))
            break;
        last = now;
        ++frame;
        reelFrameTicks_.push_back(now);
        for (int reel = 0; reel < kReelCount; ++reel) {
            const ReelFrameStep step = reelFrameStep(frame, reel);
            switch (step.action) {
            case ReelFrameAction::Blur:
                DrawBlurFrame(reel, offset[reel]);
                offset[reel] -= Scale(61);
                if (offset[reel] < 0)
                    offset[reel] += layout.BlurStripHeight;
                break;
            case ReelFrameAction::Stop:
                sounds_->playStopClick();
                DrawReel(reel);
                break;
            case ReelFrameAction::Grab:
                stopped[reel] = canvas().grab(
                    QRect(QPoint(layout.ReelsLeft + reel * layout.ReelPitch, layout.ReelsTop), grabSize));
                drawReelShifted(reel, stopped[reel], step.shift);
                break;
            case ReelFrameAction::Bounce:
                // At rest the reel is drawn whole: the shifted copies leave its bottom rows stale.
                if (step.settled)
                    DrawReel(reel);
                else
                    drawReelShifted(reel, stopped[reel], step.shift);
                break;
            case ReelFrameAction::None:
                break;
            }
        }
    }
    // Cut short by a close: the reels show their new stops before they are judged.
    if (frame < kReelFrameCount)
        for (int reel = 0; reel < kReelCount; ++reel)
            DrawReel(reel);
}

void TForm1::drawReelShifted(int reel, const QImage &copy, int shift)
{
    const Layout &layout = face_->layout();
    faceWidget_->canvas().copyAt(copy,
                                 QPoint(layout.ReelsLeft + reel * layout.ReelPitch, layout.ReelsTop + shift));
    DrawPaylineGuides();
}

void TForm1::spinFinished()
{
    DrawMachineButton(kBet1Button, true);
    DrawMachineButton(kBet3Button, true);
    DrawMachineButton(kSpinButton, true);
    Timer2.setEnabled(true);
}

// Evaluation effects --------------------------------------------------------------------------

void TForm1::wildLanded(int) { Timer6.setEnabled(true); }
void TForm1::bonusGameOpening()
{
    setWinFlashing(false);
    spoken_->announce(tr("The vault opens."));
}

void TForm1::lineWon(int line) { wonLines_[line] = true; }

void TForm1::nudgesChanged() { DrawNudgeCounter(); }

void TForm1::winShown()
{
    setWinFlashing(true);
    spoken_->announceResult(outcome_, Game);
}

void TForm1::setWinFlashing(bool on)
{
    Timer3.setEnabled(on);
    face_->setLitLines(on ? wonLines_ : std::array<bool, kLineCount>{}, Game.ReelStops);
}
void TForm1::nudgesOffered()
{
    Timer7.setEnabled(true);
    spoken_->refreshNudgeOffer(phase_, Game);
}

void TForm1::winAnnounced()
{
    // The sound holds the machine until it ends; a close in waiting does not wait for it.
    if (isHurried(phase_))
        return;
    // Nothing repaints while it plays, so the window shows now what the play has drawn: the
    // reel's last frame, or the face where the bonus room was.
    faceWidget_->repaint();
    menuBar()->repaint();
    sounds_->playWinSound();
}

void TForm1::nudgeOfferWithdrawn()
{
    Timer7.setEnabled(false);
    DrawNudgeButtons(false);
    spoken_->refreshNudgeOffer(phase_, Game);
}

void TForm1::countUpStarted() { face_->DrawWinningsCaption(); }

void TForm1::countUpStep(int, int counted)
{
    if (!isHurried(phase_))
        sounds_->playCountClick();
    DrawCreditsMeter();
    DrawWinningsMeter(counted);
    playDelay(0.075);
}

} // namespace varnholt
