#pragma once
// Hands a web address to the desktop's own handler (a browser, normally). The game never
// starts a browser itself nor goes through a shell; windows take an opener so that tests can
// record what would have been opened.

#include <QString>

#include <memory>

namespace varnholt {

class WebOpener {
public:
    virtual ~WebOpener() = default;
    // True when the desktop took the address; false when nothing could open it.
    virtual bool open(const QString &address) = 0;
};

// The desktop's handler for web addresses.
std::unique_ptr<WebOpener> makeDesktopWebOpener();

} // namespace varnholt
