#include "platform/SdlAudio.h"

#include <QMetaObject>
#include <QObject>

#include <SDL.h>
#include <SDL_mixer.h>

#include <array>
#include <atomic>

namespace varnholt::sdlaudio {

namespace {

// SDL numbers its open devices from 2 up; SDL_mixer keeps the id of its own to itself.
constexpr SDL_AudioDeviceID kFirstDevice = 2;
constexpr SDL_AudioDeviceID kLastDevice = 17;

// All of this belongs to the user-interface thread, apart from mailbox, which the mixer's
// thread reads in restSoon(): set before the device opens and cleared after it has closed,
// so the mixer never sees it change.
int users = 0;
SDL_AudioDeviceID device = 0;
bool musicSounding = false;
std::atomic<QObject *> mailbox{nullptr};

std::array<bool, kLastDevice + 1> openDevices()
{
    std::array<bool, kLastDevice + 1> open{};
    for (SDL_AudioDeviceID id = kFirstDevice; id <= kLastDevice; ++id)
        open[id] = SDL_GetAudioDeviceStatus(id) != SDL_AUDIO_STOPPED;
    return open;
}

} // namespace

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
    const auto before = openDevices();
    mailbox = new QObject();
    // 1024 frames is about 23 ms: short enough for a reel-stop click to land on the stop.
    if (Mix_OpenAudioDevice(kRate, AUDIO_S16SYS, kChannels, 1024, nullptr, 0) != 0) {
        delete mailbox.exchange(nullptr);
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    // The device SDL_mixer has just opened is the one that was not open before.
    const auto after = openDevices();
    device = 0;
    for (SDL_AudioDeviceID id = kFirstDevice; id <= kLastDevice && !device; ++id)
        if (after[id] && !before[id])
            device = id;
    Mix_AllocateChannels(1);
    musicSounding = false;
    users = 1;
    return true;
}

void release()
{
    if (users == 0 || --users > 0)
        return;
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    device = 0;
    // Rest requests still queued die with it.
    delete mailbox.exchange(nullptr);
}

void wake()
{
    if (device)
        SDL_PauseAudioDevice(device, 0);
}

void setMusicSounding(bool sounding)
{
    musicSounding = sounding;
    // Not at once: between two pieces the next one starts before the device would rest.
    if (sounding)
        wake();
    else
        restSoon();
}

void restIfQuiet()
{
    if (device && !musicSounding && Mix_Playing(kEffectChannel) == 0)
        SDL_PauseAudioDevice(device, 1);
}

void restSoon()
{
    if (QObject *target = mailbox.load())
        QMetaObject::invokeMethod(target, &restIfQuiet, Qt::QueuedConnection);
}

} // namespace varnholt::sdlaudio
