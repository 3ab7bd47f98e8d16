// Reading MIDI files, and playing them through the synthesizer on a headless audio device.

#include "platform/FluidMidiPlayer.h"
#include "platform/GameSynth.h"
#include "platform/MusicCache.h"
#include "platform/MusicFile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

using namespace varnholt;
namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;

// Builds small standard MIDI files event by event.
class MidiTrack {
public:
    MidiTrack &event(std::uint32_t delta, std::initializer_list<std::uint8_t> message)
    {
        deltaTime(delta);
        bytes_.insert(bytes_.end(), message);
        return *this;
    }
    MidiTrack &tempo(std::uint32_t delta, std::uint32_t microsecondsPerBeat)
    {
        return event(delta, {0xFF, 0x51, 0x03, std::uint8_t(microsecondsPerBeat >> 16),
                             std::uint8_t(microsecondsPerBeat >> 8), std::uint8_t(microsecondsPerBeat)});
    }
    MidiTrack &end(std::uint32_t delta) { return event(delta, {0xFF, 0x2F, 0x00}); }
    const Bytes &bytes() const { return bytes_; }

private:
    void deltaTime(std::uint32_t value)
    {
        std::uint8_t groups[4];
        int n = 0;
        do {
            groups[n++] = value & 0x7F;
            value >>= 7;
        } while (value);
        while (n-- > 0)
            bytes_.push_back(groups[n] | (n ? 0x80 : 0));
    }
    Bytes bytes_;
};

Bytes midiFile(std::vector<MidiTrack> tracks, std::uint16_t division = 480, std::uint16_t format = 1)
{
    Bytes out{'M',
              'T',
              'h',
              'd',
              0,
              0,
              0,
              6,
              0,
              std::uint8_t(format),
              0,
              std::uint8_t(tracks.size()),
              std::uint8_t(division >> 8),
              std::uint8_t(division)};
    for (const MidiTrack &track : tracks) {
        const auto size = static_cast<std::uint32_t>(track.bytes().size());
        out.insert(out.end(), {'M', 'T', 'r', 'k', std::uint8_t(size >> 24), std::uint8_t(size >> 16),
                               std::uint8_t(size >> 8), std::uint8_t(size)});
        out.insert(out.end(), track.bytes().begin(), track.bytes().end());
    }
    return out;
}

// A piece of exactly `beats` beats at 120 per minute: a harpsichord chord on each beat.
Bytes chordPiece(int beats)
{
    MidiTrack track;
    track.tempo(0, 500000).event(0, {0xC0, 6});
    for (int beat = 0; beat < beats; ++beat) {
        track.event(0, {0x90, 60, 100}).event(0, {0x90, 64, 100}).event(0, {0x90, 67, 100});
        track.event(400, {0x80, 60, 0}).event(0, {0x80, 64, 0}).event(0, {0x80, 67, 0});
        track.event(80, {0x80, 67, 0}); // keeps the beat 480 ticks long
    }
    return midiFile({track.end(0)});
}

TEST(MidiPieceReading, LengthFollowsTheTempoMap)
{
    std::string error;
    auto piece = readMidiPiece(chordPiece(4), &error);
    ASSERT_TRUE(piece) << error;
    EXPECT_DOUBLE_EQ(piece->seconds, 2.0);
    EXPECT_EQ(piece->notes, 12);

    // Tempo in the first track, notes in the second; one beat at 120, then two at 60 per minute.
    MidiTrack tempos;
    tempos.tempo(0, 500000).tempo(480, 1000000).end(0);
    MidiTrack notes;
    notes.event(0, {0x90, 60, 90}).event(1440, {0x80, 60, 0}).end(0);
    piece = readMidiPiece(midiFile({tempos, notes}), &error);
    ASSERT_TRUE(piece) << error;
    EXPECT_DOUBLE_EQ(piece->seconds, 0.5 + 2.0);
}

