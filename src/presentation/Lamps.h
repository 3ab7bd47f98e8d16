#pragma once
// The phases of the face's lamp animations, stepped once per timer tick. Each step says what the
// tick is to draw; the window does the drawing.

#include "core/Random.h"

#include <array>

namespace varnholt {

// The machine buttons in the order the attract cycle numbers them.
enum AttractButton { AttractBet1 = 0, AttractSpin = 1, AttractBet3 = 2 };

struct ButtonLamps {
    bool bet1 = false;
    bool spin = false;
    bool bet3 = false;
    bool operator==(const ButtonLamps &) const = default;
};

struct ButtonAttract {
    int LastAttractButton = 0; // so the first attract tick never lights Bet 1
    bool SpinLampPhase = false;

    // With coins in, or while a win flashes: Bet 1 and Bet 3 lit, Spin toggling.
    ButtonLamps spinFlash();
    // Idle: one button lit, never the same one twice running.
    ButtonLamps attract(RandomSource &random);
};

struct WinFlash {
    bool WinFlashPhase = false;
    struct Step {
        bool namePlateLit;
        bool titlePanelLit;
    };
    // The name plate takes the phase before the flip, the title panel the phase after it, so the
    // two always show opposite states.
    Step advance();
};

struct CrystalBlink {
    static constexpr std::array<int, 8> CrystalBlinkIntervals{50, 50, 50, 50, 1000, 50, 50, 7000};
    static constexpr int kFirstInterval = 5000; // the ball stays as painted this long after start-up

    int CrystalBlinkIndex = 8; // the first tick wraps to entry 0
    bool CrystalLit = false;

    struct Step {
        int nextInterval; // milliseconds until the next tick
        bool showLit;     // draw the lit ball (else the unlit one from the face picture)
    };
    Step advance();
};

struct WildSwing {
    int WildFrame = 0;
    int WildStep = 1;
    // The symbol-sheet code to show this tick: 10, 11, 10, 9, 10, 11, ...
    int advance();
};

} // namespace varnholt
