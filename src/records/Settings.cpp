#include "records/Settings.h"

#include "records/IniFile.h"
#include "records/IniValues.h"
#include "records/RecordPaths.h"

#include <filesystem>
#include <optional>

namespace varnholt {

namespace {

// The settings file beside the program, whatever its letter case; the exact name wins.
std::optional<std::string> findSettingsFile(const std::string &folder)
{
    const std::filesystem::path base = folder.empty() ? "." : folder;
    const std::string_view name = kSettingsFileName;
    std::error_code error;
    if (std::filesystem::is_regular_file(base / name, error))
        return (base / name).string();
    for (std::filesystem::directory_iterator it(base, error), end; !error && it != end; it.increment(error)) {
        if (equalsIgnoringCase(it->path().filename().string(), name) && it->is_regular_file(error))
            return it->path().string();
    }
    return std::nullopt;
}

} // namespace

Settings ReadSettings(const std::string &exeDir, const Settings &current)
{
    const auto path = findSettingsFile(exeDir);
    if (!path)
        return current;
    const IniFile ini = IniFile::load(*path, kSettingsFileCap);
    Settings settings;
    settings.AssetPrefix = ini.ReadString("Settings", "SoundRoot", current.AssetPrefix);
    settings.WindowTitle =
        cutToCharacters(ini.ReadString("Settings", "AboutName", current.WindowTitle), kWindowTitleLimit);
    return settings;
}

std::string assetFilePath(const std::string &exeDir, std::string_view assetPrefix, std::string_view ending)
{
    if (assetPrefix.find_first_of("/\\") != std::string_view::npos)
        return {};
    return exeDir + std::string(assetPrefix) + std::string(ending);
}

} // namespace varnholt
