// The music cycle on the real player: pieces follow each other in order, the next starting
// as soon as the last one's tail has died away, measured on the audio clock.

#include "TestApp.h"
#include "platform/FluidMidiPlayer.h"
#include "presentation/MusicCycle.h"

#include <QElapsedTimer>
#include <QThread>
#include <QTimer>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include <unistd.h>

using namespace varnholt;
namespace fs = std::filesystem;

namespace {

std::atomic<long long> mixedFrames{0};

void countFrames(void *, std::uint8_t *, int length) { mixedFrames += length / 4; }

// One second at 120 beats a minute: two harpsichord notes of a beat each.
std::vector<std::uint8_t> oneSecondPiece(std::uint8_t key)
{
    std::vector<std::uint8_t> track{0x00, 0xC0, 6,   0x00, 0x90, key,  100, 0x83, 0x60, 0x80, key,  0,   0x00,
                                    0x90, key,  100, 0x83, 0x60, 0x80, key, 0,    0x00, 0xFF, 0x2F, 0x00};
    std::vector<std::uint8_t> file{'M', 'T',  'h',  'd', 0,   0,   0,   6, 0, 0, 0,
                                   1,   0x01, 0xE0, 'M', 'T', 'r', 'k', 0, 0, 0, std::uint8_t(track.size())};
    std::copy(track.begin(), track.end(), std::back_inserter(file));
    return file;
}

// Passes everything to the real player and notes, on the audio clock, when each piece starts.
class WatchedPlayer final : public MidiPlayer {
public:
    explicit WatchedPlayer(std::unique_ptr<FluidMidiPlayer> inner) : inner_(std::move(inner))
    {
        inner_->onFinished = [this] {
            endedAt.push_back(startedAt.back() + inner_->framesPlayed());
            if (onFinished)
                onFinished();
        };
    }
    bool open(const std::string &path, std::string *error) override
    {
        opened.push_back(fs::path(path).filename().string());
        return inner_->open(path, error);
    }
    void play() override
    {
        startedAt.push_back(mixedFrames.load());
        inner_->play();
    }
    void close() override { inner_->close(); }

    std::vector<std::string> opened;
    std::vector<long long> startedAt;
    std::vector<long long> endedAt;

private:
    std::unique_ptr<FluidMidiPlayer> inner_;
};

TEST(MusicCyclePlayback, PiecesFollowInOrderWithoutGaps)
{
    test::testApp();
    ::setenv("SDL_AUDIODRIVER", "dummy", 0);
    const fs::path dir = fs::temp_directory_path() / ("varnholt-cycle-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    for (int i : {0, 2}) {
        const auto bytes = oneSecondPiece(static_cast<std::uint8_t>(60 + i));
        std::ofstream(dir / ("Vrn" + std::to_string(i) + ".mid"), std::ios::binary)
            .write(reinterpret_cast<const char *>(bytes.data()), bytes.size());
    }

    auto real = FluidMidiPlayer::create(findGeneralMidiSoundFont());
    ASSERT_TRUE(real) << "no audio device or soundfont";
    auto watched = std::make_unique<WatchedPlayer>(std::move(real));
    WatchedPlayer *player = watched.get();
    std::vector<std::string> opened;
    std::vector<long long> startedAt, endedAt;
    {
        GameState state;
        MusicCycle music(state, std::move(watched));
        music.setMusicFiles(dir.string() + "/", "Vrn");
        Mix_SetPostMix(countFrames, nullptr);

        // As the window does: each request starts the piece at the loop's next turn.
        QTimer timer4;
        timer4.setSingleShot(true);
        timer4.setInterval(1);
        QObject::connect(&timer4, &QTimer::timeout, [&] { music.StartPendingMusic(); });
        music.onStartRequest = [&] { timer4.start(); };
        music.requestFirstTrack();

        QElapsedTimer guard; // only ends a run whose audio device stopped
        guard.start();
        while (player->startedAt.size() < 4 && guard.elapsed() < 10000) {
            QCoreApplication::processEvents();
            QThread::msleep(5);
        }
        Mix_SetPostMix(nullptr, nullptr);
        opened = player->opened; // the player dies with the cycle
        startedAt = player->startedAt;
        endedAt = player->endedAt;
    }
    ASSERT_EQ(startedAt.size(), 4u);
    EXPECT_EQ(opened, (std::vector<std::string>{"Vrn0.mid", "Vrn2.mid", "Vrn0.mid", "Vrn2.mid"}));
    ASSERT_GE(endedAt.size(), 3u);
    const long long second = FluidMidiPlayer::frameRate();
    for (std::size_t i = 1; i < startedAt.size(); ++i) {
        EXPECT_GT(endedAt[i - 1] - startedAt[i - 1], second) << "piece " << i - 1 << " lost its tail";
        const long long gap = startedAt[i] - endedAt[i - 1];
        EXPECT_GE(gap, 0) << "piece " << i << " started before the one before it ended";
        EXPECT_LT(gap, second * 3 / 10) << "piece " << i;
    }
    fs::remove_all(dir);
}

} // namespace
