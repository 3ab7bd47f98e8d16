#include "platform/Sound.h"

#include <gtest/gtest.h>

using namespace varnholt;

namespace {

struct FakePlayer final : MidiPlayer {
    bool open(const std::string &path, std::string *) override
    {
        opened = path;
        return path != "bad.mid";
    }
    void play() override { ++plays; }
    void close() override { ++closes; }
    void renderAhead(const std::vector<std::string> &paths) override { ahead = paths; }
    std::string opened;
    std::vector<std::string> ahead;
    int plays = 0;
    int closes = 0;
};

} // namespace

TEST(DeferredMidiPlayer, MakesTheRealPlayerAtTheFirstPieceAndPassesEverythingOn)
{
    int made = 0;
    FakePlayer *fake = nullptr;
    auto player = makeDeferredMidiPlayer([&]() -> std::unique_ptr<MidiPlayer> {
        ++made;
        auto real = std::make_unique<FakePlayer>();
        fake = real.get();
        return real;
    });
    int finished = 0;
    player->onFinished = [&] { ++finished; };

    // With Music off nothing is ever opened: nothing is made. The pieces to render ahead wait
    // for the real player.
    player->renderAhead({"b.mid", "a.mid"});
    player->play();
    player->close();
    EXPECT_EQ(made, 0);

    std::string error;
    EXPECT_FALSE(player->open("bad.mid", &error));
    EXPECT_TRUE(player->open("a.mid", &error));
    player->play();
    player->close();
    ASSERT_EQ(made, 1);
    EXPECT_EQ(fake->opened, "a.mid");
    EXPECT_EQ(fake->plays, 1);
    EXPECT_EQ(fake->closes, 1);
    EXPECT_EQ(fake->ahead, (std::vector<std::string>{"b.mid", "a.mid"}));
    fake->onFinished(); // the real player's end reaches whoever listens to the deferred one
    EXPECT_EQ(finished, 1);
}

TEST(DeferredMidiPlayer, NoRealPlayerMeansSilence)
{
    auto player = makeDeferredMidiPlayer([] { return std::unique_ptr<MidiPlayer>(); });
    std::string error;
    EXPECT_TRUE(player->open("a.mid", &error));
    player->play();
    player->close();
}
