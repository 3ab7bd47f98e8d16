#pragma once
// Outcome of an operation on a record file. The windows show `error` in a message box.

#include <string>

namespace varnholt {

// What went wrong, so a window can word it in the player's language.
enum class RecordFault { None, UnableToWrite, NoSuchSlot };

struct RecordResult {
    std::string error; // empty when the operation succeeded
    RecordFault fault = RecordFault::None;
    std::string subject; // the file's path or the slot's number

    bool ok() const { return error.empty(); }
};

} // namespace varnholt
