#include "ui/Unit1.h"

#include "core/Counters.h"
#include "core/NewGame.h"
#include "geometry/Layout.h"
#include "platform/HelpViewer.h"
#include "platform/PlainText.h"
#include "presentation/Lamps.h"
#include "presentation/MachineFace.h"
#include "presentation/MusicCycle.h"
#include "presentation/SoundEffects.h"
#include "presentation/SoundMenu.h"
#include "records/RecordPaths.h"
#include "records/SavedGames.h"
#include "records/Settings.h"
#include "ui/CoreTexts.h"
#include "ui/FaceWidget.h"
#include "ui/FormServices.h"
#include "ui/HistoryFeed.h"
#include "ui/MakerPages.h"
#include "ui/ManualFile.h"
#include "ui/MenuBarKeys.h"
#include "ui/SpokenFeed.h"
#include "ui/SpokenNotice.h"
#include "ui/Version.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeySequence>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMetaObject>
#include <QTimer>

#include <cstdio>

namespace varnholt {

struct TForm1::LampPhases {
    ButtonAttract attractLamps;
    WinFlash winFlash;
    CrystalBlink crystalBlink;
    WildSwing wildSwing;
};

namespace {
constexpr int kWindowInset = 10; // the window is this much smaller than the screen each way
} // namespace

TForm1::TForm1(FormServices services, QWidget *parent)
    : QMainWindow(parent), lamps_(std::make_unique<LampPhases>()),
      services_(std::make_unique<FormServices>(std::move(services))),
      help_(std::make_unique<HelpViewerHolder>()), savedGames_(std::make_unique<SavedGameFile>())
{
    clock_ = services_->clock ? std::move(services_->clock) : std::make_unique<SystemClock>();
    messages_ = services_->messages ? std::move(services_->messages) : makeDesktopMessageSink();
    webOpener_ = services_->webOpener ? std::move(services_->webOpener) : makeDesktopWebOpener();
    inputBox_ = services_->inputBox ? std::move(services_->inputBox) : makeDesktopInputBox();
    if (!services_->screen)
        services_->screen = primaryScreenInfo;
    sounds_ = std::make_unique<SoundEffects>(Game, services_->wavePlayer ? std::move(services_->wavePlayer)
                                                                         : makeSilentWavePlayer());
    music_ = std::make_unique<MusicCycle>(Game, services_->midiPlayer ? std::move(services_->midiPlayer)
                                                                      : makeSilentMidiPlayer());
    music_->onError = [this](const std::string &error) { showMessage(QString::fromStdString(error)); };
    music_->onStartRequest = [this] { Timer4.setEnabled(true); };

    Timer1.OnTimer = [this] { Timer1Timer(); };
    Timer2.OnTimer = [this] { Timer2Timer(); };
    Timer3.OnTimer = [this] { Timer3Timer(); };
    Timer4.OnTimer = [this] { Timer4Timer(); };
    Timer5.setInterval(CrystalBlink::kFirstInterval);
    Timer5.OnTimer = [this] { Timer5Timer(); };
    Timer6.OnTimer = [this] { Timer6Timer(); };
    Timer7.OnTimer = [this] { Timer7Timer(); };
    for (GameTimer *timer : timers())
        timer->followClock(*clock_);

    FormCreate();
}

const MachineFace &TForm1::face() const { return *face_; }
const Canvas &TForm1::canvas() const { return faceWidget_->canvas(); }
FaceWidget &TForm1::faceWidget() { return *faceWidget_; }
SpokenNotice &TForm1::spokenNotice() { return spoken_->notice(); }
int TForm1::Scale(double v) const { return face_->Scale(v); }

TForm1::~TForm1()
{
    // The face goes before the widget showing it.
    if (faceWidget_)
        faceWidget_->setFace(nullptr);
}

void TForm1::FormCreate()
{
    // The random source.
    if (services_->seed)
        Random.setSeed(*services_->seed);
    else
        Random.seedFromClock();

    // Where the program lives.
    ExeDir = exeDirFromPath(services_->programPath);
    ExeStem = exeStemFromPath(services_->programPath);

    // Input stays locked (the phase is StartingUp) until the first tick of Timer1.
    lamps_->attractLamps.LastAttractButton = 0;

    // Names, and the settings file beside the program when there is one.
    Settings settings;
    settings = ReadSettings(ExeDir, settings);
    WindowTitle = settings.WindowTitle;
    AssetPrefix = settings.AssetPrefix;
    VersionText = programVersion();

    // Caption, menu and help file.
    setWindowTitle(plainWindowTitle(QString::fromStdString(WindowTitle)));
    buildMenu();
    HelpFile = manualFile(ExeDir, ExeStem, QLocale().uiLanguages());
    openGamesPage = [this] { OpenWebPage(kGamesPageNumber); };

    // The screen. A face wider than the screen's 4:3 part would push the buttons below its
    // bottom edge, so the face is laid out for the widest 4:3 area the screen holds.
    const ScreenInfo screen = services_->screen();
    const QSize faceArea = faceAreaOnScreen(screen);
    ScreenWidth = layoutWidthForScreen(faceArea.width(), faceArea.height());
    ScreenHeight = faceArea.height();

    // Pictures, with the replacement files beside the program.
    FacePictures pictures = loadFacePictures(ExeDir, AssetPrefix);

    // Lamp phases.
    Game.WildRow = 1;
    lamps_->wildSwing = WildSwing{};
    lamps_->crystalBlink = CrystalBlink{};

    // Symbol sheet and reel metrics; the canvas the face is painted on.
    SizedPictures sized =
        LoadSymbolPictures(pictures, ExeDir, AssetPrefix, ScreenWidth, screen.devicePixelRatio);
    faceWidget_ = new FaceWidget(this);
    setCentralWidget(faceWidget_);
    faceWidget_->onMouseDown = [this](int x, int y) { FormMouseDown(x, y); };
    faceWidget_->onKeyDown = [this](int key) { FormKeyDown(key); };
    faceWidget_->setFocus();
    spoken_ = std::make_unique<SpokenFeed>(*faceWidget_, *new SpokenNotice(this));
    giveKeysBackAfterMenus(*menuBar(), *faceWidget_);
    const QSize faceSize(sized.layout.Scale(800), sized.layout.Scale(600));
    Canvas &canvas = faceWidget_->resetCanvas(faceSize, screen.devicePixelRatio);
    face_ =
        std::make_unique<MachineFace>(canvas, std::move(pictures), std::move(sized), screen.pixelsPerInch);
    faceWidget_->setFace(face_.get());

    // Reels at their start-up stops.
    InitReels(Game);

    // The two clicks held in memory. Without them the game still runs; they stay silent.
    sounds_->setFileNames(ExeDir, AssetPrefix);
    sounds_->LoadClickSounds();

    // Window size.
    requestedSize_ = QSize(ScreenWidth - kWindowInset, ScreenHeight - kWindowInset);
    // A Wayland window cannot move itself clear of panels, and a compositor without decorations
    // never reports a frame to fit again: start within the free area.
    if (!windowsPlaceThemselves())
        requestedSize_ = requestedSize_.boundedTo(primaryScreenFreeArea().size());
    setFixedSize(requestedSize_);

    // Bets, switches and music names.
    Game.CoinsBet = 0;
    Game.LastBet = 0;
    // Both switches on at every start: the machine keeps no choice from one run to the next.
    Game.SoundOn = true;
    Game.MusicOn = true;
    Sound1->setChecked(true);
    Music1->setChecked(true);
    music_->setMusicFiles(ExeDir, AssetPrefix);

    // The game in progress.
    savedGames_->path = services_->savedGamePath.empty() ? savedGamePath(ExeStem) : services_->savedGamePath;
    if (services_->today)
        savedGames_->today = services_->today;
    SaveLoadGame(*savedGames_, Game, kCurrentGameSlot, false, "");
    openPlayHistory();

    // Centred; maximised on a low-resolution screen when the face spans the whole width
    // (a face narrowed to 4:3 stays centred instead of hugging the left edge). A Wayland
    // compositor would make a maximised window take the whole screen, which a fixed size refuses.
    centreOnScreen();
    if (screen.pixelsPerInch < 100 && ScreenWidth == screen.width && windowsPlaceThemselves())
        setWindowState(windowState() | Qt::WindowMaximized);

    FormPaint();
}

void TForm1::buildMenu()
{
    File1 = menuBar()->addMenu(tr("&File"));
    NewGame1 = File1->addAction(tr("&New Game"), [this] { NewGame1Click(); });
    NewGame1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    File1->addSeparator();
    OpenGame1 = File1->addAction(tr("&Open Game"), [this] { OpenGame1Click(); });
    OpenGame1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    SaveGame1 = File1->addAction(tr("&Save Game"), [this] { SaveGame1Click(); });
    SaveGame1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    File1->addSeparator();
    Exit1 = File1->addAction(tr("E&xit"), [this] { Exit1Click(); });
    Exit1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    // The desktop's convention: every top-level menu opens with Alt and a letter.
    Options1 = menuBar()->addMenu(tr("&Options"));
    const SoundMenuItems sound = addSoundMenuItems(*Options1, *sounds_, *music_);
    Sound1 = sound.Sound1;
    Music1 = sound.Music1;
    Borrow1 = menuBar()->addAction(tr("&Borrow"), [this] { Borrow1Click(); });
    Stats1 = menuBar()->addAction(tr("&Stats"), [this] { Stats1Click(); });
    History1 = menuBar()->addAction(tr("His&tory"), [this] { History1Click(); });
    History1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    Payoffs1 = menuBar()->addAction(tr("&Payoffs"), [this] { Payoffs1Click(); });
    Inkfairn1 = menuBar()->addAction(tr("Inkf&airn"), this, [this] { Inkfairn1Click(); });
    setUpHelp();
    refreshCommands();
}

void TForm1::enterPhase(PlayEvent event)
{
    phase_ = nextPhase(phase_, event);
    refreshCommands();
}

void TForm1::refreshCommands()
{
    const std::pair<QAction *, Command> commands[] = {
        {NewGame1, Command::NewGame},
        {OpenGame1, Command::OpenGame},
        {SaveGame1, Command::SaveGame},
        {Exit1, Command::Exit},
        {Sound1, Command::SoundOption},
        {Music1, Command::MusicOption},
        {Borrow1, Command::Borrow},
        {Stats1, Command::Stats},
        {History1, Command::History},
        {Payoffs1, Command::Payoffs},
        {Inkfairn1, Command::Advert},
        {Version1, Command::Help},
        {GloamwickSlotsManual1, Command::Help},
        {BrennovaHomepage1, Command::WebPage},
        {CompayInformation1, Command::Help},
    };
    for (const auto &[action, command] : commands)
        if (action)
            action->setEnabled(mayRun(command, phase_));
    if (spoken_) // not before start-up has made the face
        spoken_->refreshNudgeOffer(phase_, Game);
}

void TForm1::centreOnScreen()
{
    const ScreenInfo screen = services_->screen();
    const QSize outer = frameGeometry().size().expandedTo(size());
    move((screen.width - outer.width()) / 2, (screen.height - outer.height()) / 2);
}

void TForm1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    fitFrameToScreen();
    // The whole frame can come after the window manager has placed the window, with nothing moved
    // and so no Move event to fit it by: look again a little later.
    for (const int ms : {250, 1000, 3000})
        QTimer::singleShot(ms, this, [this] { fitFrameToScreen(); });
}

