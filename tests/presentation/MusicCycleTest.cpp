#include "presentation/MusicCycle.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

using namespace varnholt;

namespace {

// Records what the cycle asks of the player; finish() plays a piece to its end.
class ScriptedMidiPlayer final : public MidiPlayer {
public:
    bool open(const std::string &path, std::string *error) override
    {
        calls.push_back("open " + path);
        isOpen = !broken.count(path);
        if (!isOpen && error)
            *error = "it is not a standard MIDI file";
        if (isOpen)
            openPath = path;
        return isOpen;
    }
    void play() override
    {
        calls.push_back("play");
        if (isOpen)
            playing = openPath;
    }
    void close() override
    {
        calls.push_back("close");
        isOpen = false;
        playing.clear();
    }
    void renderAhead(const std::vector<std::string> &paths) override { ahead = paths; }
    void finish()
    {
        ASSERT_FALSE(playing.empty()) << "nothing is playing";
        onFinished();
    }

    std::vector<std::string> calls, ahead;
    std::set<std::string> broken;
    std::string openPath, playing;
    bool isOpen = false;
};

class MusicCycleTest : public ::testing::Test {
protected:
    void makeCycle(std::set<int> existing)
    {
        auto player = std::make_unique<ScriptedMidiPlayer>();
        midi = player.get();
        present = std::move(existing);
        cycle = std::make_unique<MusicCycle>(state, std::move(player), [this](const std::string &path) {
            for (int i : present)
                if (path == "/game/Vrn" + std::to_string(i) + ".mid")
                    return true;
            return false;
        });
        cycle->setMusicFiles("/game/", "Vrn");
        cycle->onError = [this](const std::string &message) { errors.push_back(message); };
        startRequests = 0;
        cycle->onStartRequest = [this] { ++startRequests; };
    }

    // Starts the music as start-up does and returns the pieces heard, in order, over n ends.
    std::vector<std::string> piecesOver(int n)
    {
        cycle->requestFirstTrack();
        std::vector<std::string> heard;
        for (int i = 0; i < n; ++i) {
            cycle->StartPendingMusic();
            heard.push_back(midi->playing);
            midi->finish();
        }
        return heard;
    }

    static std::string piece(int i) { return "/game/Vrn" + std::to_string(i) + ".mid"; }

