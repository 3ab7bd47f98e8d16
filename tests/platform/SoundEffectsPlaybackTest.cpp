// The wave effects on a real (headless) audio device, observed at the output of the mixer.

#include "platform/SdlWavePlayer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

using namespace varnholt;
namespace fs = std::filesystem;

namespace {

constexpr int kRate = 44100;

// A 16-bit stereo wave file: a square wave of the given amplitude, so that a sum of two
// sounds shows as a peak above either.
void writeSquareWave(const fs::path &path, double seconds, int amplitude)
{
    const int frames = static_cast<int>(seconds * kRate);
    std::vector<std::int16_t> samples;
    for (int i = 0; i < frames; ++i) {
        const auto value = static_cast<std::int16_t>((i / 50) % 2 ? amplitude : -amplitude);
        samples.push_back(value);
        samples.push_back(value);
    }
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::ofstream out(path, std::ios::binary);
    auto u32 = [&](std::uint32_t v) { out.write(reinterpret_cast<const char *>(&v), 4); };
    auto u16 = [&](std::uint16_t v) { out.write(reinterpret_cast<const char *>(&v), 2); };
    out.write("RIFF", 4);
    u32(36 + dataBytes);
    out.write("WAVEfmt ", 8);
    u32(16);
    u16(1);
    u16(2);
    u32(kRate);
    u32(kRate * 4);
    u16(4);
    u16(16);
    out.write("data", 4);
    u32(dataBytes);
    out.write(reinterpret_cast<const char *>(samples.data()), dataBytes);
}

// Taps the mixer's output: counts the frames mixed and keeps each block's peak.
class OutputTap {
public:
    OutputTap() { Mix_SetPostMix(&OutputTap::onMix, this); }
    ~OutputTap() { Mix_SetPostMix(nullptr, nullptr); }

    long long frames() const { return frames_.load(); }

    // Sleeps until at least count more frames have been mixed (bounded, in case no device runs).
    void waitFrames(long long count)
    {
        std::unique_lock lock(mutex_);
        const long long target = frames_ + count;
        mixed_.wait_for(lock, std::chrono::seconds(10), [&] { return frames_ >= target; });
        ASSERT_GE(frames_.load(), target) << "the audio device stopped mixing";
    }

    // The highest sample mixed in blocks that began at or after frame from.
    int peakSince(long long from)
    {
        std::lock_guard lock(mutex_);
        int peak = 0;
        for (const auto &[start, blockPeak] : blocks_)
            if (start >= from)
                peak = std::max(peak, blockPeak);
        return peak;
    }

private:
    static void onMix(void *self, std::uint8_t *stream, int length)
    {
        auto *tap = static_cast<OutputTap *>(self);
        const auto *samples = reinterpret_cast<const std::int16_t *>(stream);
        int peak = 0;
        for (int i = 0; i < length / 2; ++i)
            peak = std::max(peak, std::abs(static_cast<int>(samples[i])));
        {
            std::lock_guard lock(tap->mutex_);
            tap->blocks_.emplace_back(tap->frames_.load(), peak);
            tap->frames_ += length / 4;
        }
        tap->mixed_.notify_all();
    }

    std::mutex mutex_;
    std::condition_variable mixed_;
    std::atomic<long long> frames_{0};
    std::vector<std::pair<long long, int>> blocks_;
};

class EffectsPlayback : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("varnholt-effects-" + std::to_string(::getpid()));
        fs::create_directories(dir);
        ::setenv("SDL_AUDIODRIVER", "dummy", 0); // a headless device unless one is chosen
        player = SdlWavePlayer::create();
        ASSERT_TRUE(player) << "no audio device";
        tap = std::make_unique<OutputTap>();
    }
    void TearDown() override
    {
        tap.reset();
        player.reset();
        fs::remove_all(dir);
    }

    fs::path dir;
    std::unique_ptr<SdlWavePlayer> player;
    std::unique_ptr<OutputTap> tap;
};

TEST_F(EffectsPlayback, SecondEffectCutsOffTheFirst)
{
    writeSquareWave(dir / "long.wav", 1.5, 12000);
    writeSquareWave(dir / "short.wav", 0.5, 4000);
    player->playFile((dir / "long.wav").string(), false);
    tap->waitFrames(kRate / 10);
    ASSERT_NEAR(tap->peakSince(0), 12000, 10);

    player->playFile((dir / "short.wav").string(), false);
    const long long cut = tap->frames();
    tap->waitFrames(kRate);
    // Were both sounding, the peaks would add up to 16000; afterwards the long one stays gone.
    EXPECT_NEAR(tap->peakSince(cut), 4000, 10);
}

