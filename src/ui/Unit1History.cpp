// The main window's part in the play history: every spin, borrow, pay-back and game begun is
// written to the record beside the saved game (HistoryFeed), and the History window shows it.

#include "ui/Unit1.h"

#include "platform/MessageBox.h"
#include "presentation/MachineFace.h"
#include "records/SavedGames.h"
#include "ui/FaceWidget.h"
#include "ui/FormServices.h"
#include "ui/HistoryFeed.h"

#include <QScreen>

namespace varnholt {

void TForm1::openPlayHistory()
{
    history_ = std::make_unique<HistoryFeed>(
        this, savedGames_->path,
        HistoryFeed::Services{[this](const QString &text) { showMessage(text, MessageIcon::Error); },
                              services_->historyWindow, ExeDir});
}

void TForm1::History1Click()
{
    if (!mayRun(Command::History, phase_))
        return;
    const Layout &layout = face_->layout();
    const QRect reels(faceWidget_->mapToGlobal(QPoint(layout.ReelsLeft, layout.ReelsTop)),
                      QSize(2 * layout.ReelPitch + layout.SymbolSize, 3 * layout.SymbolSize));
    history_->open(Game, screen() ? screen()->availableGeometry() : QRect(), frameGeometry(), reels,
                   showSideWindow);
}

} // namespace varnholt
