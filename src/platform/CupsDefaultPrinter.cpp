#include "platform/DefaultPrinter.h"

#include <cups/cups.h>

#include <condition_variable>
#include <mutex>
#include <thread>

namespace varnholt {

namespace {

int giveUp(http_t *, void *) { return 0; }

// One blocking question to the server, each step of it bounded by `limit`.
std::optional<PrintQueue> askCups(std::chrono::milliseconds limit)
{
    const int msec = static_cast<int>(limit.count());
    http_t *http =
        httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, msec, nullptr);
    if (!http)
        return std::nullopt;
    httpSetTimeout(http, msec / 1000.0, giveUp, nullptr);
    std::optional<PrintQueue> queue;
    if (cups_dest_t *dest = cupsGetNamedDest(http, nullptr, nullptr)) {
        const char *info = cupsGetOption("printer-info", dest->num_options, dest->options);
        queue = PrintQueue{dest->name, info ? info : ""};
        cupsFreeDests(1, dest);
    }
    httpClose(http);
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
