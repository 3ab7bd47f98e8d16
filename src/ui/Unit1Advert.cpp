#include "ui/Unit1.h"

#include "ui/printerunit.h"

namespace varnholt {

void TForm1::Inkfairn1Click()
{
    if (!services_.defaultPrinter)
        services_.defaultPrinter = makeCupsDefaultPrinter(kDefaultPrinterWait);
    if (!services_.webOpener)
        services_.webOpener = makeDesktopWebOpener();
    TPrinterForm advert(*services_.defaultPrinter, *services_.webOpener, this);
    if (showPrinterForm)
        showPrinterForm(advert);
    else
        advert.exec();
}

} // namespace varnholt
