#pragma once
// The main window: the slot machine itself. It owns the game state, the seven timers, the menu,
// the face and its pictures, and the sound; start-up brings the machine from nothing to a face
// a player can use, and closing keeps the game in progress for the next run.

#include "core/GameState.h"
#include "core/Random.h"
#include "platform/CanvasWidget.h"
#include "platform/Clock.h"
#include "platform/GameTimer.h"
#include "platform/MessageBox.h"
#include "platform/Screen.h"
#include "platform/Sound.h"
#include "presentation/Lamps.h"
#include "presentation/MachineFace.h"
#include "presentation/MusicCycle.h"
#include "presentation/SoundEffects.h"
#include "records/GameDate.h"
#include "records/SavedGames.h"

#include <QMainWindow>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QAction;
class QMenu;

namespace varnholt {

// What the window is given from outside. Anything left empty takes the desktop's own service.
struct FormServices {
    std::unique_ptr<Clock> clock;
    std::function<ScreenInfo()> screen;
    std::unique_ptr<WavePlayer> wavePlayer;
    std::unique_ptr<MidiPlayer> midiPlayer;
    std::unique_ptr<MessageSink> messages;
    std::string programPath;   // the program file; its folder is ExeDir
    std::string savedGamePath; // empty: the user's data folder, named after the program
    std::optional<std::uint32_t> seed; // empty: seeded from the time of day
    DateSource today;          // empty: the local date
};

class TForm1 : public QMainWindow {
public:
    explicit TForm1(FormServices services, QWidget *parent = nullptr);
    ~TForm1() override;

    // Configuration, set once by start-up.
    std::string ExeDir, ExeStem, WindowTitle, AssetPrefix;
    std::string VersionText = "2.2";
    int ScreenWidth = 800;  // the width the face is laid out for
    int ScreenHeight = 600;

    GameState &state() { return Game; }
    RandomSource &random() { return Random; }
    Clock &clock() { return *clock_; }
    MachineFace &face() { return *face_; }
    Canvas &canvas() { return faceWidget_->canvas(); }
    CanvasWidget &faceWidget() { return *faceWidget_; }
    SoundEffects &sounds() { return *sounds_; }
    MusicCycle &music() { return *music_; }
    int Scale(double v) const { return face_->Scale(v); }

    // A modal information message with the window title as caption.
    void showMessage(const QString &text, MessageIcon icon = MessageIcon::Information);
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

    // Menu commands.
    void NewGame1Click();
    void Exit1Click();

    // Writes the game in progress to the "CurrentGame" section; false (and a message) on failure.
    bool saveGameInProgress();

    GameTimer Timer1{250, true};  // start-up completion, one tick
    GameTimer Timer2{200, true};  // button attract and Spin flashing
    GameTimer Timer3{200, false}; // win flashing of the title panel and name plate
    GameTimer Timer4{100, true};  // starts a pending music piece
    GameTimer Timer5{CrystalBlink::kFirstInterval, true}; // crystal-ball flicker
    GameTimer Timer6{300, true};  // the Wild's swing on reel 3
    GameTimer Timer7{300, false}; // nudge-button flashing

    // Lamp phases.
    ButtonAttract attractLamps;
    WinFlash winFlash;
    CrystalBlink crystalBlink;
    WildSwing wildSwing;
    bool NudgeLampPhase = false;

    QMenu *File1 = nullptr;
    QAction *NewGame1 = nullptr;
    QAction *Exit1 = nullptr;

    // The outer window size start-up asked for, before the window system's frame is known.
    QSize requestedSize() const { return requestedSize_; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void FormCreate();
    void FormClose();
    void buildMenu();
    void centreOnScreen();

    GameState Game;
    RandomSource Random;
    FormServices services_;
    std::unique_ptr<Clock> clock_;
    std::unique_ptr<MessageSink> messages_;
    std::unique_ptr<SoundEffects> sounds_;
    std::unique_ptr<MusicCycle> music_;
    CanvasWidget *faceWidget_ = nullptr;
    std::unique_ptr<MachineFace> face_;
    SavedGameFile savedGames_;
    QSize requestedSize_;
    bool frameFitted_ = false;
    bool savedAtClose_ = false;
};

} // namespace varnholt
