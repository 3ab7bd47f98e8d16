#pragma once
// The Options menu's choices as the player last left them, kept from one start to the next in
// the desktop's configuration folder ($XDG_CONFIG_HOME/varnholt-slots/options.conf). Never in
// the saved game, and never in the settings file beside the program, which is only read.

#include <string>

namespace varnholt {

struct RememberedOptions {
    bool sound = true;
    bool music = true;
};

// Reads the choices from `file`, or from the desktop's configuration folder when it is empty;
// both on when nothing was kept yet.
RememberedOptions loadRememberedOptions(const std::string &file);

// Keeps the choices; false when they could not be written.
bool saveRememberedOptions(const std::string &file, const RememberedOptions &options);

} // namespace varnholt