TEST(MidiPieceReading, RunningStatusAndTimeCodeDivision)
{
    // Running status: one status byte, then bare note pairs; velocity 0 ends a note.
    MidiTrack track;
    track.event(0, {0x90, 60, 100}).event(25, {62, 100}).event(25, {60, 0}).event(50, {62, 0}).end(0);
    // 25 frames a second, 40 ticks a frame: 1000 ticks a second.
    const std::uint16_t timeCode = static_cast<std::uint16_t>((256 - 25) << 8 | 40);
    std::string error;
    auto piece = readMidiPiece(midiFile({track}, timeCode), &error);
    ASSERT_TRUE(piece) << error;
    EXPECT_EQ(piece->notes, 2);
    EXPECT_DOUBLE_EQ(piece->seconds, 0.1);
}

TEST(MidiPieceReading, DamagedFilesAreRefusedWithAReason)
{
    std::string error;
    EXPECT_FALSE(readMidiPiece({}, &error));
    EXPECT_EQ(error, "it is not a standard MIDI file");

    const std::string text = "RIFF....WAVEfmt not music at all";
    EXPECT_FALSE(readMidiPiece(Bytes(text.begin(), text.end()), &error));
    EXPECT_EQ(error, "it is not a standard MIDI file");

    Bytes cut = chordPiece(4);
    cut.resize(cut.size() - 20);
    EXPECT_FALSE(readMidiPiece(cut, &error));
    EXPECT_EQ(error, "the file is cut short");

    // A track whose length is right but whose last event stops in the middle.
    MidiTrack broken;
    broken.event(0, {0x90, 60});
    EXPECT_FALSE(readMidiPiece(midiFile({broken}), &error));
    EXPECT_EQ(error, "a track of the file is damaged");

    MidiTrack silent;
    silent.tempo(0, 500000).end(960);
    EXPECT_FALSE(readMidiPiece(midiFile({silent}), &error));
    EXPECT_EQ(error, "it holds no notes");

    Bytes headerOnly = midiFile({}, 480, 1);
    headerOnly[11] = 2; // announces two tracks, holds none
    EXPECT_FALSE(readMidiPiece(headerOnly, &error));
}

QCoreApplication &app()
{
    static int argc = 1;
    static char name[] = "music-test";
    static char *argv[] = {name, nullptr};
    static QCoreApplication *instance =
        QCoreApplication::instance() ? QCoreApplication::instance() : new QCoreApplication(argc, argv);
    return *instance;
}

// The player with the renderer's end in reach.
class RenderingPlayer : public FluidMidiPlayer {
public:
    static std::unique_ptr<RenderingPlayer> make(MusicCacheSetup cache = {})
    {
        std::unique_ptr<RenderingPlayer> self(new RenderingPlayer());
        if (!self->start(findGeneralMidiSoundFont(), std::move(cache)))
            return nullptr;
        return self;
    }
    using FluidMidiPlayer::waitForRenderer;
};

class MusicPlayback : public ::testing::Test {
protected:
    void SetUp() override
    {
        app();
        dir = fs::temp_directory_path() / ("varnholt-music-" + std::to_string(::getpid()));
        fs::create_directories(dir);
        const std::string soundFont = findGeneralMidiSoundFont();
        ASSERT_FALSE(soundFont.empty()) << "the General MIDI soundfont is not installed";
        ::setenv("SDL_AUDIODRIVER", "dummy", 0); // a headless device unless one is chosen
        player = RenderingPlayer::make();
        ASSERT_TRUE(player) << "no audio device";
        player->onFinished = [this] {
            ++finished;
            framesAtFinish = player->framesPlayed();
        };
    }
    void TearDown() override
    {
        player.reset();
        fs::remove_all(dir);
    }

    std::string write(const std::string &name, const Bytes &bytes)
    {
        const fs::path path = dir / name;
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char *>(bytes.data()), bytes.size());
        return path.string();
    }

    // Handles events until done() holds, sleeping between looks; bounded so a dead device fails.
    template <class Done> bool processEventsUntil(Done done, int limitMs = 8000)
    {
        QElapsedTimer guard;
        guard.start();
        while (!done() && guard.elapsed() < limitMs) {
            QCoreApplication::processEvents();
            QThread::msleep(5);
        }
        QCoreApplication::processEvents();
        return done();
    }

    fs::path dir;
    void makePlayer(MusicCacheSetup cache)
    {
        player.reset(); // the device has one music slot: the old player must let go of it first
        player = RenderingPlayer::make(std::move(cache));
        ASSERT_TRUE(player);
        player->onFinished = [this] {
            ++finished;
            framesAtFinish = player->framesPlayed();
        };
    }

    std::unique_ptr<RenderingPlayer> player;
    int finished = 0;
    long long framesAtFinish = 0;
};

