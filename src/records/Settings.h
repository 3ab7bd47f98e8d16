#pragma once
// The optional settings file beside the program, which lets one build present itself under
// another name and with another set of sound, music and picture files.

#include <cstddef>
#include <string>
#include <string_view>

namespace varnholt {

inline constexpr std::string_view kSettingsFileName = "Testing.ini";
inline constexpr std::size_t kWindowTitleLimit = 30;

struct Settings {
    std::string AssetPrefix = "Vrn";            // first part of every sound, music, sheet file
    std::string WindowTitle = "Varnholt Slots"; // caption and the name used in messages
};

// Reads "SoundRoot" and "AboutName" of section "Settings" from `exeDir` + "Testing.ini" (name
// matched regardless of letter case). Each missing key, or a missing file, keeps the value of
// `current`; the title is cut to 30 characters. The prefix is taken as written, even empty.
Settings ReadSettings(const std::string &exeDir, const Settings &current = {});

// `exeDir` + `assetPrefix` + `ending`: a sound or music file beside the program. A prefix
// holding a path separator would reach outside the program's folder, so it names no file
// (empty) and the game stays silent, as the picture lookup refuses such names too.
std::string assetFilePath(const std::string &exeDir, std::string_view assetPrefix, std::string_view ending);

} // namespace varnholt
