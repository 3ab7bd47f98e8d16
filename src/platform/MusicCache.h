#pragma once
// Where pieces rendered ahead are kept: one FLAC file a piece in the user's cache folder, named
// after everything its sound depends on. A changed piece, soundfont or synthesizer gets a new
// name, so a file found under a name is always the right one; old files are pruned.

#include <cstdint>
#include <string>
#include <vector>

namespace varnholt {

// $XDG_CACHE_HOME/varnholt-slots/music, or ~/.cache/varnholt-slots/music; empty without either.
std::string musicCacheFolderFrom(const char *xdgCacheHome, const char *home);
std::string musicCacheFolder();

// The file name for a piece of these bytes, whose events last `frames` frames, played with its
// tail by a synthesizer of this identity (gameSynthIdentity).
std::string cachedPieceName(const std::vector<std::uint8_t> &midi, long long frames,
                            const std::string &synthIdentity);

// Removes rendered pieces not played for `keepDays` days and half-written ones older than a day.
void pruneMusicCache(const std::string &folder, int keepDays = 60);

} // namespace varnholt
