// The intro's pictures and its frame; the scenes are in IntroStory.cpp.
#include "menus/IntroScreen.h"

#include <algorithm>

#include "effects/Particulas.h"
#include "input/Teclado.h"
#include "menus/IntroStory.h"
#include "sdk/GameSettings.h"
#include "sdk/Sonido.h"

namespace {

struct PictureFile {
    const char* file;
    bool keyed;  // on magenta
};

// In the order of IntroScreen::Picture, which is the loading order; the
// logo comes first and is shown before the rest load.
const PictureFile kPictureFiles[IntroScreen::kPictureCount] = {
    {"bmp\\quarvell.bmp", false}, {"bmp\\loflipo.bmp", false},   {"bmp\\huevohi.bmp", true},
    {"bmp\\burbuja.bmp", false},  {"bmp\\cuernos.bmp", true},    {"bmp\\circle.bmp", false},
    {"bmp\\rayos.bmp", false},    {"bmp\\star.bmp", false},      {"bmp\\rayos.bmp", true},
    {"bmp\\Brocanto.bmp", true},  {"bmp\\Truvaldino.bmp", true},
};

}  // namespace

void IntroScreen::ShowLogo(Renderer* drawing) {
    logoShown = true;
    pictures[kLogo] = drawing->LoadTexture(kPictureFiles[kLogo].file);
    drawing->DrawImage(0.0f, 0.0f, 1.0f, 1.0f, pictures[kLogo], 1.0f, 1.0f, 1.0f, 1.0f);
    drawing->Present();
}

void IntroScreen::Load() {
    if (!logoShown) ShowLogo(context.renderer);
    // The logo stays on screen while the rest load.
    Renderer* r = context.renderer;
    for (int i = kLogo + 1; i < kPictureCount; ++i) {
        const PictureFile& p = kPictureFiles[i];
        pictures[i] = p.keyed ? r->LoadTextureKeyed(p.file, 255, 0, 255) : r->LoadTexture(p.file);
    }
    context.SetTint(1.0f);
}

bool IntroScreen::Frame(GameState* gameState, float dt) {
    MenuContext& c = context;
    float& t = clock;
    // Black at 38 s; kept within full brightness, since the tint also
    // reaches the particles and every later screen.
    if (t > kIntroFadeStart) c.SetTint(std::min(1.0f, (kIntroLength - t) * 0.5f));
    t += dt;

    c.renderer->SetClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    c.renderer->SetRenderFlags(1, 1);

    DrawIntroStory(*this, t, dt);

    c.renderer->SetOverlayMode(0, 0);
    c.particles->DrawBleeding(0.0f, 0.0f, dt);
    c.particles->DrawBack(0.0f, 0.0f, dt);
    c.particles->DrawFront(0.0f, 0.0f, dt);
    c.renderer->SetOverlayMode(0, 0);

    const bool escape = c.keyboard->SpecialKeyOnce(kSpecialEscape);
    if (t <= kIntroLength && !escape) return false;
    // Cleared, so a later release cannot free a handle the renderer has
    // since given to another picture.
    for (TextureHandle& picture : pictures) {
        c.renderer->ReleaseTexture(picture);
        picture = 0;
    }
    c.particles->Clear();
    c.SetTint(1.0f);
    c.sound->PlayMusic(c.settings->musicMenu);
    *gameState = GameState::kMenu;
    return true;
}
