#pragma once
// The machine face: the complete repaint and every small drawing operation that changes one
// piece of it. All positions are design coordinates for a face 800 pixels wide, passed through
// the layout's Scale. Everything draws straight onto the window's canvas.

#include "core/GameState.h"
#include "core/PayTable.h"
#include "core/Reels.h"
#include "geometry/Layout.h"
#include "platform/Canvas.h"
#include "presentation/DigitMeter.h"
#include "presentation/FaceFonts.h"
#include "presentation/FacePictures.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

namespace varnholt {

// The machine buttons by the one-character codes the game names them with.
inline constexpr char kBet1Button = '1';
inline constexpr char kBet3Button = '5';
inline constexpr char kSpinButton = 'S';

// The values the meters show now. The Winnings meter is blank between count-ups.
struct ShownMeters {
    std::int32_t credits = 0, coins = 0, nudges = 0;
    std::optional<std::int32_t> winnings;
    bool operator==(const ShownMeters &) const = default;
};

class MachineFace {
public:
    MachineFace(Canvas &canvas, FacePictures pictures, SizedPictures sized, int pixelsPerInch);

    const Layout &layout() const { return sized_.layout; }
    int Scale(double v) const { return sized_.layout.Scale(v); }
    const FacePictures &pictures() const { return pictures_; }
    const SizedPictures &sized() const { return sized_; }
    const DigitStrips &digitStrips() const { return strips_; }
    const FaceFonts &fonts() const { return fonts_; }
    Canvas &canvas() { return canvas_; }
    // The face's size on the window: the face picture at Scale(width) x Scale(height).
    QSize faceSize() const;

    // The whole face from the pictures and the game state (clamps BonusPts above 12).
    void FormPaint(GameState &state);

    // Reels.
    void DrawReel(int reel, int stop);
    void DrawBlurFrame(int reel, int offset);
    void DrawPaylineGuides();
    // The guides of these lines drawn lit, the others plain grey. Where a lit guide is taken
    // away the face and the reels' cells at `stops` are drawn again under it.
    void setLitLines(const std::array<bool, kLineCount> &lines, const std::array<int, kReelCount> &stops);
    // The band a lit guide covers on its screen row: thicker on larger faces.
    QRect litGuideBand(int row) const;
    // One symbol-sheet cell into a reel's row, e.g. a frame of the Wild; guides redrawn after.
    void DrawSymbolCell(int code, int reel, int row);

    // Buttons and lamp areas.
    void DrawMachineButton(char button, bool lit);
    void DrawTitlePanel(bool lit);
    void DrawNamePlate(bool lit);
    void DrawCrystalBall(bool lit);
    void DrawNudgeButtons(bool lit);
    void DrawLogo();

    // Meters and counters.
    void DrawCreditsMeter(std::int32_t Credits);
    void DrawCoinsMeter(std::int32_t CoinsBet);
    void DrawWinningsMeter(std::int32_t amount);
    void ClearWinningsArea();
    void DrawNudgeCounter(std::int32_t Nudges);
    void DrawBonusMeter(std::int32_t &BonusPts);
    // "Credits", "Coins" and "Winnings" above their meters.
    void DrawCaptions();
    // "Winnings" alone, as the win count-up starts.
    void DrawWinningsCaption();

    // The stop each reel shows at rest; empty while it spins.
    using ShownReels = std::array<std::optional<int>, kReelCount>;
    const ShownReels &shownReels() const { return shownReels_; }
    // Told whenever a reel comes to rest on another stop or starts to spin.
    std::function<void(int reel)> reelChanged;

    const ShownMeters &shownMeters() const { return shown_; }
    // Told whenever a meter comes to show another value.
    std::function<void()> metersChanged;

    // A design rectangle (left, top)-(right, bottom), scaled, right and bottom exclusive.
    QRect scaledRect(int left, int top, int right, int bottom) const;

private:
    void copyFromFace(const QRect &area);
    QRect titlePanelArea() const;
    QRect namePlateArea() const;
    QRect crystalBallArea() const;
    QRect meterBand() const;
    QRect nudgeCounterArea() const;
    // The face's own pixels in the area, or the whole picture scaled into it.
    void faceOrPicture(const QRect &target, bool face, const QImage &picture);
    void caption(const QString &text, int x, bool rightEdge);
    int guideY(int row) const;
    void show(ShownMeters meters);
    void showReel(int reel, std::optional<int> stop);

    Canvas &canvas_;
    FacePictures pictures_;
    SizedPictures sized_;
    DigitStrips strips_;
    FaceFonts fonts_;
    std::array<bool, 3> litRows_{};                 // by screen row
    std::array<std::optional<bool>, 3> buttonsLit_; // Bet 1, Bet 3, Spin as drawn; empty when not yet
    ShownMeters shown_;
    ShownReels shownReels_;
};

} // namespace varnholt
