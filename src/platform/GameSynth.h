#pragma once
// The synthesizer every piece of the game's music is made with: the one that plays live and
// the one that renders a piece ahead into the music cache. Both are made here, with the same
// settings, so a piece sounds the same either way, to the sample.

#include <cstdint>
#include <string>

typedef struct _fluid_hashtable_t fluid_settings_t;
typedef struct _fluid_synth_t fluid_synth_t;

namespace varnholt {

struct GameSynth {
    fluid_settings_t *settings = nullptr;
    fluid_synth_t *synth = nullptr;
};

// The synthesizer with the soundfont loaded; both null when either cannot be made.
GameSynth makeGameSynth(const std::string &soundFont);
void freeGameSynth(GameSynth &synth);

// A piece rings on after its last event, as its notes and the reverb die away. It ends with
// the first block after the last event that is silent (within the dither's noise), at most
// kMaxTailSeconds after that event. The synthesizer's voice count says nothing here: it keeps
// fading voices for seconds after they have dropped below the last bit.
inline constexpr int kMaxTailSeconds = 10;
bool fallenSilent(const std::int16_t *block, int frames);

// What the synthesizer's output depends on besides the piece: its version, its settings and
// the soundfont's identity. A rendered piece is kept under a name made from it.
std::string gameSynthIdentity(const std::string &soundFont);

} // namespace varnholt
