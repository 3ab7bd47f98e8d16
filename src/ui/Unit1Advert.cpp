#include "ui/Unit1.h"

#include "platform/WebOpener.h"
#include "ui/FormServices.h"
#include "ui/printerunit.h"

namespace varnholt {

void TForm1::Inkfairn1Click()
{
    if (!mayRun(Command::Advert, phase_))
        return;
    if (!services_->defaultPrinter)
        services_->defaultPrinter = makeCupsDefaultPrinter(kDefaultPrinterWait);
    TPrinterForm advert(
        *services_->defaultPrinter, [this](const QString &address) { openWebAddress(address); }, this);
    runSideWindow(advert);
}

} // namespace varnholt
