#pragma once
// Writing a file into a folder someone else may also write to (the music cache): nothing is
// ever written through a link or a name planted ahead of us.

#include "files/FileDescriptor.h"

#include <string>

namespace varnholt {

struct NewFile {
    FileDescriptor descriptor{-1}; // open for writing; invalid when the file could not be made
    std::string path;
};

// Creates a new, empty file beside `target`, named `target` + `infix` + six random characters,
// for its owner alone. It is always a new file: never an existing one, nor the far end of a link.
NewFile createFileBeside(const std::string &target, const std::string &infix);

// Renames `written` over `target`, unless `target` is there as anything but a regular file (a
// link, a FIFO, a folder): then `written` is removed and false returned with `problem` set.
bool replaceRegularFile(const std::string &written, const std::string &target, std::string *problem);

} // namespace varnholt
