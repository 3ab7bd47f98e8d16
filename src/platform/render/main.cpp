// Renders one piece of the game's music ahead, into the music cache, so the game can play it
// again and again without synthesizing it live. The game starts this program at low priority
// for each piece not yet in the cache and hands it the piece on standard input:
//
//     varnholt-slots-music SOUNDFONT OUTPUT.flac < piece.mid
//
// The piece is rendered as the game plays it live: its events, then its tail until it falls
// silent. The file is written under a
// new temporary name no one can guess or plant a link at, and renamed when complete, so the game
// never finds half a piece and nothing outside the cache is ever written.

#include "files/SafeRead.h"
#include "files/SafeWrite.h"
#include "platform/GameSynth.h"
#include "platform/MusicCache.h"
#include "platform/MusicFile.h"
#include "platform/SdlAudio.h"

#include <fluidsynth.h>
#include <sndfile.h>

#include <algorithm>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using namespace varnholt;

// The half-written file's name, for the stop signal to remove it once it is whole.
char partialPath[4096] = {};
volatile std::sig_atomic_t partialNamed = 0;

// The game asks a renderer to stop when it quits, and waits for it: loading the soundfont or
// finishing a FLAC block would hold the player's exit for a second or more, so the stop ends the
// program at once, leaving no half-written file. Only async-signal-safe calls here.
void stopNow(int)
{
    if (partialNamed != 0)
        ::unlink(partialPath);
    static const char said[] = "varnholt-slots-music: stopped\n";
    [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, said, sizeof said - 1);
    ::_exit(1);
}

int fail(const std::string &message)
{
    std::fprintf(stderr, "varnholt-slots-music: %s\n", message.c_str());
    return 1;
}

bool readPiece(std::vector<std::uint8_t> &bytes)
{
    std::uint8_t chunk[16384];
    std::size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, stdin)) > 0) {
        bytes.insert(bytes.end(), chunk, chunk + got);
        if (bytes.size() > kMusicFileCap)
            return false;
    }
    return !bytes.empty() && !std::ferror(stdin);
}

// The piece's samples exactly as the live player makes them: the same synthesizer, and 16-bit
// output through FluidSynth's own conversion. FLAC keeps them to the bit.
int render(const std::string &soundFont, long long frames, const std::vector<std::uint8_t> &piece,
           NewFile &output)
{
    GameSynth synth = makeGameSynth(soundFont);
    if (!synth.synth)
        return fail("the soundfont cannot be loaded: " + soundFont);
    fluid_player_t *player = new_fluid_player(synth.synth);
    if (!player || fluid_player_add_mem(player, piece.data(), piece.size()) != FLUID_OK ||
        fluid_player_play(player) != FLUID_OK)
        return fail("the piece cannot be played");

    SF_INFO format{};
    format.samplerate = sdlaudio::kRate;
    format.channels = sdlaudio::kChannels;
    format.format = SF_FORMAT_FLAC | SF_FORMAT_PCM_16;
    // libsndfile owns the descriptor from here, and closes it even when the open fails.
    SNDFILE *file = sf_open_fd(output.descriptor.release(), SFM_WRITE, &format, SF_TRUE);
    if (!file)
        return fail("cannot write " + output.path + ": " + sf_strerror(nullptr));

    constexpr int kBlock = 4096;
    std::vector<std::int16_t> samples(kBlock * sdlaudio::kChannels);
    bool written = true;
    for (long long done = 0; done < frames && written; done += kBlock) {
        const int count = static_cast<int>(std::min<long long>(kBlock, frames - done));
        fluid_synth_write_s16(synth.synth, count, samples.data(), 0, 2, samples.data(), 1, 2);
        written = sf_writef_short(file, samples.data(), count) == count;
    }
    // Then the tail, in short blocks so that little silence is kept at its end: the first
    // silent block is left out.
    constexpr int kTailBlock = 512;
    const long long tailLimit = static_cast<long long>(kMaxTailSeconds) * sdlaudio::kRate;
    for (long long tail = 0; tail < tailLimit && written; tail += kTailBlock) {
        fluid_synth_write_s16(synth.synth, kTailBlock, samples.data(), 0, 2, samples.data(), 1, 2);
        if (fallenSilent(samples.data(), kTailBlock))
            break;
        written = sf_writef_short(file, samples.data(), kTailBlock) == kTailBlock;
    }
    written = sf_close(file) == 0 && written;
    delete_fluid_player(player);
    freeGameSynth(synth);
    return written ? 0 : fail("cannot write " + output.path);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: varnholt-slots-music SOUNDFONT OUTPUT.flac < piece.mid\n");
        return 2;
    }
    const std::string soundFont = argv[1];
    const std::string output = argv[2];

    // The game is playing meanwhile; it comes first.
    ::setpriority(PRIO_PROCESS, 0, 10);
    std::signal(SIGTERM, stopNow);
    // A game that ends (even killed) takes its renderer with it.
    ::prctl(PR_SET_PDEATHSIG, SIGTERM);

    std::vector<std::uint8_t> bytes;
    if (!readPiece(bytes))
        return fail("no piece on standard input");
    std::string error;
    const std::optional<MidiPiece> piece = readMidiPiece(bytes, &error);
    if (!piece)
        return fail("the piece cannot be played: " + error);
    // The same length the game plays; an hour at most, so a hostile file cannot fill the disk.
    const auto frames = static_cast<long long>(piece->seconds * sdlaudio::kRate);
    if (piece->seconds > 3600)
        return fail("the piece is longer than an hour");

    // A link or anything else planted under the piece's name is left for the game, which
    // removes it when it finds it unplayable; nothing is written through it.
    struct stat there {};
    if (::lstat(output.c_str(), &there) == 0 && !S_ISREG(there.st_mode))
        return fail(output + ": there is something other than a regular file there");
    NewFile partial = createFileBeside(output, ".part");
    if (!partial.descriptor.valid())
        return fail("cannot create a file beside " + output);
    if (partial.path.size() < sizeof partialPath) {
        std::copy(partial.path.begin(), partial.path.end(), partialPath);
        partialNamed = 1;
    }
    const int status = render(soundFont, frames, bytes, partial);
    if (status != 0) {
        ::unlink(partial.path.c_str());
        return status;
    }
    if (std::string problem; !replaceRegularFile(partial.path, output, &problem))
        return fail("cannot keep " + problem);
    pruneMusicCache(std::filesystem::path(output).parent_path().string());
    return 0;
}
