#pragma once
// The pick-a-box bonus game: a borderless window the size of the screen showing a room with five
// closed chests. The player picks one; it opens in two steps and shows its prize in red, and the
// window closes itself three seconds later. The prize goes into the game state at the pick, so
// however the window ends afterwards it is paid exactly once; before a pick the window cannot
// be closed.

#include "bonus/BonusPrizes.h"
#include "bonus/ChestKeys.h"
#include "bonus/Chests.h"
#include "platform/GameTimer.h"
#include "platform/Screen.h"

#include <QCoreApplication>
#include <QDialog>
#include <QImage>
#include <QString>

#include <array>
#include <cstdint>
#include <string>

namespace varnholt {

struct GameState;
class CanvasWidget;
class Clock;
class MessageSink;
class SpokenNotice;
class WavePlayer;

// What the bonus window takes from the program around it.
struct TrickFormSetup {
    varnholt::BonusPrizes BonusPrizes{}; // prize behind chest k + 1; kNudgePrize stands for "6 Nudges"
    std::string ExeDir;                  // where "bonus1.jpg" and the sounds lie
    std::string AssetPrefix = "Vrn";
    QString WindowTitle = QStringLiteral("Varnholt Slots"); // caption of the prompt box
    ScreenInfo screen;                                      // the whole screen, not the face's layout width
};

class TTrickForm : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(TTrickForm)

public:
    static constexpr int kPictureWidth = 800;
    static constexpr int kPictureHeight = 600;
    static constexpr int kPrizeTextPoints = 24;
    static constexpr double kOpenStepSeconds = 0.25; // half open to wide open
    static constexpr int kCloseAfterMs = 3000;       // pick to closing
    static constexpr int kOpeningSoundMs = 200;
    static constexpr int kHighlightThickness = 4;

    TTrickForm(GameState &state, WavePlayer &sound, Clock &clock, MessageSink &messages, TrickFormSetup setup,
               QWidget *parent = nullptr);
    ~TTrickForm() override;

    // Handlers, named after the component and the event they serve.
    void Timer2Timer();
    void Image3MouseDown(int X, int Y); // picture coordinates
    void Timer1Timer();
    void FormMouseDown(int X, int Y); // window coordinates, outside the picture
    void FormKeyDown(int Key);        // key code; Enter is 13

    // What the player sees and what has been settled.
    bool boxPicked() const { return pick_.BoxPicked; }
    int pickedChest() const { return pick_.chest + 1; }             // 1..5; 0 before a pick
    int highlightedChest() const { return highlight_.chest() + 1; } // 1..5; 0 while none is
    QString spokenPrizeText() const;                                // the same in the player's language
    QWidget *chestRoom() const;                                     // the picture the chests are picked on
    SpokenNotice &notice() const { return *notice_; }               // tells screen readers the prize at once

protected:
    // For the tests, through a subclass.
    const QString &prizeText() const { return prizeText_; } // as drawn on the chest
    const GameTimer &timer1() const { return Timer1; }
    const GameTimer &timer2() const { return Timer2; }

    // Every way of ending the window passes here; before a pick it is refused.
    void done(int result) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void FormCreate();
    void centreImage3();
    void openChest(int chest);
    void drawHighlight(int chest, bool shown);
    void drawPrizeText(const QString &text, int chest);
    void playEffect(const char *ending);
    void prompt();

    GameState &state_;
    WavePlayer &sound_;
    Clock &clock_;
    MessageSink &messages_;
    TrickFormSetup setup_;

    // The room where each chest stands, for taking a highlight away. The room itself is drawn
    // once, and the open chests are loaded at the pick, so the window holds no more than that.
    std::array<QImage, kChestCount> roomUnderChest_;
    CanvasWidget *Image3 = nullptr; // what the player sees and clicks
    SpokenNotice *notice_ = nullptr;
    GameTimer Timer1{kCloseAfterMs, false};
    GameTimer Timer2{kOpeningSoundMs, true};

    std::int32_t BonusPrize = 0; // credits won; 0 before a pick or for the nudge prize
    BonusPick pick_;
    ChestHighlight highlight_;
    QString prizeText_;
    std::int32_t pickedPrize_ = 0;
};

} // namespace varnholt
