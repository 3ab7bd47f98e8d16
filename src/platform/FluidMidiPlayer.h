#pragma once
// MIDI music: FluidSynth's output, or the same piece rendered ahead into the music cache,
// played straight into SDL_mixer's music slot on the audio device's own clock. A piece plays
// with its tail, until its last notes have died away; its end is known when that has been
// mixed, and reported to the user-interface thread as a queued event.
//
// A piece found in the cache is played from there and costs neither the synthesizer (some
// 14 MiB with its soundfont) nor synthesis on the audio thread. The pieces of the cycle are
// rendered into the cache ahead, one after another, by a low-priority renderer program; a
// piece not yet there is played live meanwhile.

#include "platform/GameSynth.h"
#include "platform/Sound.h"

#include <atomic>
#include <cstdint>
#include <deque>
#include <mutex>
#include <vector>

class QObject;
class QProcess;
typedef struct sf_private_tag SNDFILE;
typedef struct _fluid_player_t fluid_player_t;

namespace varnholt {

class FluidMidiPlayer : public MidiPlayer {
public:
    // Null when no audio device can be opened or no soundfont is given.
    static std::unique_ptr<FluidMidiPlayer> create(const std::string &soundFont, MusicCacheSetup cache = {});
    ~FluidMidiPlayer() override;
    FluidMidiPlayer(const FluidMidiPlayer &) = delete;
    FluidMidiPlayer &operator=(const FluidMidiPlayer &) = delete;

    bool open(const std::string &path, std::string *error) override;
    void play() override;
    void close() override;
    void renderAhead(const std::vector<std::string> &paths) override;

    // Audio frames mixed since the last play(), and the mixing rate: the piece's clock.
    long long framesPlayed() const { return framesPlayed_.load(); }
    static int frameRate();
    // Whether the piece playing comes from the cache, and whether the synthesizer is loaded.
    bool playingFromCache() const;
    bool synthLoaded() const;

protected:
    FluidMidiPlayer() = default;
    // Opens the audio device and hooks the music slot; false when there is no device.
    bool start(const std::string &soundFont, MusicCacheSetup cache);
    // Waits until every piece asked for has been rendered; true if the last renderer made its file.
    bool waitForRenderer(int milliseconds);

private:
    struct RenderJob {
        std::vector<std::uint8_t> piece;
        std::string file;
    };

    static void mixMusic(void *self, std::uint8_t *stream, int length);
    void render(std::int16_t *out, int frames);
    // Under mutex_, on the audio thread: whether the block just mixed ends the piece.
    bool pieceEnded(const std::int16_t *block, int frames, int got) const;
    // Ends the piece playing; whether the device may rest is the caller's to say.
    void stop();
    // The open piece's file in the cache with its length, or null when it is not there.
    SNDFILE *takeCachedPiece(long long &frames);
    bool loadSynth();
    void freeSynth();
    std::string cacheFileFor(const std::vector<std::uint8_t> &piece, long long frames) const;
    void queueRender(std::vector<std::uint8_t> piece, std::string file);
    void renderNext();
    void stopRenderer();

    // The user-interface thread's own: the audio thread never touches these.
    std::string soundFont_;
    MusicCacheSetup cache_;
    std::vector<std::uint8_t> piece_; // the open piece's bytes
    std::string cacheFile_;           // its name in the cache; empty without a cache
    bool audioAcquired_ = false;
    QProcess *renderer_ = nullptr;
    std::string rendering_; // the file renderer_ is making
    bool lastRenderMade_ = false;
    std::deque<RenderJob> renderQueue_;

    // Lives in the user-interface thread and receives the end events. The audio thread reads
    // the pointer too: it is set before the music slot is hooked and deleted after it is
    // unhooked, so it never changes while a mix can run.
    QObject *mailbox_ = nullptr;

    // Shared with the audio thread: guarded by mutex_, which the audio thread holds for a
    // whole mix. Files are opened and the soundfont loaded before taking it, so the mix never
    // waits for the disk. Only the user-interface thread writes these (endReported_ aside, which
    // the mix sets), so that thread alone may read them without the lock.
    mutable std::mutex mutex_;
    long long pieceFrames_ = 0;        // the events' length; the tail follows
    GameSynth synth_;                  // mixed from only while player_ is set
    fluid_player_t *player_ = nullptr; // a live piece; never together with cached_
    SNDFILE *cached_ = nullptr;        // a piece from the cache
    long long cachedFrames_ = 0;       // its length, tail included
    bool endReported_ = false;         // set by the mix, cleared by play
    // Bumped by every play and stop: an end queued for an earlier play is dropped.
    std::atomic<unsigned> generation_{0};
    // Written by the audio thread (and reset under mutex_ by play); read by anyone.
    std::atomic<long long> framesPlayed_{0};
};

// Where the General MIDI soundfont of this system lies; empty when none is installed.
std::string findGeneralMidiSoundFont();

} // namespace varnholt
