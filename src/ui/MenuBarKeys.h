#pragma once
// Keeps the keyboard with the machine around trips through the menu bar. Qt leaves the keys
// with the menu bar after a menu closed with Escape or after a command's dialog closed, where
// the machine's keys do nothing and nothing shows where they went.

class QMenuBar;
class QWidget;

namespace varnholt {

// Whenever the menu bar gets the keys back from a closed menu or dialog (not when the player
// asks for it with Alt or F10), they go on to `face` once no menu is open.
void giveKeysBackAfterMenus(QMenuBar &bar, QWidget &face);

} // namespace varnholt
