#pragma once
// The desktop's default printer, as the print server names it. Windows take a source so that
// tests can name any printer without a print server.

#include <chrono>
#include <memory>
#include <optional>
#include <string>

namespace varnholt {

// A print queue: its name and the description it was added with (which may be empty, or the
// queue name again).
struct PrintQueue {
    std::string name;
    std::string description;
    bool operator==(const PrintQueue &) const = default;
};

class DefaultPrinter {
public:
    virtual ~DefaultPrinter() = default;
    // The default printer's queue; nothing when there is no default printer, no print server,
    // or no answer in time.
    virtual std::optional<PrintQueue> queue() = 0;
};

// How long the advert waits for the print server before it opens without the special.
inline constexpr std::chrono::milliseconds kDefaultPrinterWait{500};

// Asks the CUPS server (as CUPS_SERVER or the client configuration names it). The caller waits
// at most `limit`; a server that answers later is not waited for.
std::unique_ptr<DefaultPrinter> makeCupsDefaultPrinter(std::chrono::milliseconds limit);

} // namespace varnholt
