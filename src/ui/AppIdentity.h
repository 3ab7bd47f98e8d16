#pragma once
// How the desktop knows the game: its desktop-entry id and its icon.

#include <QIcon>

namespace varnholt {

// The program's name as --version and the desktop show it.
inline constexpr char kAppName[] = "Varnholt Slots";

// The reverse-DNS id of the desktop entry, the metainfo and the icon.
inline constexpr char kAppId[] = "org.varnholt.Slots";

// The machine's icon at every size it is drawn in, from the resources built into the program.
QIcon appIcon();

} // namespace varnholt
