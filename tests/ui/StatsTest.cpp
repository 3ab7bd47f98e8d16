#include "ui/Stats.h"

#include "FormFixture.h"

#include "core/Borrowing.h"
#include "core/NewGame.h"

#include <QLabel>
#include <QLocale>

using namespace varnholt;
using namespace varnholt::test;

namespace {

class StatsScreen : public SideWindowTest {};

// The rightmost column in which the widget shows anything darker than its background, within
// the rows of `band`.
int rightmostInk(QWidget &window, const QRect &band)
{
    const QImage shot = window.grab().toImage();
    const QRgb background = shot.pixel(band.left(), band.top());
    int right = -1;
    for (int y = band.top(); y <= band.bottom(); ++y)
        for (int x = band.left(); x <= band.right(); ++x)
            if (qGray(shot.pixel(x, y)) + 60 < qGray(background))
                right = std::max(right, x);
    return right;
}

} // namespace

TEST_F(StatsScreen, FiguresOfAGameWithBetsBonusAndBorrowing)
{
    GameState game;
    NewGame(game);
    game.Spins = 12;
    game.TotalBets = 200;
    game.Credits = 950;
    game.BonusWon = 20;
    ASSERT_TRUE(borrow(game, 500).done);
    saveCurrentGame(game);
    auto form = makeForm(800, 600);
    whileOpen<TStatsForm>(*form, &TForm1::Stats1Click, [](TStatsForm &stats) {
        EXPECT_EQ(stats.size(), QSize(632, 207));
        EXPECT_EQ(stats.windowTitle(), "Your Game Statistics");
        EXPECT_EQ(stats.Label11->text().trimmed(), "12");
        EXPECT_EQ(stats.Label13->text().size(), 10); // "%10.0n": blanks before the figure
        EXPECT_EQ(stats.Label14->text().trimmed(), "150");
        EXPECT_EQ(stats.Label22->text().trimmed(), "130");
        EXPECT_EQ(stats.Label16->text().trimmed(), "20");
        EXPECT_EQ(stats.Label25->text(), "75.00%");
        EXPECT_EQ(stats.Label25->palette().color(QPalette::WindowText), QColor(Qt::red));
        EXPECT_TRUE(stats.Label25->font().bold());
        EXPECT_FALSE(stats.Label22->font().bold());
    });
}

TEST_F(StatsScreen, ThousandsSeparatorComesFromTheUsersLocale)
{
    SavedFields game;
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    TStatsForm german(game);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    TStatsForm english(game);
    QLocale::setDefault(before);
    EXPECT_EQ(german.Label12->text(), "     1.000");
    EXPECT_EQ(english.Label12->text(), "     1,000");
    EXPECT_EQ(german.Label25->text(), "0.00%"); // the percentage is never grouped
}

TEST_F(StatsScreen, FiguresEndAtTheirRightEdges)
{
    testApp();
    SavedFields game;
    game.Credits = 123456;
    game.TotalBets = 100;
    TStatsForm stats(game, ",");
    // Credits right at 281, the percentage at 617 (the last inked column is just inside).
    const int credits = rightmostInk(stats, QRect(150, 70, 200, 16));
    EXPECT_LE(credits, 280);
    EXPECT_GE(credits, 276);
    const int percentage = rightmostInk(stats, QRect(520, 126, 110, 16));
    EXPECT_LE(percentage, 616);
    EXPECT_GE(percentage, 610);
}
