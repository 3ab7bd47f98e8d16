#include "platform/Sound.h"

namespace varnholt {

namespace {
class SilentWavePlayer final : public WavePlayer {
public:
    bool loadClip(int, const std::string &) override { return true; }
    void playClip(int) override {}
    void playFile(const std::string &, bool) override {}
};

class SilentMidiPlayer final : public MidiPlayer {
public:
    bool open(const std::string &, std::string *) override { return true; }
    void play() override {}
    void close() override {}
};
} // namespace

std::unique_ptr<WavePlayer> makeSilentWavePlayer() { return std::make_unique<SilentWavePlayer>(); }
std::unique_ptr<MidiPlayer> makeSilentMidiPlayer() { return std::make_unique<SilentMidiPlayer>(); }

} // namespace varnholt
