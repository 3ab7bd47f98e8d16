#pragma once
// Reading a standard MIDI file far enough to know that it can be played and how long it lasts.
// The player checks every piece with it before handing it to the synthesizer, so a damaged
// file gives a message instead of silence, and the end of a piece is known to the sample.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace varnholt {

struct MidiPiece {
    double seconds = 0; // from the start to the last track's end
    int notes = 0;      // note-on events with a velocity above zero
};

// The piece in bytes, or nothing with the reason in error (when error is given).
std::optional<MidiPiece> readMidiPiece(const std::vector<std::uint8_t> &bytes, std::string *error);

} // namespace varnholt
