// Takes the README's and the software centre's screenshots from the current build: the game's
// own window, started as the program starts it, on the display it is given (a virtual one, from
// take.sh). The scenes are played with fixed seeds so every run shows the same machine.
//   varnholt-screenshots PROGRAM OUT_DIR SCENE...   (face, spin, bonus, save, open, borrow, stats,
//   payoffs, advert, help)
#include "core/Reels.h"
#include "platform/DefaultPrinter.h"
#include "platform/Sound.h"
#include "play/Spin.h"
#include "presentation/MachineFace.h"
#include "ui/FormServices.h"
#include "ui/Translations.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <map>

using namespace varnholt;

namespace {

class NamedPrinter : public DefaultPrinter {
public:
    std::optional<PrintQueue> queue() override { return PrintQueue{"Epson_Stylus_Photo_750", ""}; }
};

// The window with the views the scenes wait on and the seed they play from.
class ShotForm : public TForm1 {
public:
    using TForm1::game;
    using TForm1::playing;
    using TForm1::reseedRandom;
    using TForm1::TForm1;
};

// Processes events until `done` holds, at most `ms` milliseconds.
void settle(
    int ms, const std::function<bool()> &done = [] { return false; })
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms && !done())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

bool save(const QPixmap &picture, const QString &path)
{
    const bool ok = picture.save(path, nullptr, path.endsWith(".jpg") ? 90 : -1);
    std::fprintf(ok ? stdout : stderr, "%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
    return ok;
}

QPixmap wholeScreen() { return QGuiApplication::primaryScreen()->grabWindow(0); }

// Runs `open`, which shows a modal window and returns when it closes; in between, grabs the
// window (or the whole screen) and closes it.
bool grabModal(const std::function<void()> &open, const QString &path, bool screen)
{
    bool ok = false;
    QTimer::singleShot(1500, [&] {
        QWidget *window = QApplication::activeModalWidget();
        if (!window) {
            std::fprintf(stderr, "no window opened for %s\n", qPrintable(path));
            return;
        }
        ok = save(screen ? wholeScreen() : window->grab(), path);
        window->close();
    });
    open();
    return ok;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: varnholt-screenshots PROGRAM OUT_DIR SCENE...\n");
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("Varnholt Slots");
    // The scenes in the desktop's language, as the game would show them (LANGUAGE=de, ...).
    installTranslations(app, QFileInfo(QString::fromLocal8Bit(argv[1])).absolutePath());
    const QString outDir = QString::fromLocal8Bit(argv[2]);
    const QSize screen = QGuiApplication::primaryScreen()->size();
    const QString size = QString("%1x%2").arg(screen.width()).arg(screen.height());
    QTemporaryDir records;

    FormServices services;
    services.programPath = argv[1];
    services.savedGamePath = (records.path() + "/game.ini").toStdString();
    services.seed = 1;
    services.wavePlayer = makeSilentWavePlayer();
    services.midiPlayer = makeSilentMidiPlayer();
    services.defaultPrinter = std::make_unique<NamedPrinter>();
    ShotForm form(std::move(services));
    form.show();
    settle(1500); // exposed, painted, and input unlocked by the start sound

    const std::map<QString, void (TForm1::*)()> dialogs{{"save", &TForm1::SaveGame1Click},
                                                        {"open", &TForm1::OpenGame1Click},
                                                        {"borrow", &TForm1::Borrow1Click},
                                                        {"stats", &TForm1::Stats1Click},
                                                        {"payoffs", &TForm1::Payoffs1Click}};
    const auto spinOver = [&] { return !form.busy() && form.game().CoinsBet == 0; };
    bool ok = true;
    for (int i = 3; i < argc; ++i) {
        const QString scene = argv[i];
        if (scene == "face") {
            ok &= save(wholeScreen(), outDir + "/face-" + size + ".jpg");
        } else if (scene == "spin") {
            // The reels are mid-turn 400 ms after the third coin.
            QTimer::singleShot(400,
                               [&] { ok &= save(wholeScreen(), outDir + "/play-spin-" + size + ".png"); });
            form.FormKeyDown('M');
            settle(20000, spinOver);
        } else if (scene == "bonus") {
            form.reseedRandom(seedForStops(form.face().layout().BlurStripHeight, {8, 1, 3})); // Bonus row
            form.showBonusWindow = [&](TTrickForm &window) {
                QTimer::singleShot(1500, [&] {
                    ok &= save(wholeScreen(), outDir + "/play-bonus-" + size + ".png");
                    window.FormKeyDown('3');
                });
                window.exec();
            };
            form.FormKeyDown('M');
            settle(20000, spinOver);
            form.showBonusWindow = nullptr;
        } else if (dialogs.count(scene)) {
            ok &= grabModal([&] { (form.*dialogs.at(scene))(); },
                            outDir + "/dialog-" + scene + "-" + size + ".png", true);
        } else if (scene == "advert") {
            ok &= grabModal([&] { form.Inkfairn1Click(); }, outDir + "/advert.png", false);
        } else if (scene == "help") {
            form.GloamwickSlotsManual1Click();
            settle(1500);
            QWidget *help = QApplication::activeWindow();
            ok &= help && help != &form && save(help->grab(), outDir + "/help-contents.png");
            if (help && help != &form)
                help->close();
        } else {
            std::fprintf(stderr, "unknown scene %s\n", qPrintable(scene));
            ok = false;
        }
    }
    form.close();
    return ok ? 0 : 1;
}
