#include "presentation/Lamps.h"

#include "core/Reels.h"

namespace varnholt {

ButtonLamps ButtonAttract::spinFlash()
{
    SpinLampPhase = !SpinLampPhase;
    return {true, SpinLampPhase, true};
}

ButtonLamps ButtonAttract::attract(RandomSource &random)
{
    int button = 0;
    do
        button = random.Random(3);
    while (button == LastAttractButton);
    LastAttractButton = button;
    return {button == AttractBet1, button == AttractSpin, button == AttractBet3};
}

WinFlash::Step WinFlash::advance()
{
    Step step{};
    step.namePlateLit = WinFlashPhase;
    WinFlashPhase = !WinFlashPhase;
    step.titlePanelLit = WinFlashPhase;
    return step;
}

CrystalBlink::Step CrystalBlink::advance()
{
    ++CrystalBlinkIndex;
    if (CrystalBlinkIndex > 7)
        CrystalBlinkIndex = 0;
    Step step{CrystalBlinkIntervals[CrystalBlinkIndex], !CrystalLit};
    CrystalLit = !CrystalLit;
    return step;
}

int WildSwing::advance()
{
    WildFrame += WildStep;
    const int code = Wild + WildFrame;
    if (WildFrame > 1 || WildFrame <= 0)
        WildStep = -WildStep;
    return code;
}

} // namespace varnholt
