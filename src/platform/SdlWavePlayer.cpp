#include "platform/SdlWavePlayer.h"

#include "files/SafeRead.h"
#include "platform/SdlAudio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace varnholt {

namespace {

// Whether the effect channel is sounding, kept by SDL_mixer's end-of-channel callback so a
// synchronous sound can sleep until its end instead of polling.
std::mutex channelMutex;
std::condition_variable channelDone;
bool channelBusy = false;

void onChannelFinished(int channel)
{
    if (channel != sdlaudio::kEffectChannel)
        return;
    {
        std::lock_guard lock(channelMutex);
        channelBusy = false;
    }
    channelDone.notify_all();
    sdlaudio::restSoon(); // the device may rest, unless music plays or another effect began
}

// A wave file decoded from memory; null when it cannot be read safely or decoded.
Mix_Chunk *loadWave(const std::string &path)
{
    const FileContents file = readFileSafely(path, kSoundFileCap);
    if (file.status != FileStatus::Loaded || file.bytes.empty())
        return nullptr;
    SDL_RWops *memory = SDL_RWFromConstMem(file.bytes.data(), static_cast<int>(file.bytes.size()));
    return memory ? Mix_LoadWAV_RW(memory, 1) : nullptr;
}

std::chrono::milliseconds lengthOf(const Mix_Chunk *chunk)
{
    const long long frameBytes = 2LL * sdlaudio::kChannels;
    return std::chrono::milliseconds(chunk->alen / frameBytes * 1000 / sdlaudio::kRate);
}

} // namespace

std::unique_ptr<SdlWavePlayer> SdlWavePlayer::create()
{
    if (!sdlaudio::acquire())
        return nullptr;
    Mix_ChannelFinished(onChannelFinished);
    return std::unique_ptr<SdlWavePlayer>(new SdlWavePlayer());
}

SdlWavePlayer::~SdlWavePlayer()
{
    Mix_HaltChannel(sdlaudio::kEffectChannel);
    Mix_ChannelFinished(nullptr);
    freeFileChunk();
    for (auto &[id, chunk] : clips_)
        Mix_FreeChunk(chunk);
    sdlaudio::release();
}

bool SdlWavePlayer::loadClip(int id, const std::string &path)
{
    // Decoded whole into memory, so the clip never touches the disk again.
    Mix_Chunk *chunk = loadWave(path);
    if (!chunk)
        return false;
    if (auto old = clips_.find(id); old != clips_.end()) {
        Mix_HaltChannel(sdlaudio::kEffectChannel);
        Mix_FreeChunk(old->second);
    }
    clips_[id] = chunk;
    return true;
}

void SdlWavePlayer::playClip(int id)
{
    if (auto clip = clips_.find(id); clip != clips_.end())
        start(clip->second);
}

void SdlWavePlayer::playFile(const std::string &path, bool wait)
{
    Mix_Chunk *chunk = loadWave(path);
    if (!chunk)
        return;
    if (!start(chunk)) {
        Mix_FreeChunk(chunk);
        return;
    }
    freeFileChunk();
    fileChunk_ = chunk;
    if (!wait)
        return;
    // The bound only guards against a stalled device; normally the callback ends the wait.
    std::unique_lock lock(channelMutex);
    channelDone.wait_for(lock, lengthOf(chunk) + std::chrono::seconds(2), [] { return !channelBusy; });
}

bool SdlWavePlayer::start(Mix_Chunk *chunk)
{
    Mix_HaltChannel(sdlaudio::kEffectChannel);
    sdlaudio::wake();
    {
        std::lock_guard lock(channelMutex);
        channelBusy = true;
    }
    if (Mix_PlayChannel(sdlaudio::kEffectChannel, chunk, 0) >= 0)
        return true;
    std::lock_guard lock(channelMutex);
    channelBusy = false;
    return false;
}

void SdlWavePlayer::freeFileChunk()
{
    if (!fileChunk_)
        return;
    // start() has halted the channel already when a new sound took over; halting again is
    // harmless and makes sure the chunk is no longer read by the mixer.
    if (Mix_GetChunk(sdlaudio::kEffectChannel) == fileChunk_)
        Mix_HaltChannel(sdlaudio::kEffectChannel);
    Mix_FreeChunk(fileChunk_);
    fileChunk_ = nullptr;
}

std::unique_ptr<WavePlayer> makeSdlWavePlayer()
{
    if (auto player = SdlWavePlayer::create())
        return player;
    return makeSilentWavePlayer();
}

} // namespace varnholt
