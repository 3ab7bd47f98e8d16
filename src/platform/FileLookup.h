#pragma once
// Finding a file in a directory without regard to letter case, the way the game's optional
// files beside the program are named.

#include <optional>
#include <string>

namespace varnholt {

// The real path of the regular file in dir named name, ignoring letter case. An exact match
// wins; otherwise the first case-insensitive match in sorted order, so the choice never depends
// on directory order. Nothing when there is none, the directory cannot be read, or name is
// not a plain file name (empty, ".", "..", or containing a path separator).
std::optional<std::string> findFileIgnoringCase(const std::string &dir, const std::string &name);

} // namespace varnholt