TEST_F(MusicPlayback, EndOfATwoSecondPieceArrivesAfterItsTail)
{
    std::string error;
    ASSERT_TRUE(player->open(write("two.mid", chordPiece(4)), &error)) << error;

    long long peak = 0;
    Mix_SetPostMix(
        [](void *out, std::uint8_t *stream, int length) {
            auto *samples = reinterpret_cast<const std::int16_t *>(stream);
            for (int i = 0; i < length / 2; ++i)
                *static_cast<long long *>(out) =
                    std::max<long long>(*static_cast<long long *>(out), std::abs(samples[i]));
        },
        &peak);
    player->play();
    ASSERT_TRUE(processEventsUntil([&] { return finished > 0; }));
    Mix_SetPostMix(nullptr, nullptr);

    EXPECT_EQ(finished, 1);
    EXPECT_GT(peak, 1000) << "the piece was not heard";
    // On the audio clock: the last chord rings on past the events, but not for ever.
    const long long end = 2 * FluidMidiPlayer::frameRate();
    EXPECT_GT(framesAtFinish, end + 1024) << "the tail was cut";
    EXPECT_LE(framesAtFinish, end + kMaxTailSeconds * FluidMidiPlayer::frameRate() + 1024);

    // It reports once per play, not again while the last notes ring on.
    const long long now = player->framesPlayed();
    processEventsUntil([&] { return player->framesPlayed() > now + FluidMidiPlayer::frameRate() / 5; });
    EXPECT_EQ(finished, 1);
}

TEST_F(MusicPlayback, StopAskedForByTheGameNeverReportsAnEnd)
{
    const std::string path = write("short.mid", chordPiece(1));
    ASSERT_TRUE(player->open(path, nullptr));
    player->play();
    // Let the piece end on the audio side without handing its notice to anyone yet.
    const long long end = FluidMidiPlayer::frameRate() / 2;
    while (player->framesPlayed() < end + 4096)
        QThread::msleep(10);
    player->close();
    QCoreApplication::processEvents();
    EXPECT_EQ(finished, 0) << "an end reported after close() would skip a piece";

    // Opening and playing again reports the new play's end only.
    ASSERT_TRUE(player->open(path, nullptr));
    player->play();
    ASSERT_TRUE(processEventsUntil([&] { return finished > 0; }));
    EXPECT_EQ(finished, 1);
}

TEST_F(MusicPlayback, UnplayableFilesGiveTheReason)
{
    std::string error;
    EXPECT_FALSE(player->open((dir / "absent.mid").string(), &error));
    EXPECT_EQ(error, "the file cannot be read");
    EXPECT_FALSE(player->open(write("junk.mid", Bytes{'M', 'T', 'h', 'd', 0, 0}), &error));
    EXPECT_EQ(error, "it is not a standard MIDI file");
    player->play(); // nothing is open: stays silent and never reports
    const long long now = player->framesPlayed();
    QThread::msleep(100);
    QCoreApplication::processEvents();
    EXPECT_EQ(finished, 0);
    EXPECT_EQ(player->framesPlayed(), now);
}

// What the device mixes while a piece plays, each mix put at its place in the piece.
struct PieceCapture {
    PieceCapture(const FluidMidiPlayer *playing, long long frames)
        : player(playing), samples(frames * 2), filled(frames)
    {}
    static void take(void *self, std::uint8_t *stream, int length)
    {
        auto *capture = static_cast<PieceCapture *>(self);
        if (!capture->on)
            return;
        const long long frames = length / 4;
        const long long start = capture->player->framesPlayed() - frames;
        const auto *mixed = reinterpret_cast<const std::int16_t *>(stream);
        const auto size = static_cast<long long>(capture->filled.size());
        for (long long i = 0; i < frames && start >= 0 && start + i < size; ++i) {
            capture->samples[(start + i) * 2] = mixed[i * 2];
            capture->samples[(start + i) * 2 + 1] = mixed[i * 2 + 1];
            capture->filled[start + i] = 1;
        }
    }
    const FluidMidiPlayer *player;
    std::vector<std::int16_t> samples;
    std::vector<char> filled;
    std::atomic<bool> on{false};
};

