// The sound and music files shipped beside the program: each one loads and keeps its shape.

#include "platform/MusicFile.h"
#include "platform/SdlWavePlayer.h"

#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

using namespace varnholt;

namespace {

const std::string beside = std::string(VARNHOLT_TEST_DATA) + "/../../assets/beside/";

TEST(ShippedMusic, FivePiecesOfOneToTwoMinutesEachAllDifferent)
{
    std::set<std::string> distinct; // the files' bytes
    for (int i = 0; i < 5; ++i) {
        const std::string path = beside + "Vrn" + std::to_string(i) + ".mid";
        std::ifstream in(path, std::ios::binary);
        ASSERT_TRUE(in) << path;
        std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        std::string error;
        const auto piece = readMidiPiece(bytes, &error);
        ASSERT_TRUE(piece) << path << ": " << error;
        EXPECT_GE(piece->seconds, 60) << path;
        EXPECT_LE(piece->seconds, 120) << path;
        EXPECT_GT(piece->notes, 300) << path;
        distinct.insert(std::string(bytes.begin(), bytes.end()));
    }
    EXPECT_EQ(distinct.size(), 5u);
}

TEST(ShippedEffects, EachLoadsAndKeepsItsLength)
{
    ::setenv("SDL_AUDIODRIVER", "dummy", 0);
    auto player = SdlWavePlayer::create(); // opens the mixer the chunks are decoded for
    ASSERT_TRUE(player);
    struct Expected {
        const char *ending;
        int shortestMs, longestMs;
    };
    // The clicks must be short enough to follow reel stops and a 75 ms count-up without
    // cutting each other off; the win jingle is waited for, so it must not drag.
    for (const Expected &e :
         {Expected{"0.wav", 40, 150}, Expected{"1.wav", 100, 600}, Expected{"2.wav", 300, 1200},
          Expected{"3.wav", 10, 60}, Expected{"7.wav", 500, 2500}, Expected{"Win.wav", 1000, 2000}}) {
        const std::string path = beside + "Vrn" + e.ending;
        Mix_Chunk *chunk = Mix_LoadWAV(path.c_str());
        ASSERT_TRUE(chunk) << path;
        const int ms = static_cast<int>(chunk->alen / 4 * 1000LL / 44100);
        EXPECT_GE(ms, e.shortestMs) << path;
        EXPECT_LE(ms, e.longestMs) << path;
        Mix_FreeChunk(chunk);
        EXPECT_TRUE(player->loadClip(0, path)) << path;
    }
}

} // namespace
