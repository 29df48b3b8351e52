#pragma once
#include "sdk/Sonido.h"

// Accepts every call and does nothing; LoadSample answers 1.
class SonidoNulo : public Sonido {
public:
    int Init(WindowHandle, InstanceHandle) override { return 1; }
    int Shutdown() override { return 1; }
    int LoadSample(const char*) override { return 1; }
    int FreeSample(int) override { return 1; }
    int PlayMusic(const char*) override { return 1; }
    int StopMusic() override { return 1; }
    int PlaySample(int) override { return 1; }
    int StartMusic() override { return 1; }
    int Update(float) override { return 1; }
};
