#include "platform/WebOpener.h"

#include <QDesktopServices>
#include <QUrl>

namespace varnholt {

namespace {
class DesktopWebOpener final : public WebOpener {
public:
    bool open(const QString &address) override
    {
        const QUrl url(address, QUrl::StrictMode);
        return url.isValid() && QDesktopServices::openUrl(url);
    }
};
} // namespace

std::unique_ptr<WebOpener> makeDesktopWebOpener() { return std::make_unique<DesktopWebOpener>(); }

} // namespace varnholt
