#include "platform/DefaultPrinter.h"

#include <cups/cups.h>

#include <dlfcn.h>

#include <condition_variable>
#include <mutex>
#include <thread>

namespace varnholt {

namespace {

// The print client is opened the first time the advert asks, not at start: it and what it pulls
// in (TLS, Kerberos) would otherwise stay resident for a question most runs never ask.
struct CupsClient {
    decltype(&httpConnect2) connect = nullptr;
    decltype(&cupsServer) server = nullptr;
    decltype(&ippPort) port = nullptr;
    decltype(&cupsEncryption) encryption = nullptr;
    decltype(&httpSetTimeout) setTimeout = nullptr;
    decltype(&cupsGetNamedDest) namedDest = nullptr;
    decltype(&cupsGetOption) option = nullptr;
    decltype(&cupsFreeDests) freeDests = nullptr;
    decltype(&httpClose) close = nullptr;
};

template <typename Function> bool resolve(void *library, const char *name, Function &function)
{
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

// Opened once and kept: a worker given up on may still be inside the library.
const CupsClient *cupsClient()
{
    static const std::optional<CupsClient> client = []() -> std::optional<CupsClient> {
        void *library = dlopen("libcups.so.2", RTLD_NOW | RTLD_LOCAL);
        if (!library)
            return std::nullopt;
        CupsClient c;
        if (resolve(library, "httpConnect2", c.connect) && resolve(library, "cupsServer", c.server) &&
            resolve(library, "ippPort", c.port) && resolve(library, "cupsEncryption", c.encryption) &&
            resolve(library, "httpSetTimeout", c.setTimeout) &&
            resolve(library, "cupsGetNamedDest", c.namedDest) &&
            resolve(library, "cupsGetOption", c.option) && resolve(library, "cupsFreeDests", c.freeDests) &&
            resolve(library, "httpClose", c.close))
            return c;
        dlclose(library);
        return std::nullopt;
    }();
    return client ? &*client : nullptr;
}

int giveUp(http_t *, void *) { return 0; }

// One blocking question to the server, each step of it bounded by `limit`. Without the print
// client there is no printer to name.
std::optional<PrintQueue> askCups(std::chrono::milliseconds limit)
{
    const CupsClient *cups = cupsClient();
    if (!cups)
        return std::nullopt;
    const int msec = static_cast<int>(limit.count());
    http_t *http =
        cups->connect(cups->server(), cups->port(), nullptr, AF_UNSPEC, cups->encryption(), 1, msec, nullptr);
    if (!http)
        return std::nullopt;
    cups->setTimeout(http, msec / 1000.0, giveUp, nullptr);
    std::optional<PrintQueue> queue;
    if (cups_dest_t *dest = cups->namedDest(http, nullptr, nullptr)) {
        const char *info = cups->option("printer-info", dest->num_options, dest->options);
        queue = PrintQueue{dest->name, info ? info : ""};
        cups->freeDests(1, dest);
    }
    cups->close(http);
    return queue;
}
// The answer a worker hands back; shared, since a worker given up on finishes on its own.
struct Answer {
    std::mutex mutex;
    std::condition_variable ready;
    bool done = false;
    std::optional<PrintQueue> queue;
};

class CupsDefaultPrinter final : public DefaultPrinter {
public:
    explicit CupsDefaultPrinter(std::chrono::milliseconds limit) : limit_(limit) {}

    std::optional<PrintQueue> queue() override
    {
        // The question runs beside the caller, so a hung server never holds the window up.
        auto answer = std::make_shared<Answer>();
        std::thread([answer, limit = limit_] {
            std::optional<PrintQueue> queue = askCups(limit);
            const std::lock_guard lock(answer->mutex);
            answer->queue = std::move(queue);
            answer->done = true;
            answer->ready.notify_all();
        }).detach();
        std::unique_lock lock(answer->mutex);
        if (!answer->ready.wait_for(lock, limit_, [&] { return answer->done; }))
            return std::nullopt;
        return answer->queue;
    }

private:
    std::chrono::milliseconds limit_;
};

} // namespace

std::unique_ptr<DefaultPrinter> makeCupsDefaultPrinter(std::chrono::milliseconds limit)
{
    return std::make_unique<CupsDefaultPrinter>(limit);
}

} // namespace varnholt