void TForm1::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    fitFrameToScreen();
}

void TForm1::fitFrameToScreen()
{
    // A window manager frames the window only after it is shown, and may first report a frame
    // without its borders, then the whole one: fit again whenever the frame changes. With no
    // window manager there is never a frame and the window stays as start-up placed it.
    if (!isVisible())
        return;
    const QRect outer = frameGeometry(), inner = geometry();
    const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                         outer.right() - inner.right(), outer.bottom() - inner.bottom());
    if (frame.isNull() || frame == fittedFrame_)
        return;
    fittedFrame_ = frame;
    // The requested size is the outer size: the frame takes its share from the client area,
    // whose face is cut at the bottom, and panels keep theirs.
    const QRect area = outerWindowArea(requestedSize_, primaryScreenFreeArea());
    setFixedSize(area.size().shrunkBy(frame));
    move(area.topLeft());
}

void TForm1::showMessage(const QString &text) { showMessage(text, MessageIcon::Information); }

void TForm1::showMessage(const QString &text, MessageIcon icon)
{
    messages_->show(this, QString::fromStdString(WindowTitle), text, icon);
}

void TForm1::Delay(double seconds) { varnholt::Delay(*clock_, seconds); }

// Drawing -----------------------------------------------------------------------------------

void TForm1::FormPaint()
{
    face_->FormPaint(Game);
    spoken_->refreshNudgeOffer(phase_, Game);
}
void TForm1::DrawReel(int reel) { face_->DrawReel(reel, Game.ReelStops[reel]); }
void TForm1::DrawBlurFrame(int reel, int offset) { face_->DrawBlurFrame(reel, offset); }
void TForm1::DrawPaylineGuides() { face_->DrawPaylineGuides(); }
void TForm1::DrawMachineButton(char button, bool lit) { face_->DrawMachineButton(button, lit); }
void TForm1::DrawTitlePanel(bool lit) { face_->DrawTitlePanel(lit); }
void TForm1::DrawNamePlate(bool lit) { face_->DrawNamePlate(lit); }
void TForm1::DrawCreditsMeter() { face_->DrawCreditsMeter(Game.Credits); }
void TForm1::DrawCoinsMeter() { face_->DrawCoinsMeter(Game.CoinsBet); }
void TForm1::DrawWinningsMeter(std::int32_t amount) { face_->DrawWinningsMeter(amount); }
void TForm1::DrawNudgeButtons(bool lit) { face_->DrawNudgeButtons(lit); }
void TForm1::DrawNudgeCounter() { face_->DrawNudgeCounter(Game.Nudges); }

