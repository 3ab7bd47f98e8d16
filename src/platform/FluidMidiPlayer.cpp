#include "platform/FluidMidiPlayer.h"

#include "files/SafeRead.h"
#include "platform/MusicCache.h"
#include "platform/MusicFile.h"
#include "platform/SdlAudio.h"

#include <QMetaObject>
#include <QObject>
#include <QProcess>

#include <SDL_mixer.h>
#include <fluidsynth.h>
#include <sndfile.h>

#include <cstring>
#include <filesystem>

#include <fcntl.h>
#include <malloc.h>
#include <sys/stat.h>

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

std::unique_ptr<FluidMidiPlayer> FluidMidiPlayer::create(const std::string &soundFont, MusicCacheSetup cache)
{
    if (soundFont.empty())
        return nullptr;
    std::unique_ptr<FluidMidiPlayer> self(new FluidMidiPlayer());
    self->soundFont_ = soundFont;
    if (!cache.folder.empty() && !cache.renderer.empty())
        self->cache_ = std::move(cache);
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
    stopRenderer();
    // Queued end events addressed to the mailbox die with it, and so does the renderer's process.
    delete mailbox_;
    if (player_)
        delete_fluid_player(player_);
    if (cached_)
        sf_close(cached_);
    freeGameSynth(synth_);
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
    const auto frames = static_cast<long long>(piece->seconds * sdlaudio::kRate);
    if (!cache_.folder.empty())
        cacheFile_ = cache_.folder + "/" + cachedPieceName(bytes, frames, gameSynthIdentity(soundFont_));
    std::lock_guard lock(mutex_);
    piece_ = std::move(bytes);
    pieceFrames_ = frames;
    return true;
}

void FluidMidiPlayer::play()
{
    {
        std::lock_guard lock(mutex_);
        stopLocked();
        if (piece_.empty())
            return;
    }
    // Files and the soundfont are opened outside the lock, so the mix never waits for them.
    if (SNDFILE *file = openCachedPiece()) {
        {
            std::lock_guard lock(mutex_);
            cached_ = file;
            endReported_ = false;
            framesPlayed_ = 0;
        }
        freeSynth(); // needed again only for a piece the cache does not hold yet
        return;
    }
    if (!loadSynth())
        return;
    startRenderer();
    std::lock_guard lock(mutex_);
    // A fresh player per piece: the synthesizer keeps its soundfont from piece to piece.
    player_ = new_fluid_player(synth_.synth);
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
    cacheFile_.clear();
}

void FluidMidiPlayer::stopLocked()
{
    ++generation_;
    if (cached_) {
        sf_close(cached_);
        cached_ = nullptr;
    }
    if (!player_)
        return;
    fluid_player_stop(player_);
    delete_fluid_player(player_);
    player_ = nullptr;
    // Silences every voice and forgets the piece's instruments and controllers.
    fluid_synth_system_reset(synth_.synth);
}

bool FluidMidiPlayer::playingFromCache() const
{
    std::lock_guard lock(mutex_);
    return cached_ != nullptr;
}

SNDFILE *FluidMidiPlayer::openCachedPiece() const
{
    if (cacheFile_.empty())
        return nullptr;
    // Anyone may leave a FIFO or a device under the name: only a regular file is handed on.
    OpenedFile opened = openFileSafely(cacheFile_, kCachedMusicFileCap);
    if (opened.status == FileStatus::Missing)
        return nullptr;
    SF_INFO format{};
    // libsndfile owns the descriptor from here, and closes it even when the open fails.
    const int fd = opened.ok() ? opened.descriptor.release() : -1;
    SNDFILE *file = fd >= 0 ? sf_open_fd(fd, SFM_READ, &format, SF_TRUE) : nullptr;
    if (file && format.channels == sdlaudio::kChannels && format.samplerate == sdlaudio::kRate &&
        format.frames == pieceFrames_) {
        ::futimens(fd, nullptr); // played: keep it from pruning
        return file;
    }
    if (file)
        sf_close(file);
    // Damaged or not what its name promises: it is rendered again when the piece plays live.
    std::error_code ec;
    std::filesystem::remove(cacheFile_, ec);
    return nullptr;
}

