#include "plugins/sound_fmod/SoundDevice.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include "base/Log.h"

namespace {

bool OpenWithCurrentDriver(int rate) {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    if (Mix_OpenAudio(rate, MIX_DEFAULT_FORMAT, 2, 1024) == 0) return true;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
}

}  // namespace

bool MixerVersionAccepted(const SDL_version* linked) { return linked && linked->major >= 2; }

bool OpenSoundDevice(int rate, int channels) {
    if (!OpenWithCurrentDriver(rate)) {
        LogPrintf("     Interfaz sonido: %s\n", Mix_GetError());
        // No speakers is no reason to refuse to start: go on silent.
        SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
        bool opened = OpenWithCurrentDriver(rate);
        SDL_ResetHint(SDL_HINT_AUDIODRIVER);
        if (!opened) {
            LogPrintf("     Interfaz sonido: %s\n", Mix_GetError());
            return false;
        }
        LogPrintf("     Interfaz sonido: Sin dispositivo de sonido, el juego seguira en silencio\n");
    }
    Mix_AllocateChannels(channels);
    return true;
}

void CloseSoundDevice() {
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void LogMixerError() { LogPrintf("                      %s\n", Mix_GetError()); }
