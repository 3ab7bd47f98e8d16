#pragma once
// Whole-file reads and crash-safe whole-file writes for the record files.

#include "files/SafeRead.h"
#include "records/RecordResult.h"

#include <string>
#include <string_view>
#include <sys/stat.h>

namespace varnholt {

// The message shown when a record file cannot be written.
std::string unableToWriteMessage(const std::string &path);

// Replaces the file with `contents` so that it is either wholly old or wholly new, even after a
// crash: the new text goes to a temporary file in the same folder, is flushed to disk and then
// renamed over the old one. An existing file keeps its permissions; a symbolic link keeps
// pointing at the same file. A file that is not a regular file, or that its owner made
// read-only, or whose folder its owner made read-only, is not replaced. On failure the old file is untouched.
// Temporary files of ours left over from a save that was killed part-way are removed once they are a minute
// old.
RecordResult writeFileAtomically(const std::string &path, std::string_view contents);

// Creates the folder that will hold `path`, with any missing parents.
RecordResult ensureParentFolder(const std::string &path);

// Whether the game may write the file or folder at `path`, as stat() described it. The owner's
// write permission counts even for the superuser: a player who made the file or its folder
// read-only meant it. Anyone else is asked of the system.
bool mayWriteTo(const std::string &path, const struct stat &info);

} // namespace varnholt
