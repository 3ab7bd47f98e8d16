#include "FormFixture.h"
#include "ReferenceFace.h"

#include "core/Reels.h"

using namespace varnholt;
using namespace varnholt::test;

namespace {

class FacePaint : public FormTest {};

// The glyph of a digit, cut from a strip at the window's density.
QImage glyph(const QImage &strip, int digit, GlyphSize size)
{
    const double k = strip.devicePixelRatio();
    QImage cell = strip.copy(QRectF(digit * size.width * k, 0, size.width * k, size.height * k).toRect());
    cell.setDevicePixelRatio(k);
    return cell;
}

bool allBlack(const Canvas &canvas, const QRect &area)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (canvas.pixel(x, y) != qRgb(0, 0, 0))
                return false;
    return true;
}

QImage sheetCell(const TestForm1 &form, int code)
{
    const MachineFace &face = form.face();
    const int s = face.layout().SymbolSize;
    const QImage &sheet = face.sized().symbolSheet;
    const double k = sheet.devicePixelRatio();
    QImage cell = sheet.copy(QRectF((code % 4) * s * k, (code / 4) * s * k, s * k, s * k).toRect());
    cell.setDevicePixelRatio(k);
    return cell;
}

// A reel cell equals a sheet cell everywhere but on its pay-line guide.
bool reelCellShows(TestForm1 &form, int reel, int row, int code)
{
    const Layout &l = form.face().layout();
    const QRect cell(l.ReelsLeft + reel * l.ReelPitch, l.ReelsTop + row * l.SymbolSize, l.SymbolSize,
                     l.SymbolSize);
    QImage actual = form.canvas().grab(cell).convertToFormat(QImage::Format_RGB32);
    QImage expected = sheetCell(form, code).convertToFormat(QImage::Format_RGB32);
    const int guide = int((l.SymbolSize / 2) * actual.devicePixelRatio());
    for (int x = 0; x < actual.width(); ++x) {
        actual.setPixel(x, guide, 0);
        expected.setPixel(x, guide, 0);
    }
    return actual == expected;
}

} // namespace

TEST_F(FacePaint, CreditsMeterCellsAndTheirBlackBox)
{
    auto form = makeForm(800, 600);
    ReferenceFace painted(*form);
    Canvas &canvas = painted.canvas;
    MachineFace &face = painted.face;
    const DigitStrips &strips = face.digitStrips();
    ASSERT_EQ(strips.glyph, kSmallGlyph);
    // 1000: four green cells from 556 to 620, y 38 to 59, black from 540.
    const int digits[] = {1, 0, 0, 0};
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(
            sameArea(canvas, QRect(556 + 16 * i, 38, 16, 21), glyph(strips.green, digits[i], kSmallGlyph)))
            << i;
    EXPECT_TRUE(allBlack(canvas, QRect(540, 38, 16, 21)));

    // 999 covers the old leading 1.
    face.DrawCreditsMeter(999);
    EXPECT_TRUE(allBlack(canvas, QRect(540, 38, 32, 21)));
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(sameArea(canvas, QRect(572 + 16 * i, 38, 16, 21), glyph(strips.green, 9, kSmallGlyph)));

    // 10000 -> 995: the old first digit at 540 stays until the next repaint.
    face.DrawCreditsMeter(10000);
    face.DrawCreditsMeter(995);
    EXPECT_TRUE(sameArea(canvas, QRect(540, 38, 16, 21), glyph(strips.green, 1, kSmallGlyph)));
    EXPECT_TRUE(allBlack(canvas, QRect(556, 38, 16, 21)));
    GameState repainted;
    repainted.Credits = 995;
    face.FormPaint(repainted);
    EXPECT_FALSE(sameArea(canvas, QRect(540, 38, 16, 21), glyph(strips.green, 1, kSmallGlyph)));
}

