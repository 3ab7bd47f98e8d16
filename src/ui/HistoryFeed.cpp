#include "ui/HistoryFeed.h"

#include "core/GameState.h"
#include "history/HistoryFile.h"
#include "history/PlayHistory.h"
#include "play/PlayOutcome.h"
#include "ui/HistoryDialog.h"
#include "ui/HistoryView.h"
#include "ui/SidePlacement.h"

#include <QDialog>
#include <QMetaObject>
#include <QTimer>

#include <cstdlib>

#ifdef __GLIBC__
#include <malloc.h>
#endif

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

HistoryFeed::HistoryFeed(QWidget *owner, const std::string &savedGamePath, Services services)
    : owner_(owner), services_(std::move(services)), path_(historyPathBeside(savedGamePath))
{
    // Qt's SQL module and SQLite (about 1.5 MiB) wait for the first record or look at the
    // history; a file that cannot be kept there is told now, as the game starts.
    if (!historyFileProblem(path_).empty())
        history();
}

HistoryFeed::~HistoryFeed()
{
    delete window_;
    history_.reset(); // waits for a load under way
}

PlayHistory &HistoryFeed::history()
{
    // The notice waits for the window to be up; the game plays on either way.
    if (!history_) {
        history_ = std::make_unique<PlayHistory>(path_, [this](const std::string &notice) {
            QMetaObject::invokeMethod(
                this, [this, text = QString::fromStdString(notice)] { services_.tell(text); },
                Qt::QueuedConnection);
        });
    }
    return *history_;
}

HistoryDialog *HistoryFeed::window() const { return window_; }

void HistoryFeed::spinPlayed(const PlayOutcome &outcome, const GameState &game)
{
    SpinRecord spin;
    spin.timeMs = currentTimeMs();
    spin.game = game.GameName;
    spin.coins = outcome.coins;
    spin.stops = outcome.stops;
    spin.lineWin = outcome.lineCredits;
    spin.vaultPrize = outcome.vaultCredits;
    spin.vaultOpened = outcome.vaultOpened;
    spin.nudgesEarned = outcome.nudgesEarned();
    spin.credits = game.Credits;
    spin.borrowed = game.Borrowed;
    history().recordSpin(spin);
    refresh();
}

void HistoryFeed::nudgePlayed(const PlayOutcome &outcome, const GameState &game)
{
    NudgeRecord nudge;
    nudge.game = game.GameName;
    nudge.lineWin = outcome.lineCredits;
    nudge.nudgesEarned = outcome.nudgesEarned();
    nudge.vaultOpened = outcome.vaultOpened;
    nudge.vaultPrize = outcome.vaultCredits;
    nudge.credits = game.Credits;
    nudge.borrowed = game.Borrowed;
    history().recordNudge(nudge);
    refresh();
}

void HistoryFeed::moneyMoved(const GameState &game, std::int32_t borrowedBefore)
{
    if (game.Borrowed == borrowedBefore)
        return;
    const bool borrowed = game.Borrowed > borrowedBefore;
    history().recordMoney({currentTimeMs(), game.GameName, borrowed ? MoneyKind::Borrow : MoneyKind::PayBack,
                           std::abs(std::int64_t(game.Borrowed) - borrowedBefore), game.Credits,
                           game.Borrowed});
    refresh();
}

void HistoryFeed::gameBegun(const GameState &game, bool opened)
{
    game_ = game.GameName;
    figuresShown_ = false;
    history().recordGame({currentTimeMs(), game.GameName, opened ? GameKind::Opened : GameKind::New,
                          game.Credits, game.Borrowed});
    refresh();
}

void HistoryFeed::refresh()
{
    if (!window_)
        return;
    PlayHistory &h = history();
    if (h.loading())
        return; // the records are added when the reading is done
    const std::int64_t now = currentTimeMs();
    if (h.overLimit()) {
        // A slice at a time between the game's events, until the file is within its limit.
        window_->showLoading();
        h.foldSlice();
        QTimer::singleShot(0, this, &HistoryFeed::refresh);
        return;
    }
    if (h.reportKept(game_, now, scope_)) {
        // The history keeps the open window's figures and adds each record to them.
        window_->showHistory(historyViewOf(h, game_, now, scope_));
        figuresShown_ = true;
        return;
    }
    // Figures read again after a fold stay shown meanwhile: they differ by a record or two.
    if (!figuresShown_)
        window_->showLoading();
    h.loadReport(game_, now, scope_, [this] {
        QMetaObject::invokeMethod(
            this, [this] { loaded(); }, Qt::QueuedConnection);
    });
}

void HistoryFeed::loaded()
{
    if (!history_)
        return;
    if (!history_->keepLoaded() || !window_)
        history_->forgetReport(); // read again when next shown
    refresh();
}

HistoryDialog *HistoryFeed::makeWindow()
{
    HistoryDialog *window = nullptr;
    QString problem;
    if (services_.makeWindow)
        window = services_.makeWindow(owner_);
    else
        window = loadHistoryDialog(services_.programDir, owner_, problem);
    if (!window) {
        services_.tell(QCoreApplication::translate(
                           "TForm1", "The History window cannot be opened: %1. The game plays on without it.")
                           .arg(problem));
        return nullptr;
    }
    // Closed, it goes with its chart and the figures read for it; opened again, it is where
    // the player left it.
    window->setAttribute(Qt::WA_DeleteOnClose);
    connect(window, &QDialog::finished, this,
            [this, window] { place_ = QRect(window->pos(), window->size()); });
    connect(window, &QObject::destroyed, this, [this] {
        if (history_)
            history_->forgetReport();
#ifdef __GLIBC__
        // The chart and the figures were many small blocks: hand the pages they freed back.
        malloc_trim(0);
#endif
    });
    window->actions.showScope = [this](HistoryScope scope) {
        scope_ = scope;
        figuresShown_ = false;
        refresh();
    };
    window->actions.csv = [this] { return history().csv(); };
    window->actions.clear = [this] {
        history().clear();
        refresh();
    };
    return window;
}

void HistoryFeed::open(const GameState &game, const QRect &screen, const QRect &machine, const QRect &reels,
                       const std::function<void(QDialog &)> &showSideWindow)
{
    game_ = game.GameName;
    if (!window_) {
        window_ = makeWindow();
        figuresShown_ = false;
    }
    if (!window_)
        return;
    if (showSideWindow) {
        showSideWindow(*window_);
    } else {
        // Placed once; after that it keeps the size and place the player gave it until the game exits.
        if (!placed_ && !screen.isNull()) {
            // The frame is not known before the window first shows: about a title bar and borders.
            const QSize frame(16, 40);
            const QRect place = sideWindowPlace(screen, machine, reels, window_->size() + frame,
                                                window_->minimumSizeHint() + frame);
            place_ = QRect(place.topLeft(), place.size() - frame);
            placed_ = true;
        }
        if (placed_) {
            window_->resize(place_.size());
            window_->move(place_.topLeft());
        }
        window_->show();
        window_->raise();
        window_->activateWindow();
    }
    refresh();
}

} // namespace varnholt
