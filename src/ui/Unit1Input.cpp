// The main window's input: presses on the machine face, its keys, and the two bets.

#include "ui/Unit1.h"

#include "core/Bets.h"
#include "core/Input.h"
#include "presentation/MachineFace.h"
#include "presentation/SoundEffects.h"
#include "ui/CoreTexts.h"

namespace varnholt {

void TForm1::FormMouseDown(int X, int Y)
{
    for (const PressStep &step : planPress(Game, phase_, face_->layout(), X, Y))
        runInputAction(step.action, step.reel);
}

void TForm1::FormKeyDown(int Key)
{
    for (const PressStep &step : planKey(Game, phase_, Key))
        runInputAction(step.action, step.reel);
}

void TForm1::runInputAction(InputAction action, int reel)
{
    switch (action) {
    case InputAction::NudgeReel:
        NudgeReel(reel);
        break;
    case InputAction::BetOne:
        BetOne();
        break;
    case InputAction::BetMax:
        BetMax();
        break;
    case InputAction::Spin:
        Spin();
        break;
    case InputAction::CloseNudgeOfferIfOut:
        if (closeNudgeOfferIfOut(Game))
            nudgeOfferWithdrawn();
        break;
    case InputAction::OpenGamesPage:
        if (openGamesPage)
            openGamesPage();
        break;
    }
}

void TForm1::BetOne()
{
    if (!mayRun(Command::BetOne, phase_))
        return;
    const BetOutcome outcome = varnholt::BetOne(Game);
    if (outcome.message) {
        showMessage(coreText(outcome.message));
        return;
    }
    if (outcome.coinsAdded == 0)
        return;
    sounds_->playCoinSound();
    DrawCreditsMeter();
    DrawCoinsMeter();
    if (outcome.spinNow)
        Spin();
}

void TForm1::BetMax()
{
    if (!mayRun(Command::BetMax, phase_))
        return;
    const BetOutcome outcome = varnholt::BetMax(Game);
    for (int coin = 0; coin < outcome.coinsAdded; ++coin)
        sounds_->playCoinSound();
    if (outcome.coinsAdded > 0) {
        DrawCreditsMeter();
        DrawCoinsMeter();
    }
    if (outcome.spinNow)
        Spin();
}

} // namespace varnholt