TEST_F(MusicPlayback, APieceIsRenderedAheadWithItsTailThenPlayedFromTheCacheToTheSample)
{
    const fs::path cache = dir / "cache";
    makePlayer({cache.string(), VARNHOLT_MUSIC_RENDERER});
    const Bytes piece = chordPiece(4);
    const long long frames = 2 * FluidMidiPlayer::frameRate();
    const long long room = frames + kMaxTailSeconds * FluidMidiPlayer::frameRate() + 4096;
    const fs::path rendered =
        cache / cachedPieceName(piece, frames, gameSynthIdentity(findGeneralMidiSoundFont()));
    // A damaged file under the piece's name is not played; the piece is rendered again.
    fs::create_directories(cache);
    std::ofstream(rendered) << "not a sound";

    const std::string path = write("two.mid", piece);
    PieceCapture live(player.get(), room);
    Mix_SetPostMix(&PieceCapture::take, &live);
    ASSERT_TRUE(player->open(path, nullptr));
    player->play();
    live.on = true;
    EXPECT_FALSE(player->playingFromCache());
    EXPECT_TRUE(player->synthLoaded());
    ASSERT_TRUE(processEventsUntil([&] { return finished == 1; }));
    live.on = false;
    const long long liveEnd = framesAtFinish;
    ASSERT_TRUE(player->waitForRenderer(30000)) << "the renderer failed";
    ASSERT_TRUE(fs::exists(rendered));
    player->close();

    PieceCapture cached(player.get(), room);
    Mix_SetPostMix(&PieceCapture::take, &cached);
    ASSERT_TRUE(player->open(path, nullptr));
    player->play();
    cached.on = true;
    EXPECT_TRUE(player->playingFromCache());
    EXPECT_FALSE(player->synthLoaded()) << "the soundfont's memory was not given back";
    ASSERT_TRUE(processEventsUntil([&] { return finished == 2; }));
    cached.on = false;
    Mix_SetPostMix(nullptr, nullptr);
    // The file holds the tail: the piece ends from the cache where it ended live, within a
    // mix block either way.
    EXPECT_GT(framesAtFinish, frames + 1024) << "the tail was not rendered";
    EXPECT_NEAR(framesAtFinish, liveEnd, 2048);

    long long compared = 0, differing = 0, peak = 0, tailPeak = 0;
    for (long long i = 0; i < std::min(liveEnd, framesAtFinish) - 1024; ++i) {
        if (!live.filled[i] || !cached.filled[i])
            continue;
        ++compared;
        for (int channel = 0; channel < 2; ++channel) {
            differing += live.samples[i * 2 + channel] != cached.samples[i * 2 + channel];
            long long &into = i < frames ? peak : tailPeak;
            into = std::max<long long>(into, std::abs(cached.samples[i * 2 + channel]));
        }
    }
    EXPECT_GT(compared, frames * 9 / 10);
    EXPECT_GT(peak, 1000) << "the piece was not heard";
    EXPECT_GT(tailPeak, 100) << "the notes did not ring on";
    EXPECT_EQ(differing, 0) << "the cached piece does not sound as the synthesizer made it";

    // The cycle's other pieces are rendered ahead, one after another, and never need the
    // synthesizer in the game.
    const std::string one = write("one.mid", chordPiece(2));
    const std::string three = write("three.mid", chordPiece(3));
    player->renderAhead({one, three, path});
    ASSERT_TRUE(player->waitForRenderer(60000)) << "the renderer failed";
    for (const std::string &ahead : {one, three}) {
        ASSERT_TRUE(player->open(ahead, nullptr));
        player->play();
        EXPECT_TRUE(player->playingFromCache()) << ahead;
        EXPECT_FALSE(player->synthLoaded());
    }
}

