#pragma once
// Where the record files live.

#include <string>
#include <string_view>

namespace varnholt {

// The program's file name; also the folder of its saved games in the user's data directory.
inline constexpr std::string_view kProgramName = "varnholt-slots";

// The program file's name without its folder and without a trailing ".exe" (any letter case).
// An empty result falls back to the program's own name.
std::string exeStemFromPath(std::string_view programPath);

// The program file's folder with a trailing "/" ("./" for a bare file name).
std::string exeDirFromPath(std::string_view programPath);

// The user's data directory by the XDG rule: $XDG_DATA_HOME when it is an absolute path,
// otherwise <home>/.local/share. Empty when neither gives an answer.
std::string dataHomeFrom(const char *xdgDataHome, const char *home);

// dataHomeFrom() applied to this process's environment, with the account's home folder when
// $HOME is unset, and the current folder as the last resort.
std::string userDataHome();

// <data home>/varnholt-slots/<exeStem>.ini. The folder is created by the first save.
std::string savedGamePath(std::string_view exeStem);

} // namespace varnholt