TEST_F(FacePaint, CoinsAndWinningsMetersShareTheirArea)
{
    // At 1024 the coins take one large green cell, with one black cell to its right.
    auto wide = makeForm(1024, 768);
    ReferenceFace widePainted(*wide);
    widePainted.face.DrawCoinsMeter(3);
    const QImage three = glyph(wide->face().digitStrips().green, 3, kLargeGlyph);
    EXPECT_TRUE(sameArea(widePainted.canvas, QRect(320, 48, 32, 42), three));
    EXPECT_TRUE(allBlack(widePainted.canvas, QRect(352, 48, 32, 42)));

    // The winnings are red and right-aligned at 440; the coins meter blanks them.
    auto form = makeForm(800, 600);
    ReferenceFace painted(*form);
    Canvas &canvas = painted.canvas;
    MachineFace &face = painted.face;
    face.DrawWinningsMeter(25);
    EXPECT_TRUE(
        sameArea(canvas, QRect(408, 38, 16, 21), glyph(form->face().digitStrips().red, 2, kSmallGlyph)));
    EXPECT_TRUE(
        sameArea(canvas, QRect(424, 38, 16, 21), glyph(form->face().digitStrips().red, 5, kSmallGlyph)));
    face.DrawCoinsMeter(0);
    EXPECT_TRUE(allBlack(canvas, QRect(408, 38, 32, 21)));
}

TEST_F(FacePaint, NegativeMeterValueShowsAMinusSignInItsColour)
{
    auto form = makeForm(800, 600);
    ReferenceFace painted(*form);
    Canvas &canvas = painted.canvas;
    MachineFace &face = painted.face;
    face.DrawCreditsMeter(-5);
    const DigitStrips &strips = form->face().digitStrips();
    EXPECT_TRUE(sameArea(canvas, QRect(604, 38, 16, 21), glyph(strips.green, 5, kSmallGlyph)));
    // The sign's cell holds a bar in the green ink, black above and below it.
    const PixelRect bar = minusBar(588, 38, kSmallGlyph);
    EXPECT_EQ(canvas.pixel(bar.left, bar.top), strips.greenInk.rgb());
    EXPECT_EQ(canvas.pixel(bar.right - 1, bar.bottom - 1), strips.greenInk.rgb());
    EXPECT_EQ(canvas.pixel(596, 40), qRgb(0, 0, 0));
    EXPECT_EQ(canvas.pixel(596, 56), qRgb(0, 0, 0));
    EXPECT_GT(strips.greenInk.green(), 150);
    EXPECT_GT(strips.redInk.red(), 150);
}

TEST_F(FacePaint, MachineButtonsFillTheirScaledRectanglesExactly)
{
    auto form = makeForm(1024, 768);
    ReferenceFace painted(*form);
    Canvas &canvas = painted.canvas;
    MachineFace &face = painted.face;
    const struct {
        char button;
        QRect area;
    } buttons[] = {
        {kSpinButton, QRect(QPoint(738, 375), QPoint(837, 449))},
        {kBet1Button, QRect(QPoint(738, 463), QPoint(837, 537))},
        {kBet3Button, QRect(QPoint(738, 552), QPoint(837, 627))},
    };
    for (const auto &b : buttons)
        for (bool lit : {true, false}) {
            fillSentinel(canvas);
            face.DrawMachineButton(b.button, lit);
            EXPECT_EQ(changedArea(canvas), b.area) << b.button << lit;
        }
}

TEST_F(FacePaint, LogoKeepsItsOwnSizeAtTheScaledCorner)
{
    auto form = makeForm(1280, 1024);
    ReferenceFace painted(*form);
    Canvas &canvas = painted.canvas;
    MachineFace &face = painted.face;
    fillSentinel(canvas);
    face.DrawLogo();
    const QRect changed = changedArea(canvas);
    EXPECT_TRUE(QRect(16, 16, 125, 70).contains(changed))
        << changed.x() << "," << changed.y() << " " << changed.width() << "x" << changed.height();
    EXPECT_GE(changed.width(), 120);
    EXPECT_GE(changed.height(), 66);
    // Outside the logo's ellipse the face shows through: the corners are untouched.
    EXPECT_EQ(canvas.pixel(17, 17), kSentinel);
    EXPECT_EQ(canvas.pixel(139, 84), kSentinel);
    EXPECT_NE(canvas.pixel(16 + 62, 16 + 35), kSentinel);
}

TEST_F(FacePaint, StartStopsShowTheirNineSymbols)
{
    for (int width : {800, 1024, 1280}) {
        auto form = makeForm(width, width * 3 / 4);
        const int rows[3][3] = {
            {Skull, GoldBars, Horse}, {BonusSymbol, BonusSymbol, Wild}, {CrossShield, Skull, Knight}};
        for (int row = 0; row < 3; ++row)
            for (int reel = 0; reel < 3; ++reel)
                EXPECT_TRUE(reelCellShows(*form, reel, row, rows[row][reel])) << width << " " << row << reel;
    }
}