// Timers ------------------------------------------------------------------------------------

void TForm1::Timer1Timer()
{
    Timer1.setEnabled(false);
    if (Game.MusicOn)
        music_->requestFirstTrack();
    sounds_->playStartSound();
    enterPhase(PlayEvent::StartUpDone);
}

void TForm1::Timer2Timer()
{
    const ButtonLamps lamps = Game.CoinsBet > 0 || Timer3.Enabled() ? lamps_->attractLamps.spinFlash()
                                                                    : lamps_->attractLamps.attract(Random);
    face_->DrawMachineButton(kBet1Button, lamps.bet1);
    face_->DrawMachineButton(kSpinButton, lamps.spin);
    face_->DrawMachineButton(kBet3Button, lamps.bet3);
}

void TForm1::Timer3Timer()
{
    const WinFlash::Step step = lamps_->winFlash.advance();
    face_->DrawNamePlate(step.namePlateLit);
    face_->DrawTitlePanel(step.titlePanelLit);
}

void TForm1::Timer4Timer()
{
    Timer4.setEnabled(false);
    music_->StartPendingMusic();
}

void TForm1::Timer5Timer()
{
    const CrystalBlink::Step step = lamps_->crystalBlink.advance();
    Timer5.setInterval(step.nextInterval);
    face_->DrawCrystalBall(step.showLit);
}