bool FluidMidiPlayer::loadSynth()
{
    if (!synth_.synth)
        synth_ = makeGameSynth(soundFont_);
    return synth_.synth != nullptr;
}

void FluidMidiPlayer::freeSynth()
{
    if (!synth_.synth)
        return;
    freeGameSynth(synth_); // the mix leaves it alone: no live piece is playing
    malloc_trim(0);        // the soundfont's many small blocks, back to the system
}

void FluidMidiPlayer::startRenderer()
{
    if (cacheFile_.empty() || (renderer_ && renderer_->state() != QProcess::NotRunning))
        return; // one piece at a time; another is rendered when it next plays live
    std::error_code ec;
    std::filesystem::create_directories(cache_.folder, ec);
    if (ec)
        return;
    delete renderer_;
    renderer_ = new QProcess(mailbox_);
    renderer_->setStandardOutputFile(QProcess::nullDevice());
    renderer_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    renderer_->start(QString::fromStdString(cache_.renderer),
                     {QString::fromStdString(soundFont_), QString::fromStdString(cacheFile_)});
    // The piece goes by its bytes, so what is rendered is what the name was made from.
    renderer_->write(reinterpret_cast<const char *>(piece_.data()), static_cast<qint64>(piece_.size()));
    renderer_->closeWriteChannel();
}

bool FluidMidiPlayer::waitForRenderer(int milliseconds)
{
    if (!renderer_)
        return false;
    renderer_->waitForFinished(milliseconds);
    return renderer_->state() == QProcess::NotRunning && renderer_->exitStatus() == QProcess::NormalExit &&
           renderer_->exitCode() == 0;
}

void FluidMidiPlayer::stopRenderer()
{
    if (!renderer_ || renderer_->state() == QProcess::NotRunning)
        return;
    renderer_->terminate(); // it removes its half-written file
    if (!renderer_->waitForFinished(2000))
        renderer_->kill();
    renderer_->waitForFinished(1000);
}

void FluidMidiPlayer::mixMusic(void *self, std::uint8_t *stream, int length)
{
    const int frames = length / static_cast<int>(sizeof(std::int16_t) * sdlaudio::kChannels);
    static_cast<FluidMidiPlayer *>(self)->render(reinterpret_cast<std::int16_t *>(stream), frames);
}

void FluidMidiPlayer::render(std::int16_t *out, int frames)
{
    std::lock_guard lock(mutex_);
    const auto silence = [out](int from, int to) {
        std::memset(out + static_cast<std::size_t>(from) * sdlaudio::kChannels, 0,
                    static_cast<std::size_t>(to - from) * sdlaudio::kChannels * sizeof(std::int16_t));
    };
    if (cached_) {
        const auto got = static_cast<int>(sf_readf_short(cached_, out, frames));
        silence(std::max(got, 0), frames);
    } else if (player_) {
        fluid_synth_write_s16(synth_.synth, frames, out, 0, 2, out, 1, 2);
    } else {
        silence(0, frames);
        return;
    }
    framesPlayed_ += frames;
    // The piece ends when its length has been mixed. FluidSynth's own end comes later, after
    // its notes have died away; it is only a fallback here.
    if (!endReported_ && (framesPlayed_ >= pieceFrames_ ||
                          (player_ && fluid_player_get_status(player_) == FLUID_PLAYER_DONE))) {
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

std::unique_ptr<MidiPlayer> makeFluidMidiPlayer(bool loadNow, MusicCacheSetup cache)
{
    const auto make = [cache]() -> std::unique_ptr<MidiPlayer> {
        return FluidMidiPlayer::create(findGeneralMidiSoundFont(), cache);
    };
    if (!loadNow)
        return makeDeferredMidiPlayer(make);
    if (auto player = make())
        return player;
    return makeSilentMidiPlayer();
}

} // namespace varnholt
