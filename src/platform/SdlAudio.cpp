#include "platform/SdlAudio.h"

#include <SDL.h>
#include <SDL_mixer.h>

namespace varnholt::sdlaudio {

namespace {
int users = 0;
}

bool acquire()
{
    if (users > 0) {
        ++users;
        return true;
    }
    // Without this SDL takes over SIGINT and SIGTERM and the game would no longer end on them.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    // 1024 frames is about 23 ms: short enough for a reel-stop click to land on the stop.
    if (Mix_OpenAudioDevice(kRate, AUDIO_S16SYS, kChannels, 1024, nullptr, 0) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Mix_AllocateChannels(1);
    users = 1;
    return true;
}

void release()
{
    if (users == 0 || --users > 0)
        return;
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

} // namespace varnholt::sdlaudio
