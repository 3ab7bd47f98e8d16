#pragma once
// The program's version number. It is defined in one source generated from the project's
// version, so a new version recompiles that file alone.

namespace varnholt {

const char *programVersion();

} // namespace varnholt
