#pragma once
// The main window: the slot machine itself. It owns the game state, the seven timers, the menu,
// the face and its pictures, and the sound; start-up brings the machine from nothing to a face
// a player can use, and closing keeps the game in progress for the next run.

#include "core/GameState.h"
#include "core/Input.h"
#include "core/PlayLifecycle.h"
#include "core/Random.h"
#include "history/HistoryRecords.h"
#include "platform/GameTimer.h"
#include "play/EvaluationEvents.h"
#include "play/PlayOutcome.h"

#include <QCoreApplication>
#include <QMainWindow>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QDialog;
class QMenu;

namespace varnholt {

// Held by pointer, so that a change to drawing, sound or the desktop services recompiles the
// window's own sources and not everything that includes the window.
class Canvas;
class Clock;
class FaceWidget;
class HelpKeyFilter;
class HelpViewer;
class HelpViewerHolder;
class HistoryFeed;
class InputBox;
class MachineFace;
class MessageSink;
class MusicCycle;
class SoundEffects;
class SpokenFeed;
class SpokenNotice;
class TLoadSave;
class TTrickForm;
class WebOpener;
enum class MessageIcon;
struct FormServices;
struct SavedGameFile;

// The machine's visible side of play: TForm1 receives the rules' events and turns each into
// drawing, timers, sound and waits at the moment the player must see it.
class TForm1 : public QMainWindow, public PlayEvents {
    Q_DECLARE_TR_FUNCTIONS(TForm1)

public:
    explicit TForm1(FormServices services, QWidget *parent = nullptr);
    ~TForm1() override;

    // Read-only views of the machine: the face's pictures and layout, and the canvas it is
    // painted on.
    const MachineFace &face() const;
    const Canvas &canvas() const;
    int Scale(double v) const;

    // A modal message with the window title as caption: information, unless an icon is given.
    void showMessage(const QString &text);
    void showMessage(const QString &text, MessageIcon icon);

    // Menu commands.
    void NewGame1Click();
    void OpenGame1Click();
    void SaveGame1Click();
    void Exit1Click();
    void Inkfairn1Click();
    void Borrow1Click();
    void Stats1Click();
    void History1Click(); // beside the machine, not modal (Unit1History.cpp)
    void Payoffs1Click();

    // The Help menu, the maker's web pages and the help viewer (Unit1Help.cpp).
    void Version1Click();
    void GloamwickSlotsManual1Click();
    void BrennovaHomepage1Click();
    void CompayInformation1Click();
    void OpenWebPage(unsigned Number);
    // Hands any web address (the advert's, the manual's links) to the desktop; when nothing
    // could open it, the games page's two messages, the second naming the page asked for.
    void openWebAddress(const QString &address);
    // Opens the help file at a topic (kHelpContents: its contents); other windows' Help buttons
    // and the help key come here.
    void showHelpTopic(int topic);

    // The machine's input: presses on the face and keys (Unit1Input.cpp).
    void FormMouseDown(int X, int Y); // face pixels
    void FormKeyDown(int Key);        // key code; Enter is 13

    // Shows the bonus window until the game in it is over. Empty: shown modally; tests pick
    // a chest in it instead.
    std::function<void(TTrickForm &)> showBonusWindow;
    // The maker's games page, opened by a press on the logo (OpenWebPage(2) from start-up).
    std::function<void()> openGamesPage;
    // Runs a side window (slot dialog, borrowing, statistics, payoff chart, advert) until it
    // closes. Empty: shown modally; tests drive the window in it instead.
    std::function<void(QDialog &)> showSideWindow;
    // How the dialogs' Help buttons open the help file at a topic (showHelpTopic from start-up;
    // empty: the buttons are disabled).
    std::function<void(int topic)> openHelpTopic;

    // Input and the game-changing commands are locked: starting up, playing, closing.
    bool busy() const { return busyIn(phase_); }
    // The game has been kept for the next run; the window is closing for good.
    bool gameKept() const { return phase_ == PlayPhase::Closed; }

