#pragma once
// The one audio device the effects and the music share. Both players open it through here so
// that it is opened once, in one fixed format, and closed when the last of them goes.
//
// While nothing sounds (no effect, no music) the device is paused, so SDL_mixer mixes no
// silence; the next sound resumes it before it starts, within one mix block.
// Every function here belongs to the user-interface thread, except restSoon().

namespace varnholt::sdlaudio {

inline constexpr int kRate = 44100;
inline constexpr int kChannels = 2;
// Every effect plays on this one mixer channel, so a new effect cuts off the one sounding.
inline constexpr int kEffectChannel = 0;

// Opens the device on first use (16-bit stereo at kRate, exactly: the music renders straight
// into the mix buffer). False when there is no audio device; the caller then stays silent.
bool acquire();
// Gives back one acquire(); the last one closes the device.
void release();

// Resumes the device for a sound about to start.
void wake();
// The music player says whether it has a piece playing; without one, the device may rest.
void setMusicSounding(bool sounding);
// Pauses the device when no effect sounds and no piece plays.
void restIfQuiet();
// From any thread (the mixer's end-of-effect callback): restIfQuiet() soon, on the
// user-interface thread.
void restSoon();

} // namespace varnholt::sdlaudio
