#include "platform/FluidMidiPlayer.h"

#include "files/SafeRead.h"
#include "platform/MusicFile.h"
#include "platform/SdlAudio.h"

#include <QMetaObject>
#include <QObject>

#include <SDL_mixer.h>
#include <fluidsynth.h>

#include <cstring>
#include <filesystem>

namespace varnholt {

std::string findGeneralMidiSoundFont()
{
    // Debian's small General MIDI soundfont first: it loads fast and keeps memory low.
    for (const char *candidate :
         {"/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf2/default-GM.sf2",
          "/usr/share/sounds/sf2/FluidR3_GM.sf2"}) {
        std::error_code ec;
        if (std::filesystem::is_regular_file(candidate, ec))
            return candidate;
    }
    return {};
}

int FluidMidiPlayer::frameRate() { return sdlaudio::kRate; }

std::unique_ptr<FluidMidiPlayer> FluidMidiPlayer::create(const std::string &soundFont)
{
    if (soundFont.empty())
        return nullptr;
    std::unique_ptr<FluidMidiPlayer> self(new FluidMidiPlayer());
    // FluidSynth prints its warnings to the terminal; the game reports what matters itself.
    for (int level : {FLUID_WARN, FLUID_INFO, FLUID_DBG})
        fluid_set_log_function(level, nullptr, nullptr);
    self->settings_ = new_fluid_settings();
    if (!self->settings_)
        return nullptr;
    fluid_settings_setnum(self->settings_, "synth.sample-rate", sdlaudio::kRate);
    // The pieces are written for a modest level; this leaves the effects room on top.
    fluid_settings_setnum(self->settings_, "synth.gain", 0.8);
    self->synth_ = new_fluid_synth(self->settings_);
    if (!self->synth_ || fluid_synth_sfload(self->synth_, soundFont.c_str(), 1) == FLUID_FAILED)
        return nullptr;
    self->audioAcquired_ = sdlaudio::acquire();
    if (!self->audioAcquired_)
        return nullptr;
    self->mailbox_ = new QObject();
    Mix_HookMusic(&FluidMidiPlayer::mixMusic, self.get());
    return self;
}

FluidMidiPlayer::~FluidMidiPlayer()
{
    if (audioAcquired_) {
        Mix_HookMusic(nullptr, nullptr); // waits for a mix in progress
        sdlaudio::release();
    }
    // Queued end events addressed to the mailbox die with it.
    delete mailbox_;
    if (player_)
        delete_fluid_player(player_);
    if (synth_)
        delete_fluid_synth(synth_);
    if (settings_)
        delete_fluid_settings(settings_);
}

bool FluidMidiPlayer::open(const std::string &path, std::string *error)
{
    close();
    const FileContents file = readFileSafely(path, kMusicFileCap);
    if (file.status != FileStatus::Loaded) {
        if (error)
            *error = "the file cannot be read";
        return false;
    }
    std::vector<std::uint8_t> bytes(file.bytes.begin(), file.bytes.end());
    const std::optional<MidiPiece> piece = readMidiPiece(bytes, error);
    if (!piece)
        return false;
    std::lock_guard lock(mutex_);
    piece_ = std::move(bytes);
    pieceFrames_ = static_cast<long long>(piece->seconds * sdlaudio::kRate);
    return true;
}

void FluidMidiPlayer::play()
{
    std::lock_guard lock(mutex_);
    stopLocked();
    if (piece_.empty())
        return;
    // A fresh player per piece: the synthesizer and its soundfont stay loaded for the whole run.
    player_ = new_fluid_player(synth_);
    if (!player_)
        return;
    if (fluid_player_add_mem(player_, piece_.data(), piece_.size()) != FLUID_OK ||
        fluid_player_play(player_) != FLUID_OK) {
        delete_fluid_player(player_);
        player_ = nullptr;
        return;
    }
    endReported_ = false;
    framesPlayed_ = 0;
}

void FluidMidiPlayer::close()
{
    std::lock_guard lock(mutex_);
    stopLocked();
    piece_.clear();
    pieceFrames_ = 0;
}

void FluidMidiPlayer::stopLocked()
{
    ++generation_;
    if (!player_)
        return;
    fluid_player_stop(player_);
    delete_fluid_player(player_);
    player_ = nullptr;
    // Silences every voice and forgets the piece's instruments and controllers.
    fluid_synth_system_reset(synth_);
}

void FluidMidiPlayer::mixMusic(void *self, std::uint8_t *stream, int length)
{
    const int frames = length / static_cast<int>(sizeof(std::int16_t) * sdlaudio::kChannels);
    static_cast<FluidMidiPlayer *>(self)->render(reinterpret_cast<std::int16_t *>(stream), frames);
}

void FluidMidiPlayer::render(std::int16_t *out, int frames)
{
    std::lock_guard lock(mutex_);
    if (!player_) {
        std::memset(out, 0, static_cast<std::size_t>(frames) * sdlaudio::kChannels * sizeof(std::int16_t));
        return;
    }
    fluid_synth_write_s16(synth_, frames, out, 0, 2, out, 1, 2);
    framesPlayed_ += frames;
    // The piece ends when its length has been mixed. FluidSynth's own end comes later, after
    // its notes have died away; it is only a fallback here.
    if (!endReported_ &&
        (framesPlayed_ >= pieceFrames_ || fluid_player_get_status(player_) == FLUID_PLAYER_DONE)) {
        endReported_ = true;
        const unsigned generation = generation_.load();
        QMetaObject::invokeMethod(
            mailbox_,
            [this, generation] {
                if (generation == generation_.load() && onFinished)
                    onFinished();
            },
            Qt::QueuedConnection);
    }
}

std::unique_ptr<MidiPlayer> makeFluidMidiPlayer(bool loadNow)
{
    const auto make = []() -> std::unique_ptr<MidiPlayer> {
        return FluidMidiPlayer::create(findGeneralMidiSoundFont());
    };
    if (!loadNow)
        return makeDeferredMidiPlayer(make);
    if (auto player = make())
        return player;
    return makeSilentMidiPlayer();
}

} // namespace varnholt