TEST_F(FacePaint, PaylineGuidesCrossTheReelsMidRow)
{
    auto form = makeForm(800, 600);
    ReferenceFace painted(*form);
    Canvas &canvas = painted.canvas;
    MachineFace &face = painted.face;
    fillSentinel(canvas);
    face.DrawPaylineGuides();
    EXPECT_EQ(changedArea(canvas), QRect(QPoint(247, 272 + 38), QPoint(543, 272 + 2 * 76 + 38)));
    for (int row = 0; row < 3; ++row) {
        const int y = 272 + row * 76 + 38;
        EXPECT_EQ(canvas.pixel(247, y), qRgb(128, 128, 128));
        EXPECT_EQ(canvas.pixel(543, y), qRgb(128, 128, 128));
        EXPECT_EQ(canvas.pixel(544, y), kSentinel);
        EXPECT_EQ(canvas.pixel(400, y + 1), kSentinel);
    }
}

TEST_F(FacePaint, BlurFrameWrapsRoundTheStrip)
{
    auto form = makeForm(800, 600);
    ReferenceFace painted(*form);
    Canvas &canvas = painted.canvas;
    MachineFace &face = painted.face;
    const Layout &l = form->face().layout();
    const QImage &strip = form->face().sized().blurStrip;
    fillSentinel(canvas);
    const int offset = l.BlurStripHeight - 100; // the band runs 100 rows to the end, then from row 0
    face.DrawBlurFrame(1, offset);
    const int x = l.ReelsLeft + l.ReelPitch;
    EXPECT_EQ(changedArea(canvas).intersected(QRect(0, 0, 800, 600)),
              QRect(QPoint(247, l.ReelsTop), QPoint(543, l.ReelsTop + 3 * l.SymbolSize - 1)));
    EXPECT_TRUE(
        sameArea(canvas, QRect(x, l.ReelsTop, l.SymbolSize, 20), strip.copy(0, offset, l.SymbolSize, 20)));
    // Clear of the middle row's guide line.
    EXPECT_TRUE(
        sameArea(canvas, QRect(x, l.ReelsTop + 120, l.SymbolSize, 20), strip.copy(0, 20, l.SymbolSize, 20)));
}

TEST_F(FacePaint, CaptionsSitOnTheirEdgesInTheLabelFont)
{
    auto form = makeForm(1024, 768);
    ReferenceFace painted(*form);
    Canvas &canvas = painted.canvas;
    MachineFace &face = painted.face;
    canvas.fill(0, 0, 1024, 768, Qt::black);
    face.DrawCaptions();
    // "Credits" ends by x 793, "Winnings" by 563, "Coins" starts at 320; tops at y 30.
    auto litColumns = [&](int from, int to) {
        int first = -1, last = -1, top = 1000;
        for (int x = from; x < to; ++x)
            for (int y = 20; y < 60; ++y)
                if (canvas.pixel(x, y) != qRgb(0, 0, 0)) {
                    if (first < 0)
                        first = x;
                    last = x;
                    top = std::min(top, y);
                }
        return std::array<int, 3>{first, last, top};
    };
    const auto credits = litColumns(700, 820);
    EXPECT_LE(credits[1], 793);
    EXPECT_GE(credits[1], 788);
    EXPECT_GE(credits[2], 30);
    const auto winnings = litColumns(450, 600);
    EXPECT_LE(winnings[1], 563); // a bold glyph's ink may reach one pixel past its advance
    EXPECT_GE(winnings[1], 556);
    const auto coins = litColumns(300, 400);
    EXPECT_GE(coins[0], 320);
    EXPECT_LE(coins[0], 323);
}

TEST_F(FacePaint, CaptionsRedrawnManyTimesStayAsPainted)
{
    // Bets and count-ups redraw the captions over themselves; smoothed text must not thicken.
    auto form = makeForm(800, 600);
    ReferenceFace redrawn(*form);
    const QRect band(240, 20, 400, 18);
    const QImage painted = form->canvas().grab(band);
    for (int i = 0; i < 5; ++i) {
        redrawn.face.DrawCaptions();
        redrawn.face.ClearWinningsArea();
    }
    EXPECT_EQ(redrawn.canvas.grab(band), painted);
}

