// The library's two factory functions, under plain C names.
#include <new>

#include "plugins/sound_fmod/SonidoFMOD.h"

extern "C" __attribute__((visibility("default"))) Sonido* CreateSoundInstance() {
    return new (std::nothrow) SonidoFMOD();
}

extern "C" __attribute__((visibility("default"))) void FreeSoundInstance(Sonido* sound) {
    delete static_cast<SonidoFMOD*>(sound);
}
