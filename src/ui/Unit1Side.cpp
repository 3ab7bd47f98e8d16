// The main window's part in the side windows on its menu bar: borrowing, statistics and the
// payoff chart. Each is made afresh for one modal run and gone when it closes.

#include "ui/Unit1.h"

#include "core/NewGame.h"
#include "ui/Borrow.h"
#include "ui/Payoffs.h"
#include "ui/Stats.h"

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
    // A spin or nudge under way is counting on these credits; borrowing waits for idle.
    if (!gameCommandsAvailable(Game))
        return;
    TBorrowC window(Game, face_->digitStrips(), *messages_, QString::fromStdString(WindowTitle), this);
    runSideWindow(window);
    FormPaint();
}

void TForm1::Stats1Click()
{
    TStatsForm window(Game, this);
    runSideWindow(window);
}

void TForm1::Payoffs1Click()
{
    TPaychart window(ExeDir, *messages_, QString::fromStdString(WindowTitle), this);
    runSideWindow(window);
}

} // namespace varnholt
