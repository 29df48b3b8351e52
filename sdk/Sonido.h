#pragma once
// The sound plug-in boundary, shared by the game, the sound library and the
// behaviour libraries. Nine operations in this order and no virtual
// destructor: the object is never deleted by the game. A library exports
//   extern "C" Sonido* CreateSoundInstance();
//   extern "C" void FreeSoundInstance(Sonido*);
#include "sdk/PlatformTypes.h"

class Sonido {
public:
    virtual int Init(WindowHandle window, InstanceHandle instance) = 0;
    virtual int Shutdown() = 0;
    virtual int LoadSample(const char* path) = 0;
    virtual int FreeSample(int index) = 0;
    virtual int PlayMusic(const char* path) = 0;
    virtual int StopMusic() = 0;
    virtual int PlaySample(int index) = 0;
    virtual int StartMusic() = 0;
    virtual int Update(float slowMotionTime) = 0;
};

extern "C" {
typedef Sonido* (*CreateSoundInstanceFn)();
typedef void (*FreeSoundInstanceFn)(Sonido*);
}