    // How a failed save of the game in progress is told: always on the standard error stream,
    // and in a message box only when a person is there to close it.
    enum class SaveReport { StandardErrorOnly, MessageToo };
    // Writes the game in progress to the "CurrentGame" section; false on failure.
    bool saveGameInProgress(SaveReport report = SaveReport::StandardErrorOnly);
    // Closes the window for a signal or the end of the session: nothing waits for a click.
    void closeBySignal();

    QMenu *File1 = nullptr;
    QAction *NewGame1 = nullptr;
    QAction *OpenGame1 = nullptr;
    QAction *SaveGame1 = nullptr;
    QAction *Exit1 = nullptr;
    QMenu *Options1 = nullptr;
    QAction *Sound1 = nullptr;
    QAction *Music1 = nullptr;
    QAction *Borrow1 = nullptr;
    QAction *Stats1 = nullptr;
    QAction *History1 = nullptr;
    QAction *Payoffs1 = nullptr;
    QMenu *Help1 = nullptr;
    QAction *Version1 = nullptr, *N6 = nullptr, *GloamwickSlotsManual1 = nullptr, *N4 = nullptr;
    QAction *BrennovaHomepage1 = nullptr, *N3 = nullptr, *CompayInformation1 = nullptr;
    QAction *Inkfairn1 = nullptr;

protected:
    // Configuration, set once by start-up and read by nothing outside the window.
    std::string ExeDir, ExeStem, WindowTitle, AssetPrefix;
    std::string HelpFile; // ExeDir + ExeStem + ".hlp"
    std::string VersionText;
    int ScreenWidth = 800; // the width the face is laid out for
    int ScreenHeight = 600;

    // Views and controls the tests and tools reach through a subclass; the product does not use them.
    // The game as played so far.
    const GameState &game() const { return Game; }
    // The face on the window, where presses, keys and hints arrive.
    FaceWidget &faceWidget();
    SpokenNotice &spokenNotice();
    HelpViewer *helpViewer() const;
    // The tick count at each frame of the last spin's reel animation.
    const std::vector<std::int64_t> &reelFrameTicks() const { return reelFrameTicks_; }
    // A spin or nudge is under way (it may be waiting on the event loop).
    bool playing() const { return isPlaying(phase_); }
    // A close asked for while playing waits for the play to end, which then hurries.
    bool closePending() const { return isClosePending(phase_); }

    // The outer window size start-up asked for, before the window system's frame is known.
    QSize requestedSize() const { return requestedSize_; }

    // Runs the timer ticks that have fallen due by the clock's time, earliest first, as the
    // event loop would have run them; lets a stopped clock drive the lamps.
    void runDueTimers();
    // The next random draws come from this seed, as FormServices::seed sets the first ones.
    void reseedRandom(std::uint32_t seed) { Random.setSeed(seed); }

    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    // Waits while the event loop runs.
    void Delay(double seconds);

    // Drawing operations the rest of the game calls; each draws the current game state.
    void FormPaint();
    void DrawReel(int reel);
    void DrawBlurFrame(int reel, int offset);
    void DrawPaylineGuides();
    void DrawMachineButton(char button, bool lit);
    void DrawTitlePanel(bool lit);
    void DrawNamePlate(bool lit);
    void DrawCreditsMeter();
    void DrawCoinsMeter();
    void DrawWinningsMeter(std::int32_t amount);
    void DrawNudgeButtons(bool lit);
    void DrawNudgeCounter();

    // Timer handlers.
    void Timer1Timer();
    void Timer2Timer();
    void Timer3Timer();
    void Timer4Timer();
    void Timer5Timer();
    void Timer6Timer();
    void Timer7Timer();

    // Play operations the face's input starts (Unit1Play*.cpp).
    void BetOne();
    void BetMax();
    void Spin();
    void NudgeReel(int reel);
    void BounceReel(int reel);

    // The window as the rules see it: the receiver of their events.
    PlayEvents &events() { return *this; }

