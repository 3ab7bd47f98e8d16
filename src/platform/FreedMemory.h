#pragma once
// Handing freed heap memory back to the system at once, after a large picture or window is gone.

namespace varnholt {

// The allocator keeps freed blocks for reuse, and after a large block once came and went it
// serves blocks of that size from its heap too: a window's pictures, freed, would then stay
// counted against the program until something happened to reuse them.
void returnFreedMemory();

} // namespace varnholt
