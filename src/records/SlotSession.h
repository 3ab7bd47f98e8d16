#pragma once
// The steps of the slot dialog. The dialog borrows the game state to read the eight named slots,
// so the game in progress is kept in the "CurrentGame" section first and read back from it when
// the dialog ends: after a save or a cancel it is the game that was in progress, after an open
// the slot just opened.

#include "core/GameState.h"
#include "records/RecordResult.h"
#include "records/SavedGames.h"

#include <array>
#include <string_view>

namespace varnholt {

struct SlotListing {
    RecordResult kept; // keeping the game in progress; on failure nothing was read
    std::array<SavedFields, kNamedSlotCount> named; // slots 0..7 as read
    std::array<bool, kNamedSlotCount> saved{};      // whether anything was ever saved there
};

class SlotSession {
public:
    explicit SlotSession(const SavedGameFile &file) : file_(file) {}

    // Keeps the game in progress in "CurrentGame", then reads slots 0..7 one after the other
    // through the game state, which afterwards holds the last of them. When the game in progress
    // cannot be kept, no slot is read: the state still holds the game and the dialog must stop.
    SlotListing begin(GameState &state);

    // Brings the game in progress back into the state and copies it into named slot `Slot`.
    RecordResult saveIntoSlot(GameState &state, int Slot, std::string_view Name);

    // Reads named slot `Slot` and makes it the game in progress. When it cannot be kept as such,
    // end() brings back the game that was in progress before.
    RecordResult openSlot(GameState &state, int Slot);

    // The state's saved fields again equal the "CurrentGame" section. Should the file have gone
    // meanwhile, the game kept last is put back from memory rather than from the defaults.
    void end(GameState &state);

private:
    const SavedGameFile &file_;
    SavedFields inProgress_; // what "CurrentGame" was last written with
};

} // namespace varnholt
