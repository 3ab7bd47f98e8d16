// The main window's part in the play history: every spin, borrow, pay-back and game begun is
// written to the record beside the saved game, and the History window shows it.

#include "ui/Unit1.h"

#include "core/GameState.h"
#include "core/Input.h"
#include "history/HistoryFile.h"
#include "history/PlayHistory.h"
#include "platform/MessageBox.h"
#include "presentation/MachineFace.h"
#include "records/SavedGames.h"
#include "ui/FaceWidget.h"
#include "ui/FormServices.h"
#include "ui/HistoryDialog.h"
#include "ui/HistoryView.h"
#include "ui/SidePlacement.h"

#include <QMetaObject>
#include <QScreen>

namespace varnholt {

namespace {

// Beside the saved game, named after it: "<stem>.ini" keeps "<stem>-history.sqlite".
std::string historyPathBeside(const std::string &savedGame)
{
    const std::string ini = ".ini";
    const bool named = savedGame.size() > ini.size() && savedGame.ends_with(ini);
    return (named ? savedGame.substr(0, savedGame.size() - ini.size()) : savedGame) + "-history.sqlite";
}

} // namespace

void TForm1::openPlayHistory()
{
    historyPath_ = historyPathBeside(savedGames_->path);
    // Qt's SQL module and SQLite (about 1.5 MiB) wait for the first record or look at the
    // history; a file that cannot be kept there is told now, as the game starts.
    if (!historyFileProblem(historyPath_).empty())
        playHistory();
}

PlayHistory &TForm1::playHistory()
{
    // The notice waits for the window to be up; the game plays on either way.
    if (!history_)
        history_ = std::make_unique<PlayHistory>(historyPath_, [this](const std::string &notice) {
            QMetaObject::invokeMethod(
                this,
                [this, text = QString::fromStdString(notice)] { showMessage(text, MessageIcon::Error); },
                Qt::QueuedConnection);
        });
    return *history_;
}

void TForm1::spinPlayed()
{
    const PlayOutcome &outcome = outcome_;
    SpinRecord spin;
    spin.timeMs = currentTimeMs();
    spin.game = Game.GameName;
    spin.coins = outcome.coins;
    spin.stops = outcome.stops;
    spin.lineWin = outcome.lineCredits;
    spin.vaultPrize = outcome.vaultCredits;
    spin.vaultOpened = outcome.vaultOpened;
    spin.nudgesEarned = outcome.nudgesEarned();
    spin.credits = Game.Credits;
    spin.borrowed = Game.Borrowed;
    playHistory().recordSpin(spin);
    refreshHistoryWindow();
}

void TForm1::nudgePlayed()
{
    const PlayOutcome &outcome = outcome_;
    NudgeRecord nudge;
    nudge.game = Game.GameName;
    nudge.lineWin = outcome.lineCredits;
    nudge.nudgesEarned = outcome.nudgesEarned();
    nudge.vaultOpened = outcome.vaultOpened;
    nudge.vaultPrize = outcome.vaultCredits;
    nudge.credits = Game.Credits;
    nudge.borrowed = Game.Borrowed;
    playHistory().recordNudge(nudge);
    refreshHistoryWindow();
}

void TForm1::moneyMoved(std::int32_t borrowedBefore)
{
    if (Game.Borrowed == borrowedBefore)
        return;
    const bool borrowed = Game.Borrowed > borrowedBefore;
    playHistory().recordMoney(
        {currentTimeMs(), Game.GameName, borrowed ? MoneyKind::Borrow : MoneyKind::PayBack,
         std::abs(std::int64_t(Game.Borrowed) - borrowedBefore), Game.Credits, Game.Borrowed});
    refreshHistoryWindow();
}

void TForm1::gameBegun(bool opened)
{
    playHistory().recordGame({currentTimeMs(), Game.GameName, opened ? GameKind::Opened : GameKind::New,
                              Game.Credits, Game.Borrowed});
    refreshHistoryWindow();
}

void TForm1::refreshHistoryWindow()
{
    // The history keeps the open window's figures and adds each record to them: no full reading.
    if (historyWindow_ && historyWindow_->isVisible())
        historyWindow_->showHistory(
            historyViewOf(playHistory(), Game.GameName, currentTimeMs(), historyScope_));
}

HistoryDialog *TForm1::makeHistoryWindow()
{
    HistoryDialog *window = nullptr;
    QString problem;
    if (services_->historyWindow)
        window = services_->historyWindow(this);
    else
        window = loadHistoryDialog(ExeDir, this, problem);
    if (window) {
        window->actions.showScope = [this](HistoryScope scope) {
            historyScope_ = scope;
            refreshHistoryWindow();
        };
        window->actions.csv = [this] { return playHistory().csv(); };
        window->actions.clear = [this] {
            playHistory().clear();
            refreshHistoryWindow();
        };
        return window;
    }
    showMessage(tr("The History window cannot be opened: %1. The game plays on without it.").arg(problem),
                MessageIcon::Error);
    return nullptr;
}

void TForm1::History1Click()
{
    if (!mayRun(Command::History, phase_))
        return;
    if (!historyWindow_)
        historyWindow_ = makeHistoryWindow();
    if (!historyWindow_)
        return;
    historyWindow_->showHistory(historyViewOf(playHistory(), Game.GameName, currentTimeMs(), historyScope_));
    if (showSideWindow)
        showSideWindow(*historyWindow_);
    else {
        // Placed once; after that it keeps the size and place the player gave it until the game exits.
        if (!historyWindowPlaced_ && screen()) {
            const Layout &layout = face_->layout();
            const QRect reels(faceWidget_->mapToGlobal(QPoint(layout.ReelsLeft, layout.ReelsTop)),
                              QSize(2 * layout.ReelPitch + layout.SymbolSize, 3 * layout.SymbolSize));
            // The frame is not known before the window first shows: about a title bar and borders.
            const QSize frame(16, 40);
            const QRect place =
                sideWindowPlace(screen()->availableGeometry(), frameGeometry(), reels,
                                historyWindow_->size() + frame, historyWindow_->minimumSizeHint() + frame);
            historyWindow_->resize(place.size() - frame);
            historyWindow_->move(place.topLeft());
            historyWindowPlaced_ = true;
        }
        historyWindow_->show();
        historyWindow_->raise();
        historyWindow_->activateWindow();
    }
}

} // namespace varnholt
