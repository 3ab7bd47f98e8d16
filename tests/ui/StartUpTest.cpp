#include "FormFixture.h"
#include "TestDoubles.h"

#include "platform/Canvas.h"
#include "presentation/MachineFace.h"
#include "ui/FormServices.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QStandardPaths>

using namespace varnholt;
using namespace varnholt::test;

namespace {
class StartUp : public PlayTest {};
} // namespace

TEST_F(StartUp, InputStaysLockedUntilTheFirstTimer1Tick)
{
    auto wavesOwned = std::make_unique<RecordingWaves>();
    const RecordingWaves &played = *wavesOwned;
    FormServices services = testServices(800, 600);
    services.wavePlayer = std::move(wavesOwned);
    auto form = makeClockedForm(std::move(services));
    EXPECT_FALSE(form->NewGame1->isEnabled()) << "locked while starting up";
    passTime(*form, kStartUpLock - 1);
    betOne(*form);
    EXPECT_FALSE(form->NewGame1->isEnabled()) << "locked while starting up";
    EXPECT_EQ(form->game().CoinsBet, 0) << "no coin goes in during start-up";
    passTime(*form, 1);
    EXPECT_TRUE(form->NewGame1->isEnabled()) << "unlocked";
    EXPECT_EQ(played.count("Vrn7.wav"), 1) << "the start sound";
    passTime(*form, 1000);
    EXPECT_EQ(played.count("Vrn7.wav"), 1) << "Timer1 ticks only once";
}

TEST_F(StartUp, CaptionAndFileMenu)
{
    auto form = makeForm(800, 600);
    EXPECT_EQ(form->windowTitle(), "Varnholt Slots");
    EXPECT_EQ(form->AssetPrefix, "Vrn");
    const auto menus = form->menuBar()->actions();
    QStringList bar;
    for (const QAction *menu : menus)
        bar << menu->text();
    EXPECT_EQ(bar, (QStringList{"&File", "&Options", "&Borrow", "&Stats", "His&tory", "&Payoffs", "Inkf&airn",
                                "&Help"}));
    QStringList items;
    for (QAction *action : form->File1->actions())
        items << (action->isSeparator() ? "-" : action->text());
    EXPECT_EQ(items, (QStringList{"&New Game", "-", "&Open Game", "&Save Game", "-", "E&xit"}));
    // The shortcuts belong to the items themselves, so they act and grey out with them.
    EXPECT_EQ(form->NewGame1->shortcut(), QKeySequence("Ctrl+N"));
    EXPECT_EQ(form->OpenGame1->shortcut(), QKeySequence("Ctrl+O"));
    EXPECT_EQ(form->SaveGame1->shortcut(), QKeySequence("Ctrl+S"));
    EXPECT_EQ(form->Exit1->shortcut(), QKeySequence("Ctrl+Q"));
}

TEST_F(StartUp, SettingsFileRenamesTheWindow)
{
    QFile settings(programDir.path() + "/testing.INI");
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write("[Settings]\r\nAboutName=Gloamwick Castle Slots Deluxe Edition 2026\r\nSoundRoot=Abc\r\n");
    settings.close();
    auto form = makeForm(800, 600);
    EXPECT_EQ(form->windowTitle(), "Gloamwick Castle Slots Deluxe ");
    EXPECT_EQ(form->AssetPrefix, "Abc");
}

TEST_F(StartUp, ScreensWithinFourByThreeUseTheirWholeWidth)
{
    for (QSize screen : {QSize(800, 600), QSize(1024, 768), QSize(1280, 1024), QSize(1600, 1200)}) {
        auto form = makeForm(screen.width(), screen.height());
        EXPECT_EQ(form->ScreenWidth, screen.width());
        EXPECT_EQ(form->ScreenHeight, screen.height());
        EXPECT_EQ(form->requestedSize(), screen - QSize(10, 10));
        EXPECT_EQ(form->canvas().size(), QSize(screen.width(), screen.width() * 3 / 4));
    }
}

TEST_F(StartUp, WideScreensLayTheFaceOutAtFourByThreeAndCentreIt)
{
    // 1366 x 768 lays out at 1024: the Spin button stays on the screen.
    auto narrow = makeForm(1366, 768);
    EXPECT_EQ(narrow->ScreenWidth, 1024);
    EXPECT_EQ(narrow->requestedSize(), QSize(1014, 758));
    EXPECT_EQ(narrow->pos(), QPoint((1366 - 1014) / 2, (768 - 758) / 2));
    EXPECT_EQ(narrow->Scale(352), 450);
    EXPECT_LT(narrow->Scale(491), 768 - 10) << "Bet 3 is within the window";

    auto wide = makeForm(1920, 1080);
    EXPECT_EQ(wide->ScreenWidth, 1440);
    EXPECT_EQ(wide->requestedSize(), QSize(1430, 1070));
    EXPECT_EQ(wide->pos(), QPoint(245, 5));
    EXPECT_EQ(wide->canvas().size(), QSize(1440, 1080));
    EXPECT_EQ(wide->face().layout().SymbolSize, 136);
    EXPECT_EQ(wide->face().layout().ReelsLeft, 453);
    EXPECT_EQ(wide->face().layout().ReelsTop, 489);
    EXPECT_EQ(wide->face().layout().ReelPitch, 190);
}

TEST_F(StartUp, SizedSymbolSheetIsUsedWhenItLiesBesideTheProgram)
{
    {
        auto stretched = makeForm(1024, 768);
        EXPECT_FALSE(stretched->face().sized().sizedSheetFile);
        EXPECT_EQ(stretched->face().layout().SymbolSize, 97);
    }
    shipBeside("Vrn98.jpg");
    auto sized = makeForm(1024, 768);
    EXPECT_TRUE(sized->face().sized().sizedSheetFile);
    EXPECT_EQ(sized->face().layout().SymbolSize, 98);
    EXPECT_EQ(sized->face().sized().symbolSheet.size(), QSize(4 * 98, 3 * 98));
    EXPECT_EQ(sized->face().layout().BlurStripHeight, 583);
}

TEST_F(StartUp, ReplacementPicturesBesideTheProgramAreTaken)
{
    QImage plate(78, 118, QImage::Format_RGB32);
    plate.fill(QColor(0, 0, 255));
    ASSERT_TRUE(plate.save(programDir.path() + "/SPINBUT.JPG", "JPG", 100));
    auto form = makeForm(800, 600);
    const QRgb centre = form->canvas().pixel(616, 322);
    EXPECT_LT(qRed(centre), 30);
    EXPECT_GT(qBlue(centre), 220);
}

// Sound and Music are both on at every start, whatever the last run left them at.
TEST_F(StartUp, SoundAndMusicAreOnAgainAfterARestart)
{
    {
        auto form = makeForm(800, 600);
        form->Sound1->trigger();
        form->Music1->trigger();
        ASSERT_FALSE(form->game().SoundOn || form->game().MusicOn) << "both switched off";
        ASSERT_FALSE(form->Sound1->isChecked() || form->Music1->isChecked());
        form->close(); // keeps the game in progress
    }
    auto restarted = makeForm(800, 600);
    EXPECT_TRUE(restarted->game().SoundOn);
    EXPECT_TRUE(restarted->game().MusicOn);
    EXPECT_TRUE(restarted->Sound1->isChecked());
    EXPECT_TRUE(restarted->Music1->isChecked());
    // Nothing of the choice is kept in the desktop's configuration folder either.
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    EXPECT_FALSE(QDir(config + "/varnholt-slots").exists());
}