TEST_F(FacePaint, FontsFollowWidthAndResolution)
{
    const struct {
        int width, ppi;
        QFont FaceFonts::*font;
        int points;
        bool bold;
    } cases[] = {
        {800, 96, &FaceFonts::label, 8, false},       {1024, 96, &FaceFonts::label, 10, true},
        {1024, 120, &FaceFonts::label, 10, false},    {901, 96, &FaceFonts::nudgeValue, 24, true},
        {900, 96, &FaceFonts::nudgeValue, 18, true},  {800, 96, &FaceFonts::nudgeCaption, 10, true},
        {640, 96, &FaceFonts::nudgeCaption, 8, true}, {640, 96, &FaceFonts::nudgeValue, 14, true},
    };
    for (const auto &c : cases) {
        const QFont font = faceFonts(c.width, c.ppi).*c.font;
        EXPECT_EQ(font.pixelSize(), pointsToPixels(c.points, c.ppi))
            << c.width << " " << c.ppi << " " << c.points;
        EXPECT_EQ(font.bold(), c.bold) << c.width << " " << c.ppi << " " << c.points;
    }
    EXPECT_EQ(pointsToPixels(10, 96), 13);
    EXPECT_EQ(pointsToPixels(8, 96), 11);
}

TEST_F(FacePaint, NudgeCounterBoxAndButtons)
{
    auto form = makeForm(800, 600);
    ReferenceFace painted(*form);
    Canvas &canvas = painted.canvas;
    MachineFace &face = painted.face;
    fillSentinel(canvas);
    face.DrawNudgeCounter(6);
    // The black box, with the count's glyphs free to hang a little below it.
    const QRect changed = changedArea(canvas);
    EXPECT_EQ(changed.topLeft(), QPoint(580, 230));
    EXPECT_EQ(changed.right(), 653);
    EXPECT_LE(changed.bottom(), 280);
    EXPECT_EQ(canvas.pixel(580, 275), qRgb(0, 0, 0));
    EXPECT_EQ(canvas.pixel(653, 275), qRgb(0, 0, 0));
    // Yellow caption above the red count, both centred on x 617.
    long yellowX = 0, yellowN = 0, redX = 0, redN = 0, yellowBottom = 0, redTop = 1000;
    for (int y = 230; y < 280; ++y)
        for (int x = 580; x < 654; ++x) {
            const QRgb c = canvas.pixel(x, y);
            if (qRed(c) > 200 && qGreen(c) > 200 && qBlue(c) < 80) {
                yellowX += x, ++yellowN;
                yellowBottom = std::max<long>(yellowBottom, y);
            }
            if (qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) < 60) {
                redX += x, ++redN;
                redTop = std::min<long>(redTop, y);
            }
        }
    ASSERT_GT(yellowN, 20);
    ASSERT_GT(redN, 20);
    EXPECT_NEAR(double(yellowX) / yellowN, 617, 3);
    EXPECT_NEAR(double(redX) / redN, 617, 3);
    EXPECT_GE(redTop, 250);
    EXPECT_LT(yellowBottom, redTop + 3);

    fillSentinel(canvas);
    face.DrawNudgeButtons(true);
    EXPECT_EQ(changedArea(canvas), QRect(QPoint(252, 243), QPoint(539, 262)));
    EXPECT_EQ(canvas.pixel(340, 250), kSentinel) << "gap between the first two buttons";
}

TEST_F(FacePaint, BonusMeterIsCentredClampsToTwelveAndStretchesOnNarrowScreens)
{
    auto form = makeForm(1024, 768);
    ReferenceFace painted(*form);
    Canvas &canvas = painted.canvas;
    MachineFace &face = painted.face;
    fillSentinel(canvas);
    std::int32_t points = 40;
    face.DrawBonusMeter(points);
    EXPECT_EQ(points, 12);
    // Box (739, 285)-(839, 360): a 78 x 59 cell centred in it, unstretched.
    EXPECT_EQ(changedArea(canvas), QRect(739 + 11, 285 + 8, 78, 59));

    // Below the picture the cell shows black; negative points are left as they are.
    points = -3;
    face.DrawBonusMeter(points);
    EXPECT_EQ(points, -3);
    EXPECT_TRUE(allBlack(canvas, QRect(750, 293, 78, 59)));

    auto narrow = makeForm(640, 480);
    ReferenceFace narrowPainted(*narrow);
    fillSentinel(narrowPainted.canvas);
    points = narrow->game().BonusPts;
    narrowPainted.face.DrawBonusMeter(points);
    EXPECT_EQ(changedArea(narrowPainted.canvas), QRect(QPoint(462, 178), QPoint(523, 224)));
}

