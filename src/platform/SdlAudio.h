#pragma once
// The one audio device the effects and the music share. Both players open it through here so
// that it is opened once, in one fixed format, and closed when the last of them goes.

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

} // namespace varnholt::sdlaudio
