#pragma once
// Outcome of an operation on a record file. The windows show `error` in a message box.

#include <string>

namespace varnholt {

struct RecordResult {
    std::string error; // empty when the operation succeeded

    bool ok() const { return error.empty(); }
};

} // namespace varnholt
