// Plays music through the game's own player and reports what it costs: CPU time over the
// playing time, resident memory before and with the synthesizer loaded, and how late each
// piece's end notice arrives on the audio clock.
//
//   varnholt-music-probe SECONDS PIECE.mid [PIECE.mid ...]
//
// The pieces play one after another as in the game. Run it with SDL_AUDIODRIVER=dummy to
// measure without a sound card.

#include "platform/FluidMidiPlayer.h"
#include "platform/MusicFile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <sys/resource.h>

using namespace varnholt;

namespace {

long statusKilobytes(const char *field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field, 0) == 0)
            return std::stol(line.substr(std::string(field).size()));
    return -1;
}

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double pieceSeconds(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const auto piece = readMidiPiece(bytes, nullptr);
    return piece ? piece->seconds : 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s SECONDS PIECE.mid [PIECE.mid ...]\n", argv[0]);
        return 2;
    }
    QCoreApplication app(argc, argv);
    const double seconds = std::stod(argv[1]);
    const std::vector<std::string> pieces(argv + 2, argv + argc);

    std::printf("resident before loading: %ld kB\n", statusKilobytes("VmRSS:"));
    auto player = FluidMidiPlayer::create(findGeneralMidiSoundFont());
    if (!player) {
        std::fprintf(stderr, "no audio device or no soundfont\n");
        return 1;
    }
    std::printf("resident with the soundfont loaded: %ld kB\n", statusKilobytes("VmRSS:"));

    std::size_t current = 0;
    auto start = [&] {
        std::string error;
        if (!player->open(pieces[current], &error)) {
            std::fprintf(stderr, "%s: %s\n", pieces[current].c_str(), error.c_str());
            app.exit(1);
            return;
        }
        player->play();
    };
    player->onFinished = [&] {
        const double length = pieceSeconds(pieces[current]);
        const double late = player->framesPlayed() / double(FluidMidiPlayer::frameRate()) - length;
        std::printf("%s ended (%.2f s); notice %.0f ms after its last sample\n", pieces[current].c_str(),
                    length, late * 1000);
        current = (current + 1) % pieces.size();
        player->close();
        start();
    };

    const double cpuBefore = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    QTimer::singleShot(0, &app, start);
    QTimer::singleShot(static_cast<int>(seconds * 1000), &app, [&] { app.quit(); });
    const int result = app.exec();
    const double elapsed = wall.elapsed() / 1000.0;
    std::printf("played %.1f s: CPU %.1f%% of one core; resident %ld kB, peak %ld kB\n", elapsed,
                100 * (cpuSeconds() - cpuBefore) / elapsed, statusKilobytes("VmRSS:"),
                statusKilobytes("VmHWM:"));
    return result;
}
