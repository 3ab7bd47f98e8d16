#pragma once
// The main window's play written to the history as it lands, and the History window beside the
// machine kept up to date. The window's figures are read away from the game's thread; the window
// says it is loading meanwhile, and the records written then are added to them once.

#include "history/HistoryRecords.h"

#include <QCoreApplication>
#include <QObject>
#include <QPointer>
#include <QRect>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class QDialog;
class QWidget;

namespace varnholt {

class HistoryDialog;
class PlayHistory;
struct GameState;
struct PlayOutcome;

class HistoryFeed : public QObject {
    Q_DECLARE_TR_FUNCTIONS(TForm1)

public:
    struct Services {
        std::function<void(const QString &)> tell;                  // an error the player must see
        std::function<HistoryDialog *(QWidget *parent)> makeWindow; // empty: the module beside the program
        std::string programDir;                                     // ends in '/'
    };

    // The history beside the saved game at `savedGamePath`; a file that cannot be kept is told now.
    HistoryFeed(QWidget *owner, const std::string &savedGamePath, Services services);
    ~HistoryFeed() override;

    void spinPlayed(const PlayOutcome &outcome, const GameState &game);
    void nudgePlayed(const PlayOutcome &outcome, const GameState &game);
    void moneyMoved(const GameState &game, std::int32_t borrowedBefore);
    void gameBegun(const GameState &game, bool opened);

    // Opens the window beside the machine (placed once where it hides least of `reels`), or
    // through `showSideWindow` when given; its figures follow as they are read.
    void open(const GameState &game, const QRect &screen, const QRect &machine, const QRect &reels,
              const std::function<void(QDialog &)> &showSideWindow);

    PlayHistory &history();
    HistoryDialog *window() const;

private:
    void refresh();
    void loaded();
    HistoryDialog *makeWindow();

    QWidget *owner_;
    Services services_;
    std::string path_;
    std::unique_ptr<PlayHistory> history_; // opened on first use
    QPointer<HistoryDialog> window_;       // destroyed when closed
    std::string game_;                     // the game the window shows
    HistoryScope scope_ = HistoryScope::ThisGame;
    bool figuresShown_ = false; // of this game and scope
    bool placed_ = false;
    QRect place_; // where the player left the window
};

} // namespace varnholt
