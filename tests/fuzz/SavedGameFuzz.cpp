// The saved-game reader on any file: every slot reads within its limits, and the slots written
// back from what was read read the same again.

#include "FuzzCheck.h"
#include "records/IniValues.h"
#include "records/SavedGames.h"

#include <array>
#include <cstdint>

using namespace varnholt;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    IniFile file = IniFile::fromText(std::string_view(reinterpret_cast<const char *>(data), size));
    const std::string today = "12/06/26";
    std::array<SavedFields, kCurrentGameSlot + 1> read;
    for (int slot = 0; slot <= kCurrentGameSlot; ++slot) {
        const SavedFields &fields = read[std::size_t(slot)] = readSlot(file, slot, today);
        FUZZ_CHECK(cutToCharacters(fields.GameName, kGameNameLimit) == fields.GameName);
        FUZZ_CHECK(cutToCharacters(fields.GameDate, kGameDateLimit) == fields.GameDate);
        writeSlot(file, slot, fields, fields.GameName, fields.GameDate);
    }
    const IniFile reread = IniFile::fromText(file.text());
    for (int slot = 0; slot <= kCurrentGameSlot; ++slot) {
        const SavedFields &fields = read[std::size_t(slot)];
        const SavedFields again = readSlot(reread, slot, today);
        FUZZ_CHECK(again.Credits == fields.Credits && again.Borrowed == fields.Borrowed);
        FUZZ_CHECK(again.Spins == fields.Spins && again.TotalBets == fields.TotalBets);
        FUZZ_CHECK(again.BonusWon == fields.BonusWon && again.BonusPts == fields.BonusPts);
        FUZZ_CHECK(again.Nudges == fields.Nudges && again.GameDate == fields.GameDate);
    }
    return 0;
}
