#pragma once
// Reading a file the game did not write itself: pictures (the payoff chart among them), sounds
// and music beside the program, the settings file, the saved-game file and the manual. Whatever lies under
// the name, the read neither blocks, nor throws, nor grows without bound: only a regular file is read, and
// only up to a cap that fits its kind.

#include <cstddef>
#include <string>

namespace varnholt {

// Each cap lies far above any real file of its kind.
inline constexpr std::size_t kPictureFileCap = 64u << 20;  // our largest picture is ~200 KB
inline constexpr std::size_t kSoundFileCap = 64u << 20;    // ~6 minutes of CD-quality stereo
inline constexpr std::size_t kMusicFileCap = 4u << 20;     // a MIDI piece is a few KB
inline constexpr std::size_t kSettingsFileCap = 64u << 10; // two keys
inline constexpr std::size_t kSavedGameFileCap = 1u << 20; // nine sections of nine keys, ~2 KB
inline constexpr std::size_t kHelpFileCap = 16u << 20;     // the manual, pictures inlined, ~120 KB

enum class FileStatus {
    Loaded,     // the file was read whole
    Missing,    // there is no such file
    Unreadable, // something is there but cannot be read safely (see `problem`)
};

struct FileContents {
    FileStatus status = FileStatus::Missing;
    std::string bytes;   // the whole file when Loaded, otherwise empty
    std::string problem; // why it was not read, for Unreadable
};

// Reads the regular file at `path` (links followed) whole, if it holds at most `byteCap` bytes.
// A directory, FIFO, device or socket is never read, and opening never waits for a writer.
FileContents readFileSafely(const std::string &path, std::size_t byteCap);

} // namespace varnholt
