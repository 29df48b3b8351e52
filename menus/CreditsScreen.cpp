// The credits' pictures and frame; the entries are in CreditEntries.cpp.
#include "menus/CreditsScreen.h"

#include "effects/Particulas.h"
#include "input/Teclado.h"
#include "menus/CreditEntries.h"
#include "platform/Events.h"

namespace {

struct PictureFile {
    const char* file;
    bool keyed;  // on magenta
};

// The pictures after the font, in the order of CreditsScreen::Picture,
// which is the loading order.
const PictureFile kAfterFont[CreditsScreen::kPictureCount - 1] = {
    {"bmp\\rayos.bmp", false},         {"bmp\\elverdadero.bmp", false},
    {"bmp\\caricatas.bmp", true},      {"bmp\\bocetosmini.bmp", false},
    {"bmp\\bocetosmini2.bmp", false},  {"bmp\\bocetogrande.bmp", false},
    {"bmp\\bocetogrande2.bmp", false}, {"bmp\\caricatas2.bmp", true},
};

constexpr float kScrollPerSecond = 0.094786726f;  // a screen every 10.55 s
constexpr float kTitleUntil = 28.0f;
constexpr float kLength = 33.0f;

// Background by time: one sketch every 7 s, then the final picture.
int BackgroundAt(float c) {
    const int sketches[] = {CreditsScreen::kSketch1, CreditsScreen::kSketch2,
                            CreditsScreen::kSketch3, CreditsScreen::kSketch4};
    for (int i = 0; i < 4; ++i)
        if (c < 7.0f * static_cast<float>(i + 1)) return sketches[i];
    return CreditsScreen::kFinal;
}

}  // namespace

void CreditsScreen::Load() {
    Renderer* r = context.renderer;
    // Every text from now on is set in the credits font.
    r->ReleaseFont();
    pictures[kFont] = r->LoadTextureKeyed("bmp\\fuenteCreditos.bmp", 255, 255, 255);
    r->SetFontTexture(pictures[kFont]);
    context.SetTint(1.0f);
    for (int i = kFont + 1; i < kPictureCount; ++i) {
        const PictureFile& p = kAfterFont[i - 1];
        pictures[i] = p.keyed ? r->LoadTextureKeyed(p.file, 255, 0, 255) : r->LoadTexture(p.file);
    }
}

void CreditsScreen::Frame(GameState* gameState, float dt) {
    const MenuContext& m = context;
    Renderer* renderer = m.renderer;
    float& c = clock;
    c += dt;

    renderer->DrawImage(0.0f, 0.0f, 1.0f, 1.0f, pictures[BackgroundAt(c)], m.fadeR, m.fadeG,
                        m.fadeB, 1.0f);
    renderer->SetOverlayMode(0, 0);
    m.particles->DrawBleeding(0.0f, 0.0f, dt);
    m.particles->DrawBack(0.0f, 0.0f, dt);
    m.particles->DrawFront(0.0f, 0.0f, dt);

    renderer->SetOverlayMode(1, 1);
    const float s = c * kScrollPerSecond;
    for (int i = 0; i < kCreditEntryCount; ++i) {
        const CreditEntry& e = kCreditEntries[i];
        const float y = e.base - s;
        const float alpha = 6.0f * (e.fade - s);
        if (e.text)
            renderer->DrawTextCentered(e.x, y, e.scale, m.fadeR, m.fadeG, m.fadeB, alpha, "%s",
                                       e.text);
        else
            renderer->DrawImagePart(e.x, y, e.w, e.h, e.u0, e.v0, e.u1, e.v1, pictures[e.picture],
                                    m.fadeR, m.fadeG, m.fadeB, alpha);
    }

    renderer->SetOverlayMode(1, 1);
    if (c < kTitleUntil)
        renderer->DrawTextCentered(0.5f, 0.05f, 2.0f, m.fadeR, 0.0f, 0.0f, 1.0f, "CREDITOS");
    renderer->SetOverlayMode(0, 0);

    const bool escape = m.keyboard->SpecialKeyOnce(kSpecialEscape);
    if (c <= kLength && !escape) return;
    m.particles->Clear();
    *gameState = GameState::kClosing;
    // Cleared, so a later release cannot free a handle the renderer has
    // since given to another picture.
    for (TextureHandle& picture : pictures) {
        renderer->ReleaseTexture(picture);
        picture = 0;
    }
    PlatformPostClose();
}
