#pragma once
// The sound services the game asks for: wave effects and MIDI music. The game makes every
// request through these two interfaces; a silent implementation stands in when no audio works.

#include <functional>
#include <memory>
#include <string>

namespace varnholt {

class WavePlayer {
public:
    virtual ~WavePlayer() = default;

    // Reads a wave file whole into memory under an id, for playing many times.
    // False when the file cannot be read.
    virtual bool loadClip(int id, const std::string &path) = 0;
    // Plays a clip from memory without waiting; cuts off the effect still sounding.
    virtual void playClip(int id) = 0;
    // Plays a wave file; without waiting (cutting off the effect still sounding) or
    // returning only when it has finished. A missing or unreadable file plays nothing.
    virtual void playFile(const std::string &path, bool wait) = 0;
};

class MidiPlayer {
public:
    virtual ~MidiPlayer() = default;

    // Opens a MIDI file for playing. False, with the player's message in error, when it cannot.
    virtual bool open(const std::string &path, std::string *error) = 0;
    // Plays the open file from its start; onFinished is called, in the user-interface thread,
    // when the piece has ended by itself (never after stop() or close()).
    virtual void play() = 0;
    virtual void close() = 0;

    std::function<void()> onFinished;
};

std::unique_ptr<WavePlayer> makeSilentWavePlayer();
std::unique_ptr<MidiPlayer> makeSilentMidiPlayer();

} // namespace varnholt
