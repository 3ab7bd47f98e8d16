#include "platform/FluidMidiPlayer.h"

#include "files/SafeRead.h"
#include "platform/MusicCache.h"
#include "platform/MusicFile.h"
#include "platform/SdlAudio.h"

#include <QElapsedTimer>
#include <QMetaObject>
#include <QObject>
#include <QProcess>

#include <SDL_mixer.h>
#include <fluidsynth.h>
#include <sndfile.h>

#include <algorithm>
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
    std::unique_ptr<FluidMidiPlayer> self(new FluidMidiPlayer());
    if (!self->start(soundFont, std::move(cache)))
        return nullptr;
    return self;
}

bool FluidMidiPlayer::start(const std::string &soundFont, MusicCacheSetup cache)
{
    if (soundFont.empty())
        return false;
    soundFont_ = soundFont;
    if (!cache.folder.empty() && !cache.renderer.empty())
        cache_ = std::move(cache);
    audioAcquired_ = sdlaudio::acquire();
    if (!audioAcquired_)
        return false;
    mailbox_ = new QObject();
    Mix_HookMusic(&FluidMidiPlayer::mixMusic, this);
    return true;
}

FluidMidiPlayer::~FluidMidiPlayer()
{
    if (audioAcquired_) {
        Mix_HookMusic(nullptr, nullptr); // waits for a mix in progress
        sdlaudio::setMusicSounding(false);
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

std::string FluidMidiPlayer::cacheFileFor(const std::vector<std::uint8_t> &piece, long long frames) const
{
    if (cache_.folder.empty())
        return {};
    return cache_.folder + "/" + cachedPieceName(piece, frames, gameSynthIdentity(soundFont_));
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
    cacheFile_ = cacheFileFor(bytes, frames);
    piece_ = std::move(bytes);
    std::lock_guard lock(mutex_);
    pieceFrames_ = frames;
    return true;
}

void FluidMidiPlayer::play()
{
    stop();
    if (piece_.empty()) {
        sdlaudio::setMusicSounding(false);
        return;
    }
    // Files are opened and the soundfont loaded outside the lock, so the mix never waits for them.
    long long cachedFrames = 0;
    if (SNDFILE *file = takeCachedPiece(cachedFrames)) {
        {
            std::lock_guard lock(mutex_);
            cached_ = file;
            cachedFrames_ = cachedFrames;
            endReported_ = false;
            framesPlayed_ = 0;
        }
        freeSynth(); // needed again only for a piece the cache does not hold yet
        sdlaudio::setMusicSounding(true);
        return;
    }
    queueRender(piece_, cacheFile_);
    // A fresh player per piece: the synthesizer keeps its soundfont from piece to piece. The
    // mix does not reach the synthesizer before player_ is set.
    fluid_player_t *player = loadSynth() ? new_fluid_player(synth_.synth) : nullptr;
    if (player && (fluid_player_add_mem(player, piece_.data(), piece_.size()) != FLUID_OK ||
                   fluid_player_play(player) != FLUID_OK)) {
        delete_fluid_player(player);
        player = nullptr;
    }
    if (player) {
        std::lock_guard lock(mutex_);
        player_ = player;
        endReported_ = false;
        framesPlayed_ = 0;
    }
    sdlaudio::setMusicSounding(player != nullptr);
}

void FluidMidiPlayer::close()
{
    stop();
    piece_.clear();
    cacheFile_.clear();
    {
        std::lock_guard lock(mutex_);
        pieceFrames_ = 0;
    }
    sdlaudio::setMusicSounding(false);
}

void FluidMidiPlayer::stop()
{
    fluid_player_t *player = nullptr;
    SNDFILE *file = nullptr;
    {
        std::lock_guard lock(mutex_);
        ++generation_;
        std::swap(player, player_);
        std::swap(file, cached_);
    }
    // The mix no longer reaches either, nor the synthesizer.
    if (file)
        sf_close(file);
    if (player) {
        fluid_player_stop(player);
        delete_fluid_player(player);
        // Silences every voice and forgets the piece's instruments and controllers.
        fluid_synth_system_reset(synth_.synth);
    }
}

bool FluidMidiPlayer::playingFromCache() const
{
    std::lock_guard lock(mutex_);
    return cached_ != nullptr;
}

bool FluidMidiPlayer::synthLoaded() const
{
    std::lock_guard lock(mutex_);
    return synth_.synth != nullptr;
}

SNDFILE *FluidMidiPlayer::takeCachedPiece(long long &frames)
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
    const long long longest = pieceFrames_ + static_cast<long long>(kMaxTailSeconds) * sdlaudio::kRate;
    if (file && format.channels == sdlaudio::kChannels && format.samplerate == sdlaudio::kRate &&
        format.frames >= pieceFrames_ && format.frames <= longest) {
        ::futimens(fd, nullptr); // played: keep it from pruning
        frames = format.frames;
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
    // Only this thread writes synth_, so it may read it without the lock.
    if (synth_.synth)
        return true;
    GameSynth made = makeGameSynth(soundFont_);
    if (!made.synth)
        return false;
    std::lock_guard lock(mutex_);
    synth_ = made;
    return true;
}

void FluidMidiPlayer::freeSynth()
{
    GameSynth old;
    {
        std::lock_guard lock(mutex_);
        if (player_)
            return; // a live piece is playing on it
        std::swap(old, synth_);
    }
    if (!old.synth)
        return;
    freeGameSynth(old);
    malloc_trim(0); // the soundfont's many small blocks, back to the system
}

void FluidMidiPlayer::renderAhead(const std::vector<std::string> &paths)
{
    if (cache_.folder.empty())
        return;
    for (const std::string &path : paths) {
        const FileContents file = readFileSafely(path, kMusicFileCap);
        if (file.status != FileStatus::Loaded)
            continue;
        std::vector<std::uint8_t> bytes(file.bytes.begin(), file.bytes.end());
        const std::optional<MidiPiece> piece = readMidiPiece(bytes, nullptr);
        if (!piece)
            continue; // reported when it is played
        std::string name = cacheFileFor(bytes, static_cast<long long>(piece->seconds * sdlaudio::kRate));
        queueRender(std::move(bytes), std::move(name));
    }
}

void FluidMidiPlayer::queueRender(std::vector<std::uint8_t> piece, std::string file)
{
    if (file.empty() || file == rendering_)
        return;
    for (const RenderJob &job : renderQueue_)
        if (job.file == file)
            return;
    std::error_code ec;
    if (std::filesystem::is_regular_file(file, ec))
        return; // rendered already; a damaged one is removed when played, and queued again
    renderQueue_.push_back({std::move(piece), std::move(file)});
    renderNext();
}

void FluidMidiPlayer::renderNext()
{
    // One piece at a time, so the renderer holds one synthesizer and the game keeps a core.
    if ((renderer_ && renderer_->state() != QProcess::NotRunning) || renderQueue_.empty())
        return;
    RenderJob job = std::move(renderQueue_.front());
    renderQueue_.pop_front();
    std::error_code ec;
    std::filesystem::create_directories(cache_.folder, ec);
    if (ec) {
        renderQueue_.clear();
        return;
    }
    if (renderer_)
        renderer_->deleteLater(); // this may run inside its own finished signal
    QProcess *process = new QProcess(mailbox_);
    renderer_ = process;
    rendering_ = job.file;
    const auto done = [this, process](bool made) {
        if (process != renderer_)
            return;
        lastRenderMade_ = made;
        rendering_.clear();
        if (!made && process->error() == QProcess::FailedToStart)
            renderQueue_.clear(); // no renderer beside the game: the pieces play live
        renderNext();
    };
    QObject::connect(process, &QProcess::finished, mailbox_, [done](int code, QProcess::ExitStatus status) {
        done(status == QProcess::NormalExit && code == 0);
    });
    QObject::connect(process, &QProcess::errorOccurred, mailbox_, [done](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            done(false);
    });
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->start(QString::fromStdString(cache_.renderer),
                   {QString::fromStdString(soundFont_), QString::fromStdString(job.file)});
    // The piece goes by its bytes, so what is rendered is what the name was made from.
    process->write(reinterpret_cast<const char *>(job.piece.data()), static_cast<qint64>(job.piece.size()));
    process->closeWriteChannel();
}

bool FluidMidiPlayer::waitForRenderer(int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    // Each renderer's end starts the next one in the queue.
    while (renderer_ && renderer_->state() != QProcess::NotRunning && clock.elapsed() < milliseconds)
        renderer_->waitForFinished(static_cast<int>(std::max<qint64>(1, milliseconds - clock.elapsed())));
    const bool idle = !renderer_ || renderer_->state() == QProcess::NotRunning;
    return idle && renderQueue_.empty() && lastRenderMade_;
}

void FluidMidiPlayer::stopRenderer()
{
    renderQueue_.clear();
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
    int got = frames;
    if (cached_) {
        got = std::max(static_cast<int>(sf_readf_short(cached_, out, frames)), 0);
        silence(got, frames);
    } else if (player_) {
        fluid_synth_write_s16(synth_.synth, frames, out, 0, 2, out, 1, 2);
    } else {
        silence(0, frames);
        return;
    }
    framesPlayed_ += frames;
    if (!endReported_ && pieceEnded(out, frames, got)) {
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

bool FluidMidiPlayer::pieceEnded(const std::int16_t *block, int frames, int got) const
{
    const long long played = framesPlayed_.load();
    if (cached_)
        return got < frames || played >= cachedFrames_;
    // Live, as the renderer makes it: the events, then the tail until it falls silent.
    if (played < pieceFrames_)
        return false;
    return played >= pieceFrames_ + static_cast<long long>(kMaxTailSeconds) * sdlaudio::kRate ||
           fallenSilent(block, frames);
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