TEST_F(MusicPlayback, WhatIsNotARegularFileUnderAPiecesNameIsNeverOpenedAndIsCleared)
{
    const fs::path cache = dir / "cache";
    makePlayer({cache.string(), VARNHOLT_MUSIC_RENDERER});
    const Bytes piece = chordPiece(4);
    const fs::path rendered = cache / cachedPieceName(piece, 2 * FluidMidiPlayer::frameRate(),
                                                      gameSynthIdentity(findGeneralMidiSoundFont()));
    fs::create_directories(cache);
    const std::string path = write("two.mid", piece);
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
    // Without a writer, opening any of these for reading as a file would wait for ever.
    for (const auto &plant :
         std::vector<std::function<void()>>{[&] { ASSERT_EQ(::mkfifo(rendered.c_str(), 0600), 0); },
                                            [&] { fs::create_symlink(dir / "fifo", rendered); },
                                            [&] { fs::create_symlink("/dev/zero", rendered); }}) {
        plant();
        ASSERT_TRUE(player->open(path, nullptr));
        player->play();
        EXPECT_FALSE(player->playingFromCache());
        const fs::file_status there = fs::symlink_status(rendered);
        EXPECT_FALSE(fs::is_fifo(there) || fs::is_symlink(there)) << "left for the renderer to replace";
        player->close();
        player->waitForRenderer(30000);
        fs::remove(rendered);
    }
    EXPECT_TRUE(fs::is_fifo(dir / "fifo")) << "only the name in the cache goes";
}

TEST(MusicRenderer, RefusesWhatItCannotRenderAndLeavesNoFile)
{
    const fs::path dir = fs::temp_directory_path() / ("varnholt-render-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const auto run = [&](const QByteArray &input) {
        QProcess renderer;
        renderer.start(VARNHOLT_MUSIC_RENDERER, {QString::fromStdString(findGeneralMidiSoundFont()),
                                                 QString::fromStdString((dir / "out.flac").string())});
        renderer.write(input);
        renderer.closeWriteChannel();
        renderer.waitForFinished(30000);
        return renderer.exitCode();
    };
    const Bytes piece = chordPiece(1);
    const QByteArray good(reinterpret_cast<const char *>(piece.data()), static_cast<qsizetype>(piece.size()));
    EXPECT_NE(run("MThd junk"), 0);
    EXPECT_NE(run(""), 0);
    // A tempo of a microsecond a beat... then an hour-long beat: longer than any piece may be.
    MidiTrack endless;
    endless.tempo(0, 0xFFFFFF).event(0, {0x90, 60, 100}).event(0x0FFFFFFF, {0x80, 60, 0}).end(0);
    const Bytes hostile = midiFile({endless}, 1);
    EXPECT_NE(run(QByteArray(reinterpret_cast<const char *>(hostile.data()),
                             static_cast<qsizetype>(hostile.size()))),
              0)
        << "a hostile length must not fill the disk";
    EXPECT_TRUE(fs::is_empty(dir)) << "a refused piece left a file";
    EXPECT_EQ(run(good), 0);
    EXPECT_TRUE(fs::exists(dir / "out.flac"));
    fs::remove(dir / "out.flac");

    // Stopped halfway (the game quitting), it leaves nothing, not even its half-written file.
    const fs::path longPiece =
        fs::temp_directory_path() / ("varnholt-long-" + std::to_string(::getpid()) + ".mid");
    const Bytes longBytes = chordPiece(3000);
    std::ofstream(longPiece, std::ios::binary)
        .write(reinterpret_cast<const char *>(longBytes.data()),
               static_cast<std::streamsize>(longBytes.size()));
    QProcess stopped;
    stopped.setStandardInputFile(QString::fromStdString(longPiece.string()));
    stopped.start(VARNHOLT_MUSIC_RENDERER, {QString::fromStdString(findGeneralMidiSoundFont()),
                                            QString::fromStdString((dir / "out.flac").string())});
    for (int wait = 0; wait < 3000 && fs::is_empty(dir); ++wait)
        QThread::msleep(10);
    ASSERT_FALSE(fs::is_empty(dir)) << "the renderer never began its file";
    stopped.terminate();
    ASSERT_TRUE(stopped.waitForFinished(30000));
    EXPECT_NE(stopped.exitCode(), 0);
    EXPECT_TRUE(fs::is_empty(dir)) << "a stopped render left a file";
    fs::remove(longPiece);
    fs::remove_all(dir);
}

} // namespace