TEST_F(EffectsPlayback, ClipPlaysFromMemoryAndCutsAFileEffect)
{
    writeSquareWave(dir / "stop.wav", 0.2, 3000);
    writeSquareWave(dir / "fanfare.wav", 2.0, 10000);
    ASSERT_TRUE(player->loadClip(0, (dir / "stop.wav").string()));
    fs::remove(dir / "stop.wav"); // from now on only the copy in memory exists

    player->playFile((dir / "fanfare.wav").string(), false);
    tap->waitFrames(kRate / 20);
    player->playClip(0);
    const long long cut = tap->frames();
    tap->waitFrames(kRate / 10);
    EXPECT_NEAR(tap->peakSince(cut), 3000, 10);
}

TEST_F(EffectsPlayback, SynchronousSoundReturnsOnlyAfterItsLength)
{
    const double seconds = 0.4;
    writeSquareWave(dir / "win.wav", seconds, 5000);
    const long long start = tap->frames();
    player->playFile((dir / "win.wav").string(), true);
    const long long mixedWhileWaiting = tap->frames() - start;
    // The last block holding the sound may end a little past it; one mix block of slack.
    EXPECT_GE(mixedWhileWaiting, static_cast<long long>(seconds * kRate) - 1024);
    EXPECT_NEAR(tap->peakSince(start), 5000, 10);
}

TEST_F(EffectsPlayback, MissingOrBrokenFilesPlayNothingAndNeverWait)
{
    {
        std::ofstream junk(dir / "junk.wav");
        junk << "this is no wave file";
    }
    EXPECT_FALSE(player->loadClip(0, (dir / "absent.wav").string()));
    EXPECT_FALSE(player->loadClip(1, (dir / "junk.wav").string()));
    const long long start = tap->frames();
    player->playClip(0);
    player->playClip(7); // never loaded
    player->playFile((dir / "absent.wav").string(), true);
    player->playFile((dir / "junk.wav").string(), false);
    tap->waitFrames(kRate / 10);
    EXPECT_EQ(tap->peakSince(start), 0);
}

TEST_F(EffectsPlayback, DirectoryOrFifoInPlaceOfAWaveNeitherLoadsNorBlocks)
{
    fs::create_directory(dir / "Vrn0.wav");
    ::mkfifo((dir / "Vrn7.wav").c_str(), 0600); // no writer: a plain open would wait forever
    for (const char *name : {"Vrn0.wav", "Vrn7.wav"}) {
        const std::string path = (dir / name).string();
        EXPECT_FALSE(player->loadClip(0, path)) << name;
        player->playFile(path, false);
        player->playFile(path, true);
    }
    const long long start = tap->frames();
    tap->waitFrames(kRate / 20);
    EXPECT_EQ(tap->peakSince(start), 0);
}

// The status of the one open audio device (SDL numbers them from 2).
SDL_AudioStatus deviceStatus()
{
    for (SDL_AudioDeviceID id = 2; id < 18; ++id)
        if (const SDL_AudioStatus status = SDL_GetAudioDeviceStatus(id); status != SDL_AUDIO_STOPPED)
            return status;
    return SDL_AUDIO_STOPPED;
}

TEST_F(EffectsPlayback, DeviceRestsWhileNothingSoundsAndWakesForTheNextEffect)
{
    static int argc = 1;
    static char name[] = "effects-test";
    static char *argv[] = {name, nullptr};
    if (!QCoreApplication::instance())
        new QCoreApplication(argc, argv); // the rest request comes as a queued event
    writeSquareWave(dir / "click.wav", 0.1, 6000);
    ASSERT_TRUE(player->loadClip(0, (dir / "click.wav").string()));
    player->playClip(0);
    EXPECT_EQ(deviceStatus(), SDL_AUDIO_PLAYING);
    QElapsedTimer guard; // only ends a run whose device never finished the click
    guard.start();
    while (deviceStatus() != SDL_AUDIO_PAUSED && guard.elapsed() < 5000) {
        QCoreApplication::processEvents();
        QThread::msleep(5);
    }
    ASSERT_EQ(deviceStatus(), SDL_AUDIO_PAUSED) << "the device mixes silence";

    const long long woken = tap->frames();
    player->playClip(0);
    EXPECT_EQ(deviceStatus(), SDL_AUDIO_PLAYING);
    tap->waitFrames(kRate / 20);
    EXPECT_NEAR(tap->peakSince(woken), 6000, 10) << "the click after the rest was not heard";
}

} // namespace
