#pragma once
// The two items of the Options menu that switch the effects and the music.

#include "presentation/MusicCycle.h"
#include "presentation/SoundEffects.h"

class QAction;
class QMenu;

namespace varnholt {

struct SoundMenuItems {
    QAction *Sound1 = nullptr; // "Sound"
    QAction *Music1 = nullptr; // "Music"
};

// Adds "Sound" and "Music" to the menu, checked as SoundOn and MusicOn stand (both on at
// start). Choosing one calls Sound1Click or Music1Click and shows the new state as its check.
SoundMenuItems addSoundMenuItems(QMenu &options, SoundEffects &sounds, MusicCycle &music);

} // namespace varnholt
