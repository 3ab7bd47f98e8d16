// Opens the advert offscreen with the desktop's real default printer and prints what it shows,
// one "key=value" a line, for the tests that run a print server of their own.

#include "TestWindows.h"
#include "platform/DefaultPrinter.h"
#include "ui/LinkLabel.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>

#include <cstdio>

int main(int argc, char **argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    const auto printer = varnholt::makeCupsDefaultPrinter(varnholt::kDefaultPrinterWait);
    varnholt::TestPrinterForm advert(*printer, [](const QString &) {});
    // Painted once, as the player would see it: a description taken as markup would load what
    // it names here.
    advert.grab();
    std::printf("panel=%s\n", advert.Panel1->isHidden() ? "hidden" : "shown");
    // The name as the print server gave it, without the marks that isolate it for display.
    std::printf("name=%s\n", qPrintable(advert.Label1->text().remove(QChar(0x2068)).remove(QChar(0x2069))));
    std::printf("price=%s\n", qPrintable(advert.Label2->text()));
    std::printf("link=%s\n", qPrintable(advert.specialLink()));
    std::printf("blinking=%s\n", advert.Timer1.Enabled() ? "yes" : "no");
    return 0;
}
