#include "presentation/MachineFace.h"

#include "bonus/BonusMeter.h"
#include "core/Reels.h"
#include "geometry/NudgeMotion.h"

#include <QFontMetrics>

#include <algorithm>

namespace varnholt {

namespace {
const QColor kGuideGrey(128, 128, 128);
const QColor kLitGuide(255, 196, 0);
const QColor kCaptionWhite(255, 255, 255);
const QColor kNudgeYellow(255, 255, 0);
const QColor kNudgeRed(255, 0, 0);
// How far a nudged reel's bounce swings up over the face above its window.
constexpr int kBounceRise = -*std::min_element(kNudgeBounceOffsets.begin(), kNudgeBounceOffsets.end());
} // namespace

MachineFace::MachineFace(Canvas &canvas, FacePictures pictures, SizedPictures sized, int pixelsPerInch)
    : canvas_(canvas), pictures_(std::move(pictures)), sized_(std::move(sized)),
      strips_(makeDigitStrips(pictures_, sized_.layout.width, canvas.devicePixelRatio())),
      fonts_(faceFonts(sized_.layout.width, pixelsPerInch))
{
    // What the face's lamps, captions and meters restore between repaints, and above each reel
    // window the rows a nudged reel's bounce swings into.
    const Layout &l = layout();
    std::vector<QRect> kept{litGuideBand(0), litGuideBand(1),   litGuideBand(2), titlePanelArea(),
                            namePlateArea(), crystalBallArea(), meterBand(),     nudgeCounterArea()};
    // What a repaint draws whole over the face, and the logo, which draws the same over itself.
    std::vector<QRect> redrawn{
        scaledRect(577, 293, 655, 352), scaledRect(577, 362, 655, 421), scaledRect(577, 432, 655, 491),
        QRect(QPoint(Scale(10), Scale(10)), pictures_.Logo.deviceIndependentSize().toSize())};
    const PixelRect bonus = bonusMeterTarget(l);
    redrawn.push_back(QRect(bonus.left, bonus.top, bonus.right - bonus.left, bonus.bottom - bonus.top));
    for (int reel = 0; reel < kReelCount; ++reel) {
        const int x = l.ReelsLeft + reel * l.ReelPitch;
        kept.push_back(QRect(x, l.ReelsTop - kBounceRise, l.SymbolSize, kBounceRise));
        redrawn.push_back(QRect(x, l.ReelsTop, l.SymbolSize, 3 * l.SymbolSize));
        redrawn.push_back(scaledRect(252 + 106 * reel, 243, 328 + 106 * reel, 263));
    }
    sized_.face.keepBetweenRepaints(kept, redrawn);
}

QSize MachineFace::faceSize() const { return sized_.face.size(); }

QRect MachineFace::scaledRect(int left, int top, int right, int bottom) const
{
    const int l = Scale(left), t = Scale(top);
    return QRect(l, t, Scale(right) - l, Scale(bottom) - t);
}

void MachineFace::copyFromFace(const QRect &area)
{
    // Any area of the face comes back pixel for pixel as the repaint put it there.
    sized_.face.copyArea(canvas_, area);
}

QRect MachineFace::titlePanelArea() const { return scaledRect(247, 98, 549, 241); }
QRect MachineFace::namePlateArea() const { return scaledRect(221, 551, 657, 600); }
QRect MachineFace::crystalBallArea() const { return scaledRect(26, 361, 193, 547); }
QRect MachineFace::nudgeCounterArea() const
{
    // The count's line reaches below the counter's black box on the face.
    const QFontMetrics value(fonts_.nudgeValue, &canvas_.image());
    const QRect box = scaledRect(580, 230, 654, 276);
    return box.united(QRect(box.left(), Scale(250), box.width(), value.height()));
}

QRect MachineFace::meterBand() const
{
    // From the captions' top to the lower of the meters' cells and the Winnings area.
    const int bottom = std::max(Scale(70), Scale(38) + strips_.glyph.height);
    return QRect(0, Scale(24), sized_.face.size().width(), bottom - Scale(24));
}

void MachineFace::FormPaint(GameState &state)
{
    buttonsLit_ = {};
    sized_.face.copyAll(canvas_);
    for (int reel = 0; reel < kReelCount; ++reel)
        DrawReel(reel, state.ReelStops[reel]);
    DrawCreditsMeter(state.Credits);
    DrawCoinsMeter(state.CoinsBet);
    DrawCaptions();
    DrawBonusMeter(state.BonusPts);
    DrawPaylineGuides();
    DrawMachineButton(kBet1Button, true);
    DrawMachineButton(kBet3Button, true);
    DrawMachineButton(kSpinButton, true);
    DrawNudgeCounter(state.Nudges);
    DrawNudgeButtons(false);
    DrawLogo();
}

void MachineFace::DrawReel(int reel, int stop)
{
    const Layout &l = layout();
    const auto column = visibleColumn(reel, stop);
    for (int row = 0; row < 3; ++row) {
        const int code = column[row];
        canvas_.copyAt(
            sized_.symbolSheet,
            QRect((code % 4) * l.SymbolSize, (code / 4) * l.SymbolSize, l.SymbolSize, l.SymbolSize),
            QPoint(l.ReelsLeft + reel * l.ReelPitch, l.ReelsTop + row * l.SymbolSize));
    }
    DrawPaylineGuides();
    showReel(reel, stop);
}

void MachineFace::DrawBlurFrame(int reel, int offset)
{
    const Layout &l = layout();
    const int stripHeight = l.BlurStripHeight;
    const int bandHeight = 3 * l.SymbolSize;
    const int x = l.ReelsLeft + reel * l.ReelPitch;
    if (stripHeight > 0) {
        int source = ((offset % stripHeight) + stripHeight) % stripHeight;
        // The band runs past the strip's end and on from its start, as often as it needs.
        for (int y = 0; y < bandHeight;) {
            const int rows = std::min(bandHeight - y, stripHeight - source);
            canvas_.copyAt(sized_.blurStrip, QRect(0, source, l.SymbolSize, rows), QPoint(x, l.ReelsTop + y));
            y += rows;
            source = 0;
        }
    }
    DrawPaylineGuides();
    showReel(reel, std::nullopt);
}

int MachineFace::guideY(int row) const
{
    const Layout &l = layout();
    return l.ReelsTop + row * l.SymbolSize + l.SymbolSize / 2;
}

QRect MachineFace::litGuideBand(int row) const
{
    const int thickness = std::max(2, Scale(2.5));
    return QRect(Scale(247), guideY(row) - thickness / 2, Scale(544) - Scale(247), thickness);
}

void MachineFace::DrawPaylineGuides()
{
    for (int row = 0; row < 3; ++row) {
        if (litRows_[row]) {
            const QRect band = litGuideBand(row);
            canvas_.fill(band.left(), band.top(), band.right() + 1, band.bottom() + 1, kLitGuide);
        } else
            canvas_.horizontalLine(Scale(247), Scale(544), guideY(row), kGuideGrey);
    }
}

void MachineFace::setLitLines(const std::array<bool, kLineCount> &lines,
                              const std::array<int, kReelCount> &stops)
{
    const std::array<bool, 3> before = litRows_;
    for (int line = 0; line < kLineCount; ++line)
        litRows_[kLineRows[line]] = lines[line];
    for (int row = 0; row < 3; ++row) {
        if (!before[row] || litRows_[row])
            continue;
        copyFromFace(litGuideBand(row));
        for (int reel = 0; reel < kReelCount; ++reel)
            DrawSymbolCell(visibleColumn(reel, stops[reel])[row], reel, row);
    }
    DrawPaylineGuides();
}

void MachineFace::DrawSymbolCell(int code, int reel, int row)
{
    const Layout &l = layout();
    canvas_.copyAt(sized_.symbolSheet,
                   QRect((code % 4) * l.SymbolSize, (code / 4) * l.SymbolSize, l.SymbolSize, l.SymbolSize),
                   QPoint(l.ReelsLeft + reel * l.ReelPitch, l.ReelsTop + row * l.SymbolSize));
    DrawPaylineGuides();
}

void MachineFace::DrawMachineButton(char button, bool lit)
{
    // The lamps' timers draw all three buttons on every tick though mostly one changes: a button
    // already showing that state is left as it is, so only the changed lamp reaches the screen.
    std::optional<bool> &shown = buttonsLit_[button == kBet1Button ? 0 : button == kBet3Button ? 1 : 2];
    if (shown == lit)
        return;
    shown = lit;
    // The halves are measured on the Bet 1 picture for all three buttons.
    const QImage &bet1 = pictures_.Bet1Bitmap;
    const int half = bet1.height() / 2;
    const QRect band =
        lit ? QRect(0, half, bet1.width(), bet1.height() - half) : QRect(0, 0, bet1.width(), half);
    if (button == kBet1Button)
        canvas_.copy(pictures_.Bet1Bitmap, band, scaledRect(577, 362, 655, 421));
    else if (button == kBet3Button)
        canvas_.copy(pictures_.Bet3Bitmap, band, scaledRect(577, 432, 655, 491));
    else
        canvas_.copy(pictures_.SpinBitmap, band, scaledRect(577, 293, 655, 352));
}

void MachineFace::DrawTitlePanel(bool lit) { faceOrPicture(titlePanelArea(), lit, pictures_.DimTitleBitmap); }

void MachineFace::DrawNamePlate(bool lit)
{
    faceOrPicture(namePlateArea(), lit, pictures_.DimNamePlateBitmap);
}

void MachineFace::DrawCrystalBall(bool lit)
{
    faceOrPicture(crystalBallArea(), !lit, pictures_.CrystalBallBitmap);
}

void MachineFace::faceOrPicture(const QRect &target, bool face, const QImage &picture)
{
    if (face)
        copyFromFace(target);
    else
        canvas_.copy(picture, picture.rect(), target);
}

void MachineFace::DrawNudgeButtons(bool lit)
{
    const QImage &button = pictures_.NudgeButtonBitmap;
    const int half = button.height() / 2;
    const QRect source =
        lit ? QRect(0, half, button.width(), button.height() - half) : QRect(0, 0, button.width(), half);
    for (int reel = 0; reel < kReelCount; ++reel)
        canvas_.copy(button, source, scaledRect(252 + 106 * reel, 243, 328 + 106 * reel, 263));
}

void MachineFace::DrawLogo()
{
    canvas_.copyMasked(pictures_.LogoMask, pictures_.Logo, QPoint(Scale(10), Scale(10)));
}

void MachineFace::DrawCreditsMeter(std::int32_t Credits)
{
    DrawDigitMeter(canvas_, strips_, Credits, true, true, Scale(620), Scale(38));
    ShownMeters meters = shown_;
    meters.credits = Credits;
    show(meters);
}

void MachineFace::DrawCoinsMeter(std::int32_t CoinsBet)
{
    ClearWinningsArea();
    DrawDigitMeter(canvas_, strips_, CoinsBet, true, false, Scale(250), Scale(38));
    ShownMeters meters = shown_;
    meters.coins = CoinsBet;
    show(meters);
}

void MachineFace::DrawWinningsMeter(std::int32_t amount)
{
    DrawDigitMeter(canvas_, strips_, amount, false, true, Scale(440), Scale(38));
    ShownMeters meters = shown_;
    meters.winnings = amount;
    show(meters);
}

void MachineFace::ClearWinningsArea()
{
    canvas_.fill(Scale(320), Scale(38), Scale(450), Scale(70), Qt::black);
    caption("Coins", Scale(250), false);
    ShownMeters meters = shown_;
    meters.winnings.reset();
    show(meters);
}

void MachineFace::show(ShownMeters meters)
{
    if (meters == shown_)
        return;
    shown_ = meters;
    if (metersChanged)
        metersChanged();
}

void MachineFace::showReel(int reel, std::optional<int> stop)
{
    if (reel < 0 || reel >= kReelCount || shownReels_[std::size_t(reel)] == stop)
        return;
    shownReels_[std::size_t(reel)] = stop;
    if (reelChanged)
        reelChanged(reel);
}

void MachineFace::caption(const QString &text, int x, bool rightEdge)
{
    canvas_.setFont(fonts_.label);
    const int width = canvas_.textWidth(text);
    const int left = rightEdge ? x - width : x;
    // Smoothed text drawn again over itself grows bolder, so the face goes back under it first
    // (down to the meters' top, which the captions never reach).
    const int height = std::min(QFontMetrics(fonts_.label).height(), Scale(38) - Scale(24));
    copyFromFace(QRect(left, Scale(24), width, height));
    canvas_.textOut(left, Scale(24), text, kCaptionWhite);
}

void MachineFace::DrawCaptions()
{
    caption("Credits", Scale(620), true);
    caption("Coins", Scale(250), false);
    caption("Winnings", Scale(440), true);
}

void MachineFace::DrawWinningsCaption() { caption("Winnings", Scale(440), true); }

void MachineFace::DrawNudgeCounter(std::int32_t Nudges)
{
    canvas_.fill(Scale(580), Scale(230), Scale(654), Scale(276), Qt::black);
    const int centre = Scale(617);
    canvas_.setFont(fonts_.nudgeCaption);
    const QString title = QStringLiteral("Nudges");
    canvas_.textOut(centre - canvas_.textWidth(title) / 2, Scale(232), title, kNudgeYellow);
    canvas_.setFont(fonts_.nudgeValue);
    const QString value = QString::number(Nudges);
    canvas_.textOut(centre - canvas_.textWidth(value) / 2, Scale(250), value, kNudgeRed);
    ShownMeters meters = shown_;
    meters.nudges = Nudges;
    show(meters);
}

void MachineFace::DrawBonusMeter(std::int32_t &BonusPts)
{
    BonusPts = clampBonusPoints(BonusPts);
    // The cell may lie partly or wholly outside the picture; what lies outside shows black.
    const QImage &strip = pictures_.NudgeButtonBitmap;
    const PixelRect from = bonusMeterSource(BonusPts);
    QImage cell(kBonusMeterCellWidth, kBonusMeterCellHeight, QImage::Format_RGB32);
    cell.fill(Qt::black);
    const QRect source =
        QRect(from.left, from.top, kBonusMeterCellWidth, kBonusMeterCellHeight) & strip.rect();
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x)
            cell.setPixel(x, y, strip.pixel(source.x() + x, source.y() + y));
    const PixelRect to = bonusMeterTarget(layout());
    canvas_.copy(cell, cell.rect(), QRect(to.left, to.top, to.right - to.left, to.bottom - to.top));
}

} // namespace varnholt
