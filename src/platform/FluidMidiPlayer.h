#pragma once
// MIDI music: a FluidSynth player driven by the audio device's own clock. The synthesizer is
// rendered straight into SDL_mixer's music slot, so the end of a piece is known when its last
// sample has been mixed, and reported to the user-interface thread as a queued event.

#include "platform/Sound.h"

#include <atomic>
#include <cstdint>
#include <mutex>
#include <vector>

class QObject;
typedef struct _fluid_hashtable_t fluid_settings_t;
typedef struct _fluid_synth_t fluid_synth_t;
typedef struct _fluid_player_t fluid_player_t;

namespace varnholt {

class FluidMidiPlayer final : public MidiPlayer {
public:
    // Null when no audio device can be opened or the soundfont cannot be loaded.
    static std::unique_ptr<FluidMidiPlayer> create(const std::string &soundFont);
    ~FluidMidiPlayer() override;

    bool open(const std::string &path, std::string *error) override;
    void play() override;
    void close() override;

    // Audio frames mixed since the last play(), and the mixing rate: the piece's clock.
    long long framesPlayed() const { return framesPlayed_.load(); }
    static int frameRate();

private:
    FluidMidiPlayer() = default;
    static void mixMusic(void *self, std::uint8_t *stream, int length);
    void render(std::int16_t *out, int frames);
    void stopLocked();

    fluid_settings_t *settings_ = nullptr;
    fluid_synth_t *synth_ = nullptr;
    bool audioAcquired_ = false;
    QObject *mailbox_ = nullptr; // lives in the user-interface thread; receives the end events

    // Everything below is shared with the audio thread and guarded by mutex_.
    std::mutex mutex_;
    std::vector<std::uint8_t> piece_;
    long long pieceFrames_ = 0;
    fluid_player_t *player_ = nullptr;
    bool endReported_ = false;
    std::atomic<unsigned> generation_{0}; // bumped by every play and stop: stale ends are dropped
    std::atomic<long long> framesPlayed_{0};
};

// Where the General MIDI soundfont of this system lies; empty when none is installed.
std::string findGeneralMidiSoundFont();

} // namespace varnholt
