#include "presentation/SoundEffects.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

using namespace varnholt;

namespace {

// Records every sound asked for; a clip id plays only if it was loaded.
class RecordingWavePlayer final : public WavePlayer {
public:
    bool loadClip(int id, const std::string &path) override
    {
        if (missing.count(path))
            return false;
        clips[id] = path;
        return true;
    }
    void playClip(int id) override
    {
        if (clips.count(id))
            heard.push_back(clips[id]);
    }
    void playFile(const std::string &path, bool wait) override
    {
        heard.push_back(path + (wait ? " (waited)" : ""));
    }

    std::map<int, std::string> clips;
    std::set<std::string> missing;
    std::vector<std::string> heard;
};

class SoundEffectsTest : public ::testing::Test {
protected:
    SoundEffectsTest()
    {
        auto player = std::make_unique<RecordingWavePlayer>();
        wave = player.get();
        effects = std::make_unique<SoundEffects>(state, std::move(player));
        effects->setFileNames("/game/", "Vrn");
    }

    void playAll()
    {
        effects->playStopClick();
        effects->playCountClick();
        effects->playCoinSound();
        effects->playStartSound();
        effects->playWinSound();
    }

    GameState state;
    RecordingWavePlayer *wave = nullptr;
    std::unique_ptr<SoundEffects> effects;
};

TEST_F(SoundEffectsTest, EachMomentHasItsFileAndTheWinSoundWaits)
{
    ASSERT_TRUE(effects->LoadClickSounds());
    playAll();
    EXPECT_EQ(wave->heard, (std::vector<std::string>{"/game/Vrn0.wav", "/game/Vrn3.wav", "/game/Vrn1.wav",
                                                     "/game/Vrn7.wav", "/game/VrnWin.wav (waited)"}));
}

TEST_F(SoundEffectsTest, SoundOffSilencesAllButTheWinSound)
{
    ASSERT_TRUE(effects->LoadClickSounds());
    EXPECT_FALSE(effects->Sound1Click());
    EXPECT_FALSE(state.SoundOn);
    playAll();
    EXPECT_EQ(wave->heard, (std::vector<std::string>{"/game/VrnWin.wav (waited)"}));

    EXPECT_TRUE(effects->Sound1Click());
    effects->playCoinSound();
    EXPECT_EQ(wave->heard.back(), "/game/Vrn1.wav");
}

TEST_F(SoundEffectsTest, MissingClickLeavesOnlyThatClickSilent)
{
    wave->missing.insert("/game/Vrn3.wav");
    EXPECT_FALSE(effects->LoadClickSounds());
    effects->playCountClick();
    effects->playStopClick();
    EXPECT_EQ(wave->heard, (std::vector<std::string>{"/game/Vrn0.wav"}));
}

TEST_F(SoundEffectsTest, PrefixFromTheSettingsNamesEveryFile)
{
    effects->setFileNames("/game/", "Abc");
    ASSERT_TRUE(effects->LoadClickSounds());
    EXPECT_EQ(wave->clips[0], "/game/Abc0.wav");
    effects->playStartSound();
    effects->playWinSound();
    EXPECT_EQ(wave->heard, (std::vector<std::string>{"/game/Abc7.wav", "/game/AbcWin.wav (waited)"}));
}

TEST_F(SoundEffectsTest, PrefixWithAPathSeparatorNamesNoFile)
{
    for (const char *prefix : {"../Vrn", "/etc/Vrn"}) {
        effects->setFileNames("/game/", prefix);
        effects->LoadClickSounds();
        effects->playStartSound();
        EXPECT_EQ(wave->clips[0], "") << prefix;
        EXPECT_EQ(wave->heard.back(), "") << prefix;
    }
}

} // namespace