    // PlayEvents: each effect at its moment in a spin, an evaluation or a nudge.
    void rebetPlaced() override;
    void spinStarting() override;
    void reelsSpinning(const std::array<int, kReelCount> &stripOffsets) override;
    void spinFinished() override;
    void nudgeStarting(int reel) override;
    void reelNudging(int reel, const std::array<int, 4> &stripSymbols) override;
    void nudgeSettled(int reel) override;
    void wildLanded(int row) override;
    void bonusGameOpening() override;
    void bonusGameDealt(const BonusPrizes &prizes) override;
    void lineWon(int line) override;
    void nudgesChanged() override;
    void winAnnounced() override;
    void winShown() override;
    void nudgeOfferWithdrawn() override;
    void countUpStarted() override;
    void countUpStep(int step, int counted) override;
    void nudgesOffered() override;

    // One press or key step, as the input map of the face orders it.
    void runInputAction(InputAction action, int reel);
    void FormCreate();
    void FormClose();
    bool closingBySignal_ = false;
    void buildMenu();
    void setUpHelp(); // the Help menu, the window's topic and the help key
    void centreOnScreen();
    // Once a window manager has framed the window: frame included, it fits the free screen.
    void fitFrameToScreen();
    // Moves the lifecycle on and enables the menu commands the new phase allows.
    void enterPhase(PlayEvent event);
    void refreshCommands();
    void runSideWindow(QDialog &window);

    // Play bookkeeping around a spin or nudge (Unit1Play.cpp).
    void beginPlay();
    void endPlay();
    // Waits as Delay does, or not at all once a close is hurrying the play to its end.
    void playDelay(double seconds);
    void drawReelShifted(int reel, const QImage &copy, int shift);
    void hurryBonusWindow();
    void showBonusGame(const BonusPrizes &prizes);
    // What the slot dialog does: 1 save, 0 open. Set by the menu command that opens it.
    int SlotDialogMode = 0;
    // Runs the slot dialog in SlotDialogMode (Unit1SavedGames.cpp).
    void runSlotDialog();
    void closeSlotDialog();
    // The win flashing with the guides of the lines won lit, or neither.
    void setWinFlashing(bool on);

    std::array<GameTimer *, 7> timers();

    GameTimer Timer1{250, true};  // start-up completion, one tick
    GameTimer Timer2{200, true};  // button attract and Spin flashing
    GameTimer Timer3{200, false}; // win flashing of the title panel and name plate
    GameTimer Timer4{1, false};   // starts a requested music piece, once
    GameTimer Timer5{0, true};    // crystal-ball flicker; its interval from the lamps
    GameTimer Timer6{300, true};  // the Wild's swing on reel 3
    GameTimer Timer7{300, false}; // nudge-button flashing

    // Lamp phases.
    struct LampPhases;
    std::unique_ptr<LampPhases> lamps_;
    bool NudgeLampPhase = false;

    GameState Game;
    RandomSource Random;
    std::unique_ptr<FormServices> services_;
    std::unique_ptr<Clock> clock_;
    std::unique_ptr<MessageSink> messages_;
    std::unique_ptr<WebOpener> webOpener_;
    std::unique_ptr<HelpViewerHolder> help_;
    HelpKeyFilter *helpKey_ = nullptr;
    std::unique_ptr<InputBox> inputBox_;
    std::unique_ptr<SoundEffects> sounds_;
    std::unique_ptr<MusicCycle> music_;
    FaceWidget *faceWidget_ = nullptr;
    std::unique_ptr<SpokenFeed> spoken_; // what screen readers are told of play
    std::unique_ptr<MachineFace> face_;
    std::unique_ptr<SavedGameFile> savedGames_;

    // The record of play and the History window (HistoryFeed.h): a spin is written as it lands,
    // and each nudge added to it as it is used.
    void openPlayHistory();
    std::unique_ptr<HistoryFeed> history_;
    QSize requestedSize_;
    QMargins fittedFrame_; // the window manager's frame the window was last fitted to

    PlayPhase phase_ = PlayPhase::StartingUp;
    GameState stateBeforePlay_; // what a save during play keeps: the play not yet begun
    TTrickForm *bonusWindow_ = nullptr;
    TLoadSave *slotDialog_ = nullptr;
    std::vector<std::int64_t> reelFrameTicks_;
    std::array<bool, kLineCount> wonLines_{}; // lines won in this play, lit with the win flashing
    PlayOutcome outcome_;                     // this play's result as the rules have judged it so far
};

} // namespace varnholt