    GameState state;
    ScriptedMidiPlayer *midi = nullptr;
    std::set<int> present;
    std::unique_ptr<MusicCycle> cycle;
    std::vector<std::string> errors;
    int startRequests = 0;
};

TEST_F(MusicCycleTest, PlaysThePiecesThatExistInOrderAndWrapsRound)
{
    // Rendered ahead at start: the pieces to come first, the one playing live first last.
    const struct {
        std::set<int> present;
        std::vector<int> heard, ahead;
    } cases[] = {
        {{0, 1, 2, 3, 4}, {0, 1, 2, 3, 4, 0, 1}, {1, 2, 3, 4, 0}},
        {{3}, {3, 3, 3}, {3}},
        {{0, 2}, {0, 2, 0, 2, 0}, {2, 0}},
        {{4, 1}, {1, 4, 1}, {4, 1}},
    };
    for (const auto &c : cases) {
        makeCycle(c.present);
        std::vector<std::string> expected, ahead;
        for (int i : c.heard)
            expected.push_back(piece(i));
        for (int i : c.ahead)
            ahead.push_back(piece(i));
        EXPECT_EQ(piecesOver(int(c.heard.size())), expected);
        EXPECT_EQ(midi->ahead, ahead);
        // The first piece, and one after each end.
        EXPECT_EQ(startRequests, int(c.heard.size()) + 1);
    }
}

TEST_F(MusicCycleTest, StartIsPendingUntilTheTimerTicks)
{
    makeCycle({2});
    cycle->requestFirstTrack();
    EXPECT_EQ(cycle->MusicTrack, 12);
    EXPECT_TRUE(midi->calls.empty());
    cycle->StartPendingMusic();
    EXPECT_EQ(cycle->MusicTrack, 2);
    EXPECT_EQ(midi->playing, piece(2));

    // A tick with nothing pending leaves the piece alone.
    midi->calls.clear();
    cycle->StartPendingMusic();
    EXPECT_TRUE(midi->calls.empty());

    // Its end closes the player and asks for the next piece (the only one, again) at the next tick.
    midi->finish();
    EXPECT_EQ(cycle->MusicTrack, 12);
    EXPECT_FALSE(midi->isOpen);
    EXPECT_EQ(midi->calls.back(), "close");
}

TEST_F(MusicCycleTest, NoMusicFilesLeavesTrackNineAndTheMenuWorks)
{
    makeCycle({});
    cycle->requestFirstTrack(); // 9 plus a start request
    // Off and on before the first tick is harmless.
    cycle->Music1Click();
    cycle->Music1Click();
    EXPECT_EQ(cycle->MusicTrack, MusicCycle::kNoMusic);
    EXPECT_TRUE(midi->playing.empty());
    cycle->StartPendingMusic();
    EXPECT_EQ(cycle->MusicTrack, MusicCycle::kNoMusic);

    EXPECT_FALSE(cycle->Music1Click());
    EXPECT_FALSE(state.MusicOn);
    EXPECT_TRUE(cycle->Music1Click());
    EXPECT_TRUE(state.MusicOn);
    cycle->StartPendingMusic();
    EXPECT_EQ(cycle->MusicTrack, MusicCycle::kNoMusic);
    for (const std::string &call : midi->calls)
        EXPECT_NE(call.rfind("open", 0), 0u) << "nothing may be opened without music files";
    EXPECT_TRUE(errors.empty());
}

TEST_F(MusicCycleTest, MusicOffAndOnRestartsTheSamePieceThenGoesOn)
{
    makeCycle({0, 1, 2, 3, 4});
    piecesOver(2); // pieces 0 and 1 played; piece 2 requested
    cycle->StartPendingMusic();
    ASSERT_EQ(midi->playing, piece(2));

    EXPECT_FALSE(cycle->Music1Click());
    EXPECT_TRUE(midi->playing.empty());
    EXPECT_EQ(midi->calls.back(), "close");

    midi->calls.clear();
    EXPECT_TRUE(cycle->Music1Click());
    EXPECT_EQ(midi->calls, (std::vector<std::string>{"open " + piece(2), "play"}));
    midi->finish();
    cycle->StartPendingMusic();
    EXPECT_EQ(midi->playing, piece(3));
}

TEST_F(MusicCycleTest, MusicOffWhileAStartIsPendingStaysSilent)
{
    // Switching off between the end of a piece and the timer's next tick.
    makeCycle({0, 1});
    cycle->requestFirstTrack();
    cycle->StartPendingMusic();
    midi->finish();
    ASSERT_EQ(cycle->MusicTrack, 11);

    cycle->Music1Click();
    cycle->StartPendingMusic();
    EXPECT_TRUE(midi->playing.empty());

    // On again: the piece that was about to start plays, from a valid file name.
    cycle->Music1Click();
    EXPECT_EQ(midi->playing, piece(1));
    EXPECT_EQ(cycle->MusicTrack, 1);
}

TEST_F(MusicCycleTest, OnAgainSkipsAPieceThatIsNotThereWithoutAnError)
{
    // Music switched off before the first start: the cycle never looked for piece 0.
    makeCycle({3});
    cycle->Music1Click();
    cycle->requestFirstTrack(); // start-up completion with music off asks for nothing
    cycle->Music1Click();
    EXPECT_EQ(midi->playing, piece(3));
    EXPECT_EQ(cycle->MusicTrack, 3);

    // The interrupted piece was removed while the music was off: the next one plays.
    makeCycle({1, 2});
    piecesOver(1);
    cycle->StartPendingMusic();
    ASSERT_EQ(midi->playing, piece(2));
    cycle->Music1Click();
    present.erase(2);
    cycle->Music1Click();
    EXPECT_EQ(midi->playing, piece(1));

    // And every piece gone: silence, as with no music at all.
    cycle->Music1Click();
    present.clear();
    cycle->Music1Click();
    EXPECT_EQ(cycle->MusicTrack, MusicCycle::kNoMusic);
    EXPECT_TRUE(midi->playing.empty());
    EXPECT_TRUE(errors.empty());
}

TEST_F(MusicCycleTest, NoFirstTrackWhenMusicIsOff)
{
    makeCycle({0});
    state.MusicOn = false;
    cycle->requestFirstTrack();
    cycle->StartPendingMusic();
    EXPECT_TRUE(midi->calls.empty());
}

TEST_F(MusicCycleTest, UnplayablePieceShowsThePlayersErrorAndStaysSilent)
{
    makeCycle({0, 1});
    midi->broken.insert(piece(0));
    cycle->requestFirstTrack();
    cycle->StartPendingMusic();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find(piece(0)), std::string::npos);
    EXPECT_NE(errors[0].find("not a standard MIDI file"), std::string::npos);
    EXPECT_TRUE(midi->playing.empty());
    EXPECT_EQ(cycle->MusicTrack, 0);

    // Off and on tries the same piece again.
    midi->broken.clear();
    cycle->Music1Click();
    cycle->Music1Click();
    EXPECT_EQ(midi->playing, piece(0));
}

TEST_F(MusicCycleTest, FileNamesFollowThePrefix)
{
    makeCycle({});
    cycle->setMusicFiles("/opt/slots/", "Abc");
    EXPECT_EQ(cycle->MusicFiles[0], "/opt/slots/Abc0.mid");
    EXPECT_EQ(cycle->MusicFiles[4], "/opt/slots/Abc4.mid");
    cycle->setMusicFiles("/opt/slots/", "../Abc"); // outside the program's folder: no music
    EXPECT_EQ(cycle->MusicFiles[0], "");
}

} // namespace
