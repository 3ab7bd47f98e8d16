#pragma once
// The sound services the game asks for: wave effects and MIDI music. The game makes every
// request through these two interfaces; a silent implementation stands in when no audio works.

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace varnholt {

class WavePlayer {
public:
    virtual ~WavePlayer() = default;

    // Reads a wave file whole into memory under an id, for playing many times.
    // False when the file cannot be read or is no wave sound.
    virtual bool loadClip(int id, const std::string &path) = 0;
    // Plays a clip from memory without waiting; cuts off the effect still sounding.
    // An id never loaded plays nothing.
    virtual void playClip(int id) = 0;
    // Plays a wave file; without waiting (cutting off the effect still sounding) or
    // returning only when it has finished. A missing or unreadable file plays nothing.
    virtual void playFile(const std::string &path, bool wait) = 0;
};

class MidiPlayer {
public:
    virtual ~MidiPlayer() = default;

    // Opens a MIDI file for playing, closing the one open before. False, with the player's
    // message in error, when the file cannot be played.
    virtual bool open(const std::string &path, std::string *error) = 0;
    // Plays the open file from its start; onFinished is called, in the user-interface thread,
    // when the piece has played to its end. A piece stopped by close() or by another open()
    // never reports.
    virtual void play() = 0;
    virtual void close() = 0;
    // Readies these pieces in the background, one after another, so they later play without
    // the synthesizer. Players without a cache ignore it.
    virtual void renderAhead(const std::vector<std::string> &paths) { (void)paths; }

    std::function<void()> onFinished;
};

std::unique_ptr<WavePlayer> makeSilentWavePlayer();
std::unique_ptr<MidiPlayer> makeSilentMidiPlayer();

// The real players on the desktop's audio device; each falls back to its silent stand-in
// when no audio device can be opened (or, for music, no soundfont is installed).
std::unique_ptr<WavePlayer> makeSdlWavePlayer();
// Where pieces rendered ahead are kept and the program that renders them; either empty: no cache.
struct MusicCacheSetup {
    std::string folder;
    std::string renderer;
};

// With loadNow false the player is made only when the first piece is opened, for a game
// started with Music off. Either way the synthesizer and its soundfont (some 14 MiB) are loaded
// only for a piece the cache does not hold, and freed again when a cached piece plays.
std::unique_ptr<MidiPlayer> makeFluidMidiPlayer(bool loadNow = true, MusicCacheSetup cache = {});

// A player that calls `make` when it is first opened and passes every request on to
// what it made (a silent player when that is null), onFinished included.
std::unique_ptr<MidiPlayer> makeDeferredMidiPlayer(std::function<std::unique_ptr<MidiPlayer>()> make);

} // namespace varnholt
