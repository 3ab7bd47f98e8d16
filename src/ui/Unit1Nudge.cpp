// The main window's part in a nudge: the reel sliding down one symbol and settling.

#include "ui/Unit1.h"

#include "geometry/NudgeMotion.h"
#include "platform/Canvas.h"
#include "play/NudgePlay.h"
#include "presentation/MachineFace.h"
#include "presentation/SoundEffects.h"
#include "ui/FaceWidget.h"
#include "ui/HistoryFeed.h"
#include "ui/SpokenFeed.h"

#include <algorithm>

namespace varnholt {

namespace {
constexpr double kScrollFrameSeconds = 0.05;
constexpr double kBounceFrameSeconds = 0.02;
} // namespace

void TForm1::NudgeReel(int reel)
{
    if (!mayRun(Command::Nudge, phase_))
        return;
    beginPlay();
    const bool nudged = varnholt::NudgeReel(Game, reel, Random, events(), outcome_);
    endPlay();
    if (nudged)
        history_->nudgePlayed(outcome_, Game);
}

void TForm1::nudgeStarting(int)
{
    // A nudge comes only after a result that paid nothing, so no win flashing runs; the guides
    // go plain all the same, ready for the lines this nudge may win.
    wonLines_ = {};
    face_->setLitLines({}, Game.ReelStops);
    Timer6.setEnabled(false);
    Timer7.setEnabled(false);
    spoken_->startResult();
}

void TForm1::reelNudging(int reel, const std::array<int, 4> &stripSymbols)
{
    const Layout &layout = face_->layout();
    const int size = layout.SymbolSize;
    const QImage &sheet = face_->sized().symbolSheet;

    // The strip: the incoming symbol above the three shown now.
    Canvas strip(QSize(size, 4 * size), canvas().devicePixelRatio());
    for (int row = 0; row < 4; ++row) {
        const int code = stripSymbols[row];
        strip.copyAt(sheet, QRect((code % 4) * size, (code / 4) * size, size, size), QPoint(0, row * size));
    }

    const QPoint window(layout.ReelsLeft + (reel % kReelCount) * layout.ReelPitch, layout.ReelsTop);
    const auto tops = nudgeScrollTops(layout);
    for (std::size_t frame = 0; frame < tops.size(); ++frame) {
        // Hurrying to a close, only the landing frame is drawn.
        if (isHurried(phase_) && frame + 1 < tops.size())
            continue;
        faceWidget_->canvas().copyAt(strip.image(), QRect(0, tops[frame], size, 3 * size), window);
        DrawPaylineGuides();
        playDelay(kScrollFrameSeconds);
    }
}

void TForm1::nudgeSettled(int reel)
{
    if (!isHurried(phase_))
        sounds_->playStopClick();
    BounceReel(reel);
}

void TForm1::BounceReel(int reel)
{
    if (isHurried(phase_))
        return;
    const Layout &layout = face_->layout();
    const QPoint window(layout.ReelsLeft + (reel % kReelCount) * layout.ReelPitch, layout.ReelsTop);
    const QImage copy = canvas().grab(QRect(window, QSize(layout.SymbolSize, nudgeBounceHeight(layout))));
    // The upward swing draws over the face above the window; it gets its own pixels back after.
    const int rise = -*std::min_element(kNudgeBounceOffsets.begin(), kNudgeBounceOffsets.end());
    const QPoint aboveCorner = window - QPoint(0, rise);
    const QImage above = canvas().grab(QRect(aboveCorner, QSize(layout.SymbolSize, rise)));
    for (std::size_t frame = 0; frame < kNudgeBounceOffsets.size(); ++frame) {
        faceWidget_->canvas().copyAt(copy, window + QPoint(0, kNudgeBounceOffsets[frame]));
        DrawPaylineGuides();
        if (frame + 1 < kNudgeBounceOffsets.size())
            playDelay(kBounceFrameSeconds);
    }
    faceWidget_->canvas().copyAt(above, aboveCorner);
    // The copies leave the reel's bottom rows stale; at rest it is drawn whole.
    DrawReel(reel);
}

} // namespace varnholt
