#include "records/SlotSession.h"

#include "files/SafeRead.h"
#include "records/IniFile.h"

namespace varnholt {

SlotListing SlotSession::begin(GameState &state)
{
    SlotListing listing;
    listing.kept = SaveLoadGame(file_, state, kCurrentGameSlot, true, kCurrentGameSection);
    if (!listing.kept.ok())
        return listing;
    inProgress_ = savedFieldsOf(state);
    // A slot never saved into reads as defaults that look like a game; the file tells them apart.
    const IniFile ini = IniFile::load(file_.path, kSavedGameFileCap);
    for (int slot = 0; slot < kNamedSlotCount; ++slot) {
        SaveLoadGame(file_, state, slot, false, "");
        listing.named[static_cast<std::size_t>(slot)] = savedFieldsOf(state);
        listing.saved[static_cast<std::size_t>(slot)] = ini.SectionExists(slotSection(slot));
    }
    return listing;
}

RecordResult SlotSession::saveIntoSlot(GameState &state, int Slot, std::string_view Name)
{
    SaveLoadGame(file_, state, kCurrentGameSlot, false, "");
    return SaveLoadGame(file_, state, Slot, true, Name);
}

RecordResult SlotSession::openSlot(GameState &state, int Slot)
{
    SaveLoadGame(file_, state, Slot, false, "");
    RecordResult kept = SaveLoadGame(file_, state, kCurrentGameSlot, true, kCurrentGameSection);
    if (kept.ok())
        inProgress_ = savedFieldsOf(state);
    return kept;
}

void SlotSession::end(GameState &state)
{
    const IniFile ini = IniFile::load(file_.path, kSavedGameFileCap);
    if (ini.status() == FileStatus::Loaded && ini.SectionExists(kCurrentGameSection))
        SaveLoadGame(file_, state, kCurrentGameSlot, false, "");
    else
        applySavedFields(state, inProgress_);
}

} // namespace varnholt
