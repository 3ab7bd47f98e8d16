#pragma once
// The vault as screen readers see it: the room is a list of the five chests, left to right as
// they stand and as the keys 1 to 5 count them. The highlighted chest is the focused, selected
// item; pressing an item picks its chest; the picked one names its prize.

namespace varnholt {

class TTrickForm;

// Lets the accessibility framework describe the vault's room this way; safe to call often.
void installVaultAccessibility();

// Tells screen readers the highlight moved to the chest at this place from the left (0..4).
void vaultHighlightMoved(TTrickForm &vault, int place);
// Tells screen readers the chest at this place was picked and now shows its prize.
void vaultChestPicked(TTrickForm &vault, int place);

} // namespace varnholt
