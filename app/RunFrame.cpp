#include "app/RunFrame.h"

#include <cstdio>

#include "sdk/Renderer.h"
#include "sdk/Sonido.h"
#include "fight/TimeEffects.h"
#include "input/Teclado.h"

void RunFrameWith(const FrameContext& c, FrameRateDisplay* display) {
    c.timer->Update();
    if (c.frameTime) c.timer->delta = c.frameTime(c.timer->delta);
    const double delta = c.timer->delta;

    // A zero delta makes this infinite; only the display reads it.
    display->frameRate = static_cast<float>(1.0 / delta);

    const float t = static_cast<float>(c.tickCount()) * 0.001f;
    if (t - display->lastTitleUpdate > 1.0f) {
        display->lastTitleUpdate = t;
        display->frameRateShown = display->frameRate;
        char title[64];
        snprintf(title, sizeof title, "Brocanto OGL; FPS:%4.2f",
                 static_cast<double>(display->frameRate));
        c.setTitle(title);
    }

    GameSettings& s = *c.settings;
    if (c.watch) c.watch->BeforeFrame();
    const float dt = RunTimeEffects(&s, delta);

    if (c.sound) c.sound->Update(s.slowMotionTime);
    c.keyboard->Poll();
    if (c.watch) c.watch->AfterPoll();

    switch (*c.state) {
        case GameState::kMenu: c.menuFrame(c.state, dt); break;
        case GameState::kFight: c.fightFrame(dt); break;
        case GameState::kIntro: c.introFrame(c.state, dt); break;
        case GameState::kCredits: c.creditsFrame(c.state, dt); break;
        default: break;
    }
    if (c.watch) c.watch->AfterFrame(delta);

    if (s.debugInfo) {
        float unused[3];
        c.renderer->SetOverlayMode(1, 1);
        c.renderer->QueryView(&unused[0], &unused[1], &unused[2]);
        c.renderer->DrawTextCentered(0.5f, 0.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, "FPS:%4.2f",
                                     static_cast<double>(display->frameRateShown));
    }
    c.renderer->SetOverlayMode(0, 0);
    c.renderer->Present();
}
