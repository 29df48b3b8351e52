#include "plugins/sound_fmod/SonidoFMOD.h"

#include <SDL.h>

#include <cstring>
#include <new>

#include "base/Log.h"
#include "base/Files.h"
#include "plugins/sound_fmod/SoundDevice.h"

namespace {
constexpr int kTableStep = 128;
constexpr int kChannels = 32;

// Opens a file the game way; null with SDL's error set when it does not open.
SDL_RWops* OpenForMixer(const char* path) {
    FILE* file = PlatformOpenFile(path, "rb");
    if (!file) {
        SDL_SetError("Couldn't open %s", path);
        return nullptr;
    }
    SDL_RWops* rw = SDL_RWFromFP(file, SDL_TRUE);
    if (!rw) fclose(file);
    return rw;
}
}  // namespace

SonidoFMOD::~SonidoFMOD() {
    if (deviceOpen_ || samples_) Shutdown();
}

bool SonidoFMOD::Loaded(int index) const {
    return samples_ && index >= 0 && index < sampleCount_ && samples_[index];
}

int SonidoFMOD::Init(WindowHandle window, InstanceHandle) {
    window_ = window;
    if (!MixerVersionAccepted(Mix_Linked_Version())) {
        LogPrintf("     Interfaz sonido: Version de la dll FMod.Dll incorrecta\n");
        return 0;
    }
    if (deviceOpen_) Shutdown();
    Mix_Init(MIX_INIT_OGG);
    if (!OpenSoundDevice(mixRate_, kChannels)) return 0;
    deviceOpen_ = true;
    music_ = nullptr;
    sampleCount_ = 0;
    samples_ = new (std::nothrow) Mix_Chunk*[kTableStep]();
    capacity_ = samples_ ? kTableStep : 0;
    return 1;
}

int SonidoFMOD::Shutdown() {
    for (int i = 0; i < sampleCount_; ++i) FreeSample(i);
    delete[] samples_;
    samples_ = nullptr;
    capacity_ = 0;
    StopMusic();
    if (deviceOpen_) {
        CloseSoundDevice();
        Mix_Quit();
        deviceOpen_ = false;
    }
    return 1;
}

int SonidoFMOD::LoadSample(const char* path) {
    if (!path) return -1;
    LogPrintf("     Interfaz sonido: Cargando %s\n", path);
    if (!samples_) {
        LogPrintf("     Interfaz sonido: %s\n", "el sonido no esta iniciado");
        return -1;
    }
    if (sampleCount_ >= capacity_) {
        Mix_Chunk** grown = new (std::nothrow) Mix_Chunk*[capacity_ + kTableStep]();
        if (!grown) return -1;
        memcpy(grown, samples_, sizeof(Mix_Chunk*) * capacity_);
        delete[] samples_;
        samples_ = grown;
        capacity_ += kTableStep;
    }
    SDL_RWops* rw = OpenForMixer(path);
    Mix_Chunk* chunk = rw ? Mix_LoadWAV_RW(rw, 1) : nullptr;
    if (!chunk) {
        LogPrintf("     Interfaz sonido: %s\n", Mix_GetError());
        return -1;
    }
    int index = sampleCount_++;
    samples_[index] = chunk;
    LogPrintf("     Interfaz sonido: Cargado %s en %d\n", path, index);
    return index;
}

int SonidoFMOD::FreeSample(int index) {
    if (!Loaded(index)) return 1;
    Mix_FreeChunk(samples_[index]);  // stops the channels still playing it
    samples_[index] = nullptr;
    LogPrintf("     Interfaz sonido: Descargado %d\n", index);
    return 1;
}

int SonidoFMOD::PlayMusic(const char* path) {
    if (!path) return 0;
    if (music_) {
        // Screens ask for their music each time they start: let it go on.
        if (strcmp(path, musicPath_) == 0) return 0;
        StopMusic();
    }
    strncpy(musicPath_, path, sizeof musicPath_ - 1);
    musicPath_[sizeof musicPath_ - 1] = '\0';
    if (!deviceOpen_) return 0;

    FILE* probe = PlatformOpenFile(path, "rb");
    if (!probe) {
        LogPrintf("     Interfaz sonido: Musica %s no encontrada\n", path);
        return 0;
    }
    SDL_RWops* rw = SDL_RWFromFP(probe, SDL_TRUE);
    if (!rw) fclose(probe);
    music_ = rw ? Mix_LoadMUS_RW(rw, 1) : nullptr;
    if (!music_) {
        LogPrintf("     Interfaz sonido: No se ha podido abrir el stream de %s \n", path);
        LogMixerError();
        return 0;
    }
    StartMusic();
    return 0;
}

int SonidoFMOD::StopMusic() {
    if (music_) {
        Mix_HaltMusic();
        Mix_FreeMusic(music_);
        music_ = nullptr;
    }
    return 0;
}

int SonidoFMOD::PlaySample(int index) {
    if (!Loaded(index)) return 1;
    int channel = Mix_PlayChannel(-1, samples_[index], 0);
    if (channel == -1) {
        // Every channel busy: the oldest sound gives way to the new one.
        // Otherwise whether a sound plays would hang on how far the mixer
        // thread has got, and a replay would not log the same lines.
        const int oldest = Mix_GroupOldest(-1);
        if (oldest >= 0) {
            Mix_HaltChannel(oldest);
            channel = Mix_PlayChannel(oldest, samples_[index], 0);
        }
    }
    if (channel == -1) {
        LogPrintf("     Interfaz sonido: no se puede reproducir el sonido %d\n", index);
        LogMixerError();
    }
    return 1;
}

int SonidoFMOD::StartMusic() {
    if (!music_) return 1;
    // SDL_mixer restarts the stream at its end by itself (-1: forever), so
    // nothing has to run on the audio thread.
    if (Mix_PlayMusic(music_, -1) == -1) {
        LogPrintf("     Interfaz sonido: no se puede reproducir la musica\n");
        LogMixerError();
    }
    return 1;
}

int SonidoFMOD::Update(float) { return 1; }
