#pragma once
// Stand-ins before the renderer and the sound that pass every call through,
// except while muted: then nothing is drawn, presented or played, while the
// view, the textures and the samples keep answering. Frames run again after
// a rollback go through them muted, so the player sees and hears each frame
// once.
#include "sdk/Renderer.h"
#include "sdk/Sonido.h"

class MutingRenderer final : public Renderer {
public:
    explicit MutingRenderer(Renderer* inner) : inner_(inner) {}
    void SetMuted(bool muted) { muted_ = muted; }

    CORRALON_RENDERER_OVERRIDES

private:
    Renderer* inner_;
    bool muted_ = false;
    float viewScale_ = 70.0f;  // the last asked for
};

class MutingSound final : public Sonido {
public:
    explicit MutingSound(Sonido* inner) : inner_(inner) {}
    void SetMuted(bool muted) { muted_ = muted; }

    int Init(WindowHandle window, InstanceHandle instance) override {
        return inner_->Init(window, instance);
    }
    int Shutdown() override { return inner_->Shutdown(); }
    int LoadSample(const char* path) override { return inner_->LoadSample(path); }
    int FreeSample(int index) override { return inner_->FreeSample(index); }
    int PlayMusic(const char* path) override { return muted_ ? 1 : inner_->PlayMusic(path); }
    int StopMusic() override { return muted_ ? 1 : inner_->StopMusic(); }
    int PlaySample(int index) override { return muted_ ? 1 : inner_->PlaySample(index); }
    int StartMusic() override { return muted_ ? 1 : inner_->StartMusic(); }
    int Update(float slowMotionTime) override { return inner_->Update(slowMotionTime); }

private:
    Sonido* inner_;
    bool muted_ = false;
};
