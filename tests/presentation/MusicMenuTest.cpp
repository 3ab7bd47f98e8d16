// The Options menu's Sound and Music items, driven as the player would.

#include "TestApp.h"
#include "presentation/SoundMenu.h"

#include <QAction>
#include <QMenu>
#include <gtest/gtest.h>

using namespace varnholt;

namespace {

class CountingMidiPlayer final : public MidiPlayer {
public:
    bool open(const std::string &, std::string *) override { return true; }
    void play() override { ++plays; }
    void close() override { ++closes; }
    int plays = 0, closes = 0;
};

TEST(SoundMenu, ItemsStartCheckedAndFollowTheSwitches)
{
    test::testApp();
    GameState state;
    SoundEffects sounds(state, makeSilentWavePlayer());
    auto player = std::make_unique<CountingMidiPlayer>();
    CountingMidiPlayer *midi = player.get();
    MusicCycle music(state, std::move(player), [](const std::string &) { return true; });
    music.setMusicFiles("/game/", "Vrn");
    music.requestFirstTrack();
    music.StartPendingMusic();
    ASSERT_EQ(midi->plays, 1);

    QMenu options("Options");
    const SoundMenuItems items = addSoundMenuItems(options, sounds, music);
    ASSERT_EQ(options.actions().size(), 2);
    EXPECT_EQ(items.Sound1->text(), "Sound");
    EXPECT_EQ(items.Music1->text(), "Music");
    EXPECT_TRUE(items.Sound1->isChecked());
    EXPECT_TRUE(items.Music1->isChecked());

    items.Sound1->trigger();
    EXPECT_FALSE(state.SoundOn);
    EXPECT_FALSE(items.Sound1->isChecked());
    items.Sound1->trigger();
    EXPECT_TRUE(state.SoundOn);
    EXPECT_TRUE(items.Sound1->isChecked());

    items.Music1->trigger();
    EXPECT_FALSE(state.MusicOn);
    EXPECT_FALSE(items.Music1->isChecked());
    EXPECT_GE(midi->closes, 1);
    items.Music1->trigger();
    EXPECT_TRUE(state.MusicOn);
    EXPECT_TRUE(items.Music1->isChecked());
    EXPECT_EQ(midi->plays, 2) << "switching on starts the piece again";
}

} // namespace
