// The main window's part in the play history: every spin, borrow, pay-back and game begun is
// written to the record beside the saved game, and the History window shows it.

#include "ui/Unit1.h"

#include "core/GameState.h"
#include "core/Input.h"
#include "history/HistoryFile.h"
#include "history/PlayHistory.h"
#include "platform/MessageBox.h"
#include "records/SavedGames.h"
#include "ui/FormServices.h"
#include "ui/HistoryDialog.h"
#include "ui/HistoryView.h"

#include <QMetaObject>

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

void TForm1::spinPlayed(bool rebet)
{
    writePendingSpin();
    auto spin = std::make_unique<SpinRecord>();
    spin->timeMs = currentTimeMs();
    spin->game = Game.GameName;
    spin->coins = Game.LastBet;
    spin->stops = Game.ReelStops;
    // The stake left the credits when it was bet, or here when the last stake was put in again.
    const std::int64_t creditsAtStart = stateBeforePlay_.Credits - (rebet ? Game.LastBet : 0);
    const std::int64_t won = Game.Credits - creditsAtStart;
    spin->vaultPrize = Game.BonusWon - stateBeforePlay_.BonusWon;
    spin->lineWin = won - spin->vaultPrize;
    spin->vaultOpened = vaultOpenedInPlay_;
    spin->nudgesEarned = std::max(0, Game.Nudges - stateBeforePlay_.Nudges);
    spin->credits = Game.Credits;
    spin->borrowed = Game.Borrowed;
    pendingSpin_ = std::move(spin);
    vaultOpenedInPlay_ = false;
    if (!canNudge(Game))
        writePendingSpin();
}

void TForm1::nudgePlayed()
{
    if (!pendingSpin_)
        return;
    pendingSpin_->nudgesUsed += 1;
    pendingSpin_->nudgeWin += Game.Credits - stateBeforePlay_.Credits;
    pendingSpin_->credits = Game.Credits;
    pendingSpin_->borrowed = Game.Borrowed;
    if (!canNudge(Game))
        writePendingSpin();
}

void TForm1::writePendingSpin()
{
    if (!pendingSpin_)
        return;
    playHistory().recordSpin(*pendingSpin_);
    pendingSpin_.reset();
    refreshHistoryWindow();
}

void TForm1::moneyMoved(std::int32_t borrowedBefore)
{
    if (Game.Borrowed == borrowedBefore)
        return;
    writePendingSpin();
    const bool borrowed = Game.Borrowed > borrowedBefore;
    playHistory().recordMoney(
        {currentTimeMs(), Game.GameName, borrowed ? MoneyKind::Borrow : MoneyKind::PayBack,
         std::abs(std::int64_t(Game.Borrowed) - borrowedBefore), Game.Credits, Game.Borrowed});
    refreshHistoryWindow();
}

void TForm1::gameBegun(bool opened)
{
    writePendingSpin();
    playHistory().recordGame({currentTimeMs(), Game.GameName, opened ? GameKind::Opened : GameKind::New,
                              Game.Credits, Game.Borrowed});
    refreshHistoryWindow();
}

void TForm1::refreshHistoryWindow()
{
    if (historyWindow_ && historyWindow_->isVisible())
        historyWindow_->showHistory(historyViewOf(playHistory(), Game.GameName, currentTimeMs()));
}

HistoryDialog *TForm1::makeHistoryWindow()
{
    if (services_->historyWindow)
        return services_->historyWindow(this);
    QString problem;
    if (HistoryDialog *window = loadHistoryDialog(ExeDir, this, problem))
        return window;
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
    historyWindow_->showHistory(historyViewOf(playHistory(), Game.GameName, currentTimeMs()));
    if (showSideWindow)
        showSideWindow(*historyWindow_);
    else {
        historyWindow_->show();
        historyWindow_->raise();
        historyWindow_->activateWindow();
    }
}

} // namespace varnholt