void TForm1::Timer6Timer() { face_->DrawSymbolCell(lamps_->wildSwing.advance(), 2, Game.WildRow); }

void TForm1::Timer7Timer()
{
    NudgeLampPhase = !NudgeLampPhase;
    face_->DrawNudgeButtons(NudgeLampPhase);
}

std::array<GameTimer *, 7> TForm1::timers()
{
    return {&Timer1, &Timer2, &Timer3, &Timer4, &Timer5, &Timer6, &Timer7};
}

void TForm1::runDueTimers()
{
    for (;;) {
        GameTimer *next = nullptr;
        for (GameTimer *timer : timers())
            if (timer->Enabled() && timer->Interval() > 0 && timer->dueAt() <= clock_->GetTickCount() &&
                (!next || timer->dueAt() < next->dueAt()))
                next = timer;
        if (!next)
            return;
        next->runDueTick();
    }
}

// Menu and closing --------------------------------------------------------------------------

void TForm1::NewGame1Click()
{
    if (!mayRun(Command::NewGame, phase_))
        return;
    NewGame(Game);
    history_->gameBegun(Game, false);
    FormPaint();
}

void TForm1::Exit1Click()
{
    if (mayRun(Command::Exit, phase_))
        close();
}

bool TForm1::saveGameInProgress(SaveReport report)
{
    // An open slot dialog holds a saved slot in the game state; closing it brings the game back.
    closeSlotDialog();
    GameState kept = gameToSave(Game, stateBeforePlay_, isPlaying(phase_));
    const RecordResult result = SaveLoadGame(*savedGames_, kept, kCurrentGameSlot, true, kCurrentGameSection);
    if (result.ok())
        return true;
    std::fprintf(stderr, "varnholt-slots: the game in progress was not kept: %s\n", result.error.c_str());
    if (report == SaveReport::MessageToo)
        showMessage(recordErrorText(result), MessageIcon::Error);
    return false;
}

void TForm1::closeBySignal()
{
    closingBySignal_ = true;
    close();
}

void TForm1::FormClose()
{
    enterPhase(PlayEvent::CloseAsked);
    saveGameInProgress(closingBySignal_ ? SaveReport::StandardErrorOnly : SaveReport::MessageToo);
}

void TForm1::closeEvent(QCloseEvent *event)
{
    // A spin or nudge under way finishes first, at once and without its waits, so the bet it
    // took is judged before the game is kept.
    switch (closeStep(phase_)) {
    case CloseStep::FinishPlayFirst:
        enterPhase(PlayEvent::CloseAsked);
        event->ignore();
        if (bonusWindow_)
            QMetaObject::invokeMethod(
                this, [this] { hurryBonusWindow(); }, Qt::QueuedConnection);
        return;
    case CloseStep::CloseNow:
        FormClose();
        break;
    case CloseStep::AlreadyClosed: // a second close (a signal after the close box): kept already
        break;
    }
    QMainWindow::closeEvent(event);
}

} // namespace varnholt
