#pragma once
// Wave effects through SDL_mixer: one effect at a time on one mixer channel.

#include "platform/Sound.h"

#include <map>

struct Mix_Chunk;

namespace varnholt {

class SdlWavePlayer final : public WavePlayer {
public:
    // Null when no audio device can be opened.
    static std::unique_ptr<SdlWavePlayer> create();
    ~SdlWavePlayer() override;

    bool loadClip(int id, const std::string &path) override;
    void playClip(int id) override;
    void playFile(const std::string &path, bool wait) override;

private:
    SdlWavePlayer() = default;
    // Starts chunk on the effect channel, cutting off what sounds there; false if it failed.
    bool start(Mix_Chunk *chunk);
    void freeFileChunk();

    std::map<int, Mix_Chunk *> clips_;
    // The chunk of the last sound played from a file; it may still be sounding, so it is
    // freed only once the channel has been given to the next sound.
    Mix_Chunk *fileChunk_ = nullptr;
};

} // namespace varnholt
