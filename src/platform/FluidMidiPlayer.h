#pragma once
// MIDI music: FluidSynth's output, or the same piece rendered ahead into the music cache,
// played straight into SDL_mixer's music slot on the audio device's own clock. The end of a
// piece is known when its last sample has been mixed, and reported to the user-interface
// thread as a queued event.
//
// A piece found in the cache is played from there and costs neither the synthesizer (some
// 14 MiB with its soundfont) nor synthesis on the audio thread. A piece not found is played
// live, and a low-priority renderer program is started to put it into the cache for next time.

#include "platform/GameSynth.h"
#include "platform/Sound.h"

#include <atomic>
#include <cstdint>
#include <mutex>
#include <vector>

class QObject;
class QProcess;
typedef struct sf_private_tag SNDFILE;
typedef struct _fluid_player_t fluid_player_t;

namespace varnholt {

class FluidMidiPlayer final : public MidiPlayer {
public:
    // Null when no audio device can be opened or no soundfont is given.
    static std::unique_ptr<FluidMidiPlayer> create(const std::string &soundFont, MusicCacheSetup cache = {});
    ~FluidMidiPlayer() override;

    bool open(const std::string &path, std::string *error) override;
    void play() override;
    void close() override;

    // Audio frames mixed since the last play(), and the mixing rate: the piece's clock.
    long long framesPlayed() const { return framesPlayed_.load(); }
    static int frameRate();
    // Whether the piece playing comes from the cache, and whether the synthesizer is loaded.
    bool playingFromCache() const;
    bool synthLoaded() const { return synth_.synth != nullptr; }
    // Waits (for tests) until the renderer started by play() has finished; true if it made the file.
    bool waitForRenderer(int milliseconds);

private:
    FluidMidiPlayer() = default;
    static void mixMusic(void *self, std::uint8_t *stream, int length);
    void render(std::int16_t *out, int frames);
    void stopLocked();
    SNDFILE *openCachedPiece() const;
    bool loadSynth();
    void freeSynth();
    void startRenderer();
    void stopRenderer();

    std::string soundFont_;
    MusicCacheSetup cache_;
    std::string cacheFile_; // the open piece's name in the cache; empty without a cache
    GameSynth synth_;
    bool audioAcquired_ = false;
    QObject *mailbox_ = nullptr; // lives in the user-interface thread; receives the end events
    QProcess *renderer_ = nullptr;

    // Everything below is shared with the audio thread and guarded by mutex_.
    mutable std::mutex mutex_;
    std::vector<std::uint8_t> piece_;
    long long pieceFrames_ = 0;
    fluid_player_t *player_ = nullptr;
    SNDFILE *cached_ = nullptr;
    bool endReported_ = false;
    std::atomic<unsigned> generation_{0}; // bumped by every play and stop: stale ends are dropped
    std::atomic<long long> framesPlayed_{0};
};

// Where the General MIDI soundfont of this system lies; empty when none is installed.
std::string findGeneralMidiSoundFont();

} // namespace varnholt
