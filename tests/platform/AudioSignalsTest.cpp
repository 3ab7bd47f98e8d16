// Opening the audio device must leave the quit signals alone: SDL would otherwise catch
// SIGINT and SIGTERM itself, and the game would no longer end (and save) on them. And without
// a device the game still gets (silent) players.

#include "platform/FluidMidiPlayer.h"
#include "platform/SdlWavePlayer.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <string>

namespace {

using namespace varnholt;

void (*handlerOf(int signal))(int)
{
    struct sigaction current {};
    sigaction(signal, nullptr, &current);
    return current.sa_handler;
}

TEST(AudioDevice, LeavesTheQuitSignalsToTheGame)
{
    ::setenv("SDL_AUDIODRIVER", "dummy", 0);
    // SDL only takes over a signal whose handler is still the default one.
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);

    auto effects = SdlWavePlayer::create();
    ASSERT_TRUE(effects) << "no audio device";
    auto music = FluidMidiPlayer::create(findGeneralMidiSoundFont());
    ASSERT_TRUE(music) << "no soundfont";
    EXPECT_EQ(handlerOf(SIGINT), SIG_DFL);
    EXPECT_EQ(handlerOf(SIGTERM), SIG_DFL);

    music.reset();
    effects.reset();
    EXPECT_EQ(handlerOf(SIGINT), SIG_DFL);
    EXPECT_EQ(handlerOf(SIGTERM), SIG_DFL);
}

TEST(AudioDevice, MissingDeviceStillGivesSilentPlayers)
{
    const char *before = std::getenv("SDL_AUDIODRIVER");
    const std::string saved = before ? before : "";
    ::setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    auto effects = makeSdlWavePlayer();
    auto music = makeFluidMidiPlayer();
    ASSERT_TRUE(effects);
    ASSERT_TRUE(music);
    EXPECT_EQ(dynamic_cast<SdlWavePlayer *>(effects.get()), nullptr);
    EXPECT_EQ(dynamic_cast<FluidMidiPlayer *>(music.get()), nullptr);
    effects->playFile("/nonexistent/Win.wav", true); // must not wait for a sound that never plays
    // Music made at its first piece (a start with Music off) is the silent player too, which
    // takes any piece: the real one would refuse a missing file.
    auto later = makeFluidMidiPlayer(false);
    std::string error;
    EXPECT_TRUE(later->open("/nonexistent/piece.mid", &error)) << error;
    if (before)
        ::setenv("SDL_AUDIODRIVER", saved.c_str(), 1);
    else
        ::unsetenv("SDL_AUDIODRIVER");
}

} // namespace
