#include "records/SavedGames.h"

#include "records/IniValues.h"

namespace varnholt {

namespace {

std::string todayText(const SavedGameFile &file)
{
    return formatGameDate(file.today ? file.today() : localToday());
}

bool validSlot(int Slot) { return Slot >= 0 && Slot <= kCurrentGameSlot; }

} // namespace

std::string slotSection(int Slot)
{
    if (Slot == kCurrentGameSlot)
        return std::string(kCurrentGameSection);
    if (Slot >= 0 && Slot < kNamedSlotCount)
        return "GameNo" + std::to_string(Slot + 1);
    return {};
}

SavedFields savedFieldsOf(const GameState &state) { return state; }

void applySavedFields(GameState &state, const SavedFields &fields)
{
    static_cast<SavedFields &>(state) = fields;
}

SavedFields readSlot(const IniFile &file, int Slot, std::string_view todayText)
{
    const std::string section = slotSection(Slot);
    SavedFields fields;
    // Control characters in a damaged file read as the spaces a save would write for them, so
    // what is shown is what will be saved.
    fields.GameName =
        cutToCharacters(oneLineText(file.ReadString(section, "GameName", section)), kGameNameLimit);
    fields.GameDate =
        cutToCharacters(oneLineText(file.ReadString(section, "GameDate", todayText)), kGameDateLimit);
    fields.Credits = file.ReadInteger(section, "Credits", 1000);
    fields.Borrowed = file.ReadInteger(section, "Borrowed", 1000);
    fields.Spins = file.ReadInteger(section, "Spins", 0);
    fields.TotalBets = file.ReadInteger(section, "TotalBets", 0);
    fields.BonusWon = file.ReadInteger(section, "BonusWon", 0);
    fields.BonusPts = file.ReadInteger(section, "BonusPts", 0);
    fields.Nudges = file.ReadInteger(section, "Nudges", 0);
    return fields;
}

void writeSlot(IniFile &file, int Slot, const SavedFields &fields, std::string_view Name,
               std::string_view todayText)
{
    const std::string section = slotSection(Slot);
    file.WriteString(section, "GameName", Name);
    file.WriteString(section, "GameDate", todayText);
    file.WriteInteger(section, "Credits", fields.Credits);
    file.WriteInteger(section, "Borrowed", fields.Borrowed);
    file.WriteInteger(section, "Spins", fields.Spins);
    file.WriteInteger(section, "TotalBets", fields.TotalBets);
    file.WriteInteger(section, "BonusWon", fields.BonusWon);
    file.WriteInteger(section, "BonusPts", fields.BonusPts);
    file.WriteInteger(section, "Nudges", fields.Nudges);
}

RecordResult SaveLoadGame(const SavedGameFile &file, GameState &state, int Slot, bool Save,
                          std::string_view Name)
{
    if (!validSlot(Slot))
        return {"There is no saved-game slot " + std::to_string(Slot) + ".", RecordFault::NoSuchSlot,
                std::to_string(Slot)};

    IniFile ini = IniFile::load(file.path, kSavedGameFileCap);
    if (!Save) {
        applySavedFields(state, readSlot(ini, Slot, todayText(file)));
        return {};
    }

    if (ini.status() == FileStatus::Unreadable)
        return {unableToWriteMessage(file.path), RecordFault::UnableToWrite, file.path};
    const std::string_view name = Slot == kCurrentGameSlot ? kCurrentGameSection : Name;
    writeSlot(ini, Slot, savedFieldsOf(state), name, todayText(file));
    if (RecordResult folder = ensureParentFolder(file.path); !folder.ok())
        return folder;
    return ini.UpdateFile();
}

} // namespace varnholt
