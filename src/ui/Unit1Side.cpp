// The main window's part in the side windows on its menu bar: borrowing, statistics, the
// payoff chart and the advert. Each is made afresh for one modal run and gone when it closes.

#include "ui/HistoryFeed.h"
#include "ui/Unit1.h"

#include "platform/MessageBox.h"
#include "platform/WebOpener.h"
#include "presentation/MachineFace.h"
#include "ui/Borrow.h"
#include "ui/FormServices.h"
#include "ui/Payoffs.h"
#include "ui/Stats.h"
#include "ui/printerunit.h"

namespace varnholt {

void TForm1::runSideWindow(QDialog &window)
{
    if (showSideWindow)
        showSideWindow(window);
    else
        window.exec();
}

void TForm1::Borrow1Click()
{
    if (!mayRun(Command::Borrow, phase_))
        return;
    const std::int32_t borrowedBefore = Game.Borrowed;
    TBorrowC window(Game, face_->digitStrips(), *messages_, QString::fromStdString(WindowTitle), this);
    runSideWindow(window);
    history_->moneyMoved(Game, borrowedBefore);
    FormPaint();
}

void TForm1::Stats1Click()
{
    if (!mayRun(Command::Stats, phase_))
        return;
    TStatsForm window(Game, this);
    runSideWindow(window);
}

void TForm1::Payoffs1Click()
{
    if (!mayRun(Command::Payoffs, phase_))
        return;
    const ScreenInfo screen = services_->screen();
    TPaychart window(ExeDir, *messages_, QString::fromStdString(WindowTitle),
                     QSize(screen.width, screen.height), this);
    runSideWindow(window);
}

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
