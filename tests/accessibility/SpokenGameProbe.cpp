// The game as the player starts it, for the screen-reader test: the same window, sounds silent,
// and each spin started from the keyboard stopping the reels where the command line says:
//   spoken_game_probe STOPS...     each STOPS as "reel1,reel2,reel3", one for each spin in turn
// Spins past the last one stop where chance puts them.
#include "core/Random.h"
#include "core/Reels.h"
#include "platform/FocusStyle.h"
#include "platform/Sound.h"
#include "presentation/MachineFace.h"
#include "ui/AppIdentity.h"
#include "ui/FaceWidget.h"
#include "ui/FormServices.h"
#include "ui/Translations.h"

#include "TestForm1.h"

#include <QApplication>
#include <QKeyEvent>

#include <array>
#include <cstdio>
#include <deque>

using namespace varnholt;

namespace {

// A seed from which the next spin draws these stops (each reel: a strip offset, then its stop).
std::uint32_t seedForStops(int stripHeight, std::array<int, 3> stops)
{
    for (std::uint32_t seed = 1;; ++seed) {
        RandomSource random(seed);
        bool match = true;
        for (int reel = 0; reel < 3 && match; ++reel) {
            random.Random(stripHeight);
            match = random.Random(kStripLength) + 1 == stops[reel];
        }
        if (match)
            return seed;
    }
}

// Reseeds the game just before a spin key reaches the machine.
class StopsBeforeSpins : public QObject {
public:
    StopsBeforeSpins(TestForm1 &form, std::deque<std::array<int, 3>> stops)
        : form_(form), stops_(std::move(stops))
    {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress && watched == &form_.faceWidget() && !stops_.empty() &&
            !form_.playing()) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
                form_.reseedRandom(seedForStops(form_.face().layout().BlurStripHeight, stops_.front()));
                stops_.pop_front();
            }
        }
        return false;
    }

private:
    TestForm1 &form_;
    std::deque<std::array<int, 3>> stops_;
};

} // namespace

int main(int argc, char **argv)
{
    std::deque<std::array<int, 3>> stops;
    for (int arg = 1; arg < argc; ++arg) {
        std::array<int, 3> spin{};
        if (std::sscanf(argv[arg], "%d,%d,%d", &spin[0], &spin[1], &spin[2]) != 3) {
            std::fprintf(stderr, "usage: spoken_game_probe [REEL1,REEL2,REEL3]...\n");
            return 2;
        }
        stops.push_back(spin);
    }
    QCoreApplication::setApplicationName(kAppName);
    QApplication app(argc, argv);
    installTranslations(app, VARNHOLT_PROGRAM_DIR);
    QApplication::setStyle(new FocusStyle);

    FormServices services;
    services.programPath = VARNHOLT_PROGRAM;
    services.wavePlayer = makeSilentWavePlayer();
    services.midiPlayer = makeSilentMidiPlayer();
    TestForm1 form(std::move(services));
    StopsBeforeSpins forced(form, std::move(stops));
    form.faceWidget().installEventFilter(&forced);
    form.show();
    return app.exec();
}
