#pragma once
// The saved-game file: eight named slots and the game in progress, one INI section each.

#include "core/GameState.h"
#include "records/GameDate.h"
#include "records/IniFile.h"
#include "records/RecordResult.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace varnholt {

inline constexpr int kNamedSlotCount = 8; // slots 0..7, sections "GameNo1".."GameNo8"
inline constexpr int kCurrentGameSlot = 8;
inline constexpr std::string_view kCurrentGameSection = "CurrentGame";

// Longest name and date kept in the game state; the file may hold longer text.
inline constexpr std::size_t kGameNameLimit = 30;
inline constexpr std::size_t kGameDateLimit = 10;

// The saved-game file and the date its saves are stamped with.
struct SavedGameFile {
    std::string path;
    DateSource today = localToday;
};

// "GameNo1".."GameNo8" for slots 0..7, "CurrentGame" for slot 8, empty for any other number.
std::string slotSection(int Slot);

SavedFields savedFieldsOf(const GameState &state);
void applySavedFields(GameState &state, const SavedFields &fields);

// A slot as stored in the file; what is missing or unreadable takes its default: the section's
// name, `todayText`, 1000 credits, 1000 borrowed and 0 for the rest. Name and date are cut to
// their limits.
SavedFields readSlot(const IniFile &file, int Slot, std::string_view todayText);

// Writes a slot's keys in their fixed order, GameName = Name and GameDate = `todayText`.
void writeSlot(IniFile &file, int Slot, const SavedFields &fields, std::string_view Name,
               std::string_view todayText);

// Copies the saved fields of `state` into the slot's section (Save) or back out of it (!Save).
// Saving writes the whole file once, creating its folder when needed; the game in progress
// (slot 8) is always saved under the name "CurrentGame". A failed save changes nothing on disk
// and returns "Unable to write to <path>"; a file that exists but cannot be read is never
// overwritten, so the other slots are not lost. Loading always succeeds.
RecordResult SaveLoadGame(const SavedGameFile &file, GameState &state, int Slot, bool Save,
                          std::string_view Name);

} // namespace varnholt