TEST_F(FacePaint, RepaintDrawsButtonsLitAndBlanksTheWinnings)
{
    auto form = makeForm(800, 600);
    ReferenceFace redrawn(*form);
    Canvas &canvas = redrawn.canvas;
    const QRect spin(577, 293, 78, 59);
    const QImage painted = canvas.grab(spin);
    redrawn.face.DrawMachineButton(kSpinButton, false);
    redrawn.face.DrawWinningsMeter(250);
    GameState game = form->game();
    redrawn.face.FormPaint(game);
    EXPECT_EQ(canvas.grab(spin), painted);
    // Below the caption's descenders the meter's cells are blank.
    EXPECT_TRUE(allBlack(canvas, QRect(392, 42, 48, 17)));
}

TEST_F(FacePaint, DenseScreenPaintsSharpGlyphsAtTwiceThePixels)
{
    auto form = makeForm(800, 600, 2.0);
    const Canvas &canvas = form->canvas();
    EXPECT_EQ(canvas.image().size(), QSize(1600, 1200));
    // The small cells come pixel for pixel from the large strip, which draws them at twice the size.
    const QImage large = form->face().pictures().GreenLarge.convertToFormat(QImage::Format_RGB32);
    const QImage cell = canvas.image().copy(556 * 2, 38 * 2, 32, 42).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(cell, large.copy(32, 0, 32, 42)) << "the leading 1 of 1000";
}

// A repaint after play copies back only the face's areas that play draws over, trusting the rest
// of the surface: it must give the very pixels of a repaint on a fresh window, at every layout.
TEST_F(FacePaint, RepaintAfterPlayDrawsAsARepaintOfAFreshWindow)
{
    struct Screen {
        int width, height;
        double ratio;
    };
    for (const Screen screen :
         {Screen{800, 600, 1.0}, Screen{1024, 768, 1.0}, Screen{1920, 1080, 1.0}, Screen{1024, 768, 2.0}}) {
        auto form = makeForm(screen.width, screen.height, screen.ratio);
        GameState game = form->game();
        ReferenceFace played(*form);
        MachineFace &face = played.face;
        face.FormPaint(game);
        const std::array<int, kReelCount> stops = game.ReelStops;
        std::array<bool, kLineCount> lines{};
        lines.fill(true);
        face.setLitLines(lines, stops);
        face.DrawTitlePanel(false);
        face.DrawNamePlate(false);
        face.DrawCrystalBall(true);
        face.DrawMachineButton(kSpinButton, false);
        face.DrawNudgeButtons(true);
        face.DrawBlurFrame(1, 17);
        face.DrawSymbolCell(Wild + 1, 2, 1);
        face.DrawCreditsMeter(-1234567890);
        face.DrawWinningsMeter(987654321);
        face.DrawWinningsCaption();
        face.DrawNudgeCounter(99);
        lines.fill(false);
        face.setLitLines(lines, stops);
        EXPECT_FALSE(played.canvas.drawnOutside()) << screen.width << " at " << screen.ratio;
        face.FormPaint(game);

        ReferenceFace fresh(*form);
        fresh.face.FormPaint(game);
        EXPECT_TRUE(played.canvas.image() == fresh.canvas.image()) << screen.width << " at " << screen.ratio;
    }
}

// The lamps' timers draw all three buttons on every tick: only a button changing its state may
// reach the screen, and a repaint draws them all again.
TEST_F(FacePaint, ButtonDrawnInTheStateItShowsChangesNothing)
{
    auto form = makeForm(1024, 768);
    ReferenceFace redrawn(*form);
    GameState game = form->game();
    redrawn.face.FormPaint(game);
    int changes = 0;
    redrawn.canvas.changed = [&](const QRect &) { ++changes; };
    redrawn.face.DrawMachineButton(kSpinButton, true);
    EXPECT_EQ(changes, 0);
    redrawn.face.DrawMachineButton(kSpinButton, false);
    redrawn.face.DrawMachineButton(kBet1Button, false);
    EXPECT_EQ(changes, 2);
    redrawn.face.FormPaint(game);
    changes = 0;
    redrawn.face.DrawMachineButton(kSpinButton, false);
    EXPECT_EQ(changes, 1) << "drawn lit by the repaint";
}
