#pragma once
// Opening a file the game did not write itself: pictures (the payoff chart among them), sounds
// and music beside the program, the settings file, the saved-game file, the manual and the music
// cache. Whatever lies under the name, the open neither blocks, nor throws, nor lets a read grow
// without bound: only a regular file is opened, and only up to a cap that fits its kind. Every
// such file goes through openFileSafely(), directly or through readFileSafely().

#include "files/FileDescriptor.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace varnholt {

// Each cap lies far above any real file of its kind.
inline constexpr std::size_t kPictureFileCap = 64u << 20;  // our largest picture is ~200 KB
inline constexpr std::size_t kSoundFileCap = 64u << 20;    // ~6 minutes of CD-quality stereo
inline constexpr std::size_t kMusicFileCap = 4u << 20;     // a MIDI piece is a few KB
inline constexpr std::size_t kSettingsFileCap = 64u << 10; // two keys
inline constexpr std::size_t kSavedGameFileCap = 1u << 20; // nine sections of nine keys, ~2 KB
inline constexpr std::size_t kHelpFileCap = 16u << 20;     // the manual, pictures inlined, ~120 KB
// A rendered piece is at most an hour of CD-quality stereo; FLAC never exceeds the raw samples by much.
inline constexpr std::size_t kCachedMusicFileCap = 700u << 20;

enum class FileStatus {
    Loaded,     // the file was read whole (or, from openFileSafely, is open)
    Missing,    // there is no such file
    Unreadable, // something is there but cannot be read safely (see `problem`)
};

struct FileContents {
    FileStatus status = FileStatus::Missing;
    std::string bytes;   // the whole file when Loaded, otherwise empty
    std::string problem; // why it was not read, for Unreadable
};

struct OpenedFile {
    FileStatus status = FileStatus::Missing;
    FileDescriptor descriptor{-1}; // open for blocking reads when Loaded
    std::uint64_t size = 0;        // when Loaded
    std::string problem;           // "PATH: why", for Unreadable: one line for a notice

    bool ok() const { return status == FileStatus::Loaded; }
};

// Opens the regular file at `path` (links followed) for reading, if it holds at most `byteCap`
// bytes. A directory, FIFO, device or socket is never opened: the kind is checked before the
// open, the open cannot wait for a FIFO's writer, and the kind is checked again on the open file.
OpenedFile openFileSafely(const std::string &path, std::size_t byteCap);

// Reads the file openFileSafely() opens, whole; a file that grows past `byteCap` meanwhile is refused.
FileContents readFileSafely(const std::string &path, std::size_t byteCap);

} // namespace varnholt
