#pragma once
// The sound plug-in: one looping music stream and a growing table of
// samples, played through SDL_mixer.
#include <SDL_mixer.h>

#include <cstdint>

#include "sdk/Sonido.h"

class SonidoFMOD final : public Sonido {
public:
    SonidoFMOD() = default;
    ~SonidoFMOD();
    SonidoFMOD(const SonidoFMOD&) = delete;
    SonidoFMOD& operator=(const SonidoFMOD&) = delete;

    int Init(WindowHandle window, InstanceHandle instance) override;
    int Shutdown() override;
    int LoadSample(const char* path) override;
    int FreeSample(int index) override;
    int PlayMusic(const char* path) override;
    int StopMusic() override;
    int PlaySample(int index) override;
    int StartMusic() override;
    int Update(float slowMotionTime) override;

    // For tests.
    int Capacity() const { return capacity_; }
    const Mix_Music* CurrentMusic() const { return music_; }

private:
    bool Loaded(int index) const;

    WindowHandle window_ = nullptr;
    Mix_Music* music_ = nullptr;
    char musicPath_[256] = {};
    int32_t sampleCount_ = 0;
    int32_t capacity_ = 0;
    Mix_Chunk** samples_ = nullptr;
    int32_t mixRate_ = 44100;
    bool deviceOpen_ = false;
};
