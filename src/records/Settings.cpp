#include "records/Settings.h"

#include "records/IniFile.h"
#include "records/IniValues.h"
#include "records/RecordPaths.h"

namespace varnholt {

Settings ReadSettings(const std::string &exeDir, const Settings &current)
{
    const auto path = findFileIgnoringCase(exeDir, kSettingsFileName);
    if (!path)
        return current;
    const IniFile ini = IniFile::load(*path);
    Settings settings;
    settings.AssetPrefix = ini.ReadString("Settings", "SoundRoot", current.AssetPrefix);
    settings.WindowTitle = cutToCharacters(
        ini.ReadString("Settings", "AboutName", current.WindowTitle), kWindowTitleLimit);
    return settings;
}

} // namespace varnholt
