#include "presentation/SoundEffects.h"

#include "records/Settings.h"

namespace varnholt {

namespace {
enum ClipId { StopClickSound, CountClickSound };
}

SoundEffects::SoundEffects(GameState &state, std::unique_ptr<WavePlayer> player)
    : state_(state), player_(player ? std::move(player) : makeSilentWavePlayer())
{}

void SoundEffects::setFileNames(const std::string &exeDir, const std::string &assetPrefix)
{
    exeDir_ = exeDir;
    assetPrefix_ = assetPrefix;
}

std::string SoundEffects::fileName(const std::string &ending) const
{
    return assetFilePath(exeDir_, assetPrefix_, ending);
}

bool SoundEffects::LoadClickSounds()
{
    const bool stop = player_->loadClip(StopClickSound, fileName("0.wav"));
    const bool count = player_->loadClip(CountClickSound, fileName("3.wav"));
    return stop && count;
}

void SoundEffects::playStopClick()
{
    if (state_.SoundOn)
        player_->playClip(StopClickSound);
}

void SoundEffects::playCountClick()
{
    if (state_.SoundOn)
        player_->playClip(CountClickSound);
}

void SoundEffects::playCoinSound() { playFileIfOn("1.wav"); }
void SoundEffects::playStartSound() { playFileIfOn("7.wav"); }

void SoundEffects::playWinSound() { player_->playFile(fileName("Win.wav"), true); }

bool SoundEffects::Sound1Click()
{
    state_.SoundOn = !state_.SoundOn;
    return state_.SoundOn;
}

void SoundEffects::playFileIfOn(const std::string &ending)
{
    if (state_.SoundOn)
        player_->playFile(fileName(ending), false);
}

} // namespace varnholt
