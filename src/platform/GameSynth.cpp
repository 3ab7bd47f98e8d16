#include "platform/GameSynth.h"

#include "platform/SdlAudio.h"

#include <fluidsynth.h>

#include <cstdlib>

#include <sys/stat.h>

namespace varnholt {

namespace {
// The pieces are written for a modest level; this leaves the effects room on top.
constexpr double kGain = 0.8;
// FluidSynth dithers its 16-bit output, so silence comes out as a sample or two either way.
constexpr int kSilentLevel = 2;
} // namespace

GameSynth makeGameSynth(const std::string &soundFont)
{
    GameSynth made;
    if (soundFont.empty())
        return made;
    // FluidSynth prints its warnings to the terminal; the game reports what matters itself.
    for (int level : {FLUID_WARN, FLUID_INFO, FLUID_DBG})
        fluid_set_log_function(level, nullptr, nullptr);
    made.settings = new_fluid_settings();
    if (!made.settings)
        return made;
    fluid_settings_setnum(made.settings, "synth.sample-rate", sdlaudio::kRate);
    fluid_settings_setnum(made.settings, "synth.gain", kGain);
    made.synth = new_fluid_synth(made.settings);
    if (!made.synth || fluid_synth_sfload(made.synth, soundFont.c_str(), 1) == FLUID_FAILED)
        freeGameSynth(made);
    return made;
}

void freeGameSynth(GameSynth &synth)
{
    if (synth.synth)
        delete_fluid_synth(synth.synth);
    if (synth.settings)
        delete_fluid_settings(synth.settings);
    synth = {};
}

bool fallenSilent(const std::int16_t *block, int frames)
{
    for (int i = 0; i < frames * sdlaudio::kChannels; ++i)
        if (std::abs(block[i]) > kSilentLevel)
            return false;
    return true;
}

std::string gameSynthIdentity(const std::string &soundFont)
{
    struct stat info {};
    const bool found = ::stat(soundFont.c_str(), &info) == 0;
    return std::string("fluidsynth ") + fluid_version_str() + " rate " + std::to_string(sdlaudio::kRate) +
           " gain " + std::to_string(kGain) + " soundfont " + soundFont + " " +
           (found ? std::to_string(info.st_size) + " " + std::to_string(info.st_mtim.tv_sec) + "." +
                        std::to_string(info.st_mtim.tv_nsec)
                  : "missing");
}

} // namespace varnholt
