#pragma once
// The machine's six sound effects and the Sound switch of the Options menu. Each effect
// names the moment it belongs to; the window calls it there.

#include "core/GameState.h"
#include "platform/Sound.h"

#include <memory>
#include <string>

namespace varnholt {

class SoundEffects {
public:
    SoundEffects(GameState &state, std::unique_ptr<WavePlayer> player);

    // Where the sound files lie: exeDir + assetPrefix + "0.wav" and so on. Call once the
    // settings file has been read.
    void setFileNames(const std::string &exeDir, const std::string &assetPrefix);
    // Reads the reel-stop and count-up clicks whole into memory. False when either is missing
    // or unreadable; the game goes on and that click stays silent.
    bool LoadClickSounds();

    void playStopClick();  // a reel stops, in a spin or after a nudge
    void playCountClick(); // each step of the win count-up
    void playCoinSound();  // each coin put in by Bet 1 or Bet 3
    void playStartSound(); // start-up completion; the bonus window opening
    // After a paying evaluation: returns only when the sound has ended, and plays whether
    // Sound is on or off.
    void playWinSound();

    // Options > Sound: flips SoundOn and returns it, for the menu's check mark. A sound
    // already playing goes on.
    bool Sound1Click();
    bool soundOn() const { return state_.SoundOn; }

    std::string fileName(const std::string &ending) const;
    // The player itself, for the bonus window, which plays its own two sounds.
    WavePlayer &player() { return *player_; }

private:
    void playFileIfOn(const std::string &ending);

    GameState &state_;
    std::unique_ptr<WavePlayer> player_;
    std::string exeDir_, assetPrefix_;
};

} // namespace varnholt
