// The intro: the logo while the pictures load, then the 38-second story of
// the egg with two yolks, ending on the game's title.
#include <algorithm>

#include "base/Random.h"
#include "effects/Particulas.h"
#include "input/Teclado.h"
#include "menus/MenuController.h"
#include "sdk/GameSettings.h"
#include "sdk/Sonido.h"

namespace {

struct IntroPicture {
    int slot;
    const char* file;
    bool keyed;  // on magenta
};

// Loading order; the logo comes first and is shown before the rest load.
const IntroPicture kIntroPictures[] = {
    {kPictureLogo, "bmp\\quarvell.bmp", false},
    {kPictureLoflipo, "bmp\\loflipo.bmp", false},
    {kPictureEgg, "bmp\\huevohi.bmp", true},
    {kPictureYolk, "bmp\\burbuja.bmp", false},
    {kPictureHorns, "bmp\\cuernos.bmp", true},
    {kPictureHalo, "bmp\\circle.bmp", false},
    {kPictureBolts, "bmp\\rayos.bmp", false},
    {kPictureStar, "bmp\\star.bmp", false},
    {kPictureBoltsKeyed, "bmp\\rayos.bmp", true},
    {kPictureHero1, "bmp\\Brocanto.bmp", true},
    {kPictureHero2, "bmp\\Truvaldino.bmp", true},
};

constexpr float kLength = 38.0f;
constexpr float kFadeStart = 32.0f;
constexpr float kBoltPeriod = 0.05f;
constexpr const char* kAuthorLine = "UN JUEGO DEL EQUIPO CORRALON";

// Upper bounds of the story's windows; a time exactly on one belongs to
// no window.
constexpr float kWindowEnds[] = {2, 3, 6, 9, 12, 15, 18, 20, 23, 26, 28, 32, 38};
constexpr int kWindowCount = sizeof kWindowEnds / sizeof kWindowEnds[0];

// Index of the window strictly containing t, or -1.
int WindowAt(float t) {
    for (int i = 0; i < kWindowCount; ++i) {
        if (t == kWindowEnds[i]) return -1;
        if (t < kWindowEnds[i]) return i;
    }
    return -1;
}

// Draws the windows of the story with the menu's tint.
class Story {
public:
    Story(MenuController& m, float t, float dt) : m_(m), r_(m.renderer), t_(t), dt_(dt) {}

    void Caption(const char* text, float alpha, float x = 0.5f, float y = 0.8f) {
        r_->DrawTextCentered(x, y, 1.0f, m_.fadeR, m_.fadeG, m_.fadeB, alpha, "%s", text);
    }
    void Picture(int slot, float x, float y, float w, float h, float alpha) {
        r_->DrawImage(x, y, w, h, m_.pictures[slot], m_.fadeR, m_.fadeG, m_.fadeB, alpha);
    }
    void BigEgg(float alpha = 1.0f) { Picture(kPictureEgg, 0.2f, 0.0f, 0.6f, 0.85f, alpha); }
    void Yolk(float y, float fade = 1.0f) {
        r_->DrawImage(0.4f, y, 0.2f, 0.25f, m_.pictures[kPictureYolk], 0.8f * m_.fadeR * fade,
                      0.4f * m_.fadeG * fade, 0.2f * m_.fadeB * fade, 1.0f);
    }
    void Overlay(int a, int b) { r_->SetOverlayMode(a, b); }

    void Draw(int window);

private:
    void Logo();
    void Sparks();
    void RenewBolts();
    void Bolts();
    void Title();

    MenuController& m_;
    Renderer* r_;
    float t_;
    float dt_;
};

void Story::Logo() {
    const float k = 2.0f - t_;
    const float r = k * m_.fadeR, g = k * m_.fadeG, b = k * m_.fadeB;
    r_->DrawImage(0.0f, 0.0f, 1.0f, 1.0f, m_.pictures[kPictureLogo], r, g, b, 1.0f);
    Overlay(1, 1);
    r_->DrawTextCentered(0.5f, 0.45f, 2.0f, r, g, b, 1.0f, "QUARVELL GAMES");
    r_->DrawTextCentered(0.5f, 0.55f, 2.0f, r, g, b, 1.0f, "PRESENTA");
    r_->DrawTextCentered(0.5f, 0.65f, 1.0f, r, g, b, 1.0f, "%s", MenuController::kWebAddress);
    r_->DrawText(0.6f, 0.95f, 0.8f, m_.fadeR, m_.fadeG, m_.fadeB, k, "%s", kAuthorLine);
    Overlay(0, 0);
}

// Once per run, however short the window turns out at this frame rate.
void Story::Sparks() {
    if (m_.intro.sparksShown) return;
    m_.intro.sparksShown = true;
    for (float x : {0.34f, 0.6525f}) {
        Emision spark;
        spark.kind = kParticleSpark;
        spark.w = spark.h = 0.3f;
        spark.life = 1.0f;
        spark.x = x;
        spark.y = 0.22f;
        m_.particles->Emitir(1, true, spark);
    }
}

// Each bolt picks one of the sheet's frames anew every period, after the
// sparks have taken their draws from the shared generator.
void Story::RenewBolts() {
    MenuController::IntroState& s = m_.intro;
    s.boltTimer -= dt_;
    if (s.boltTimer >= 0.0f) return;
    s.boltTimer = kBoltPeriod;
    for (float& v : s.boltOffsets) v = 0.25f * static_cast<float>(GameRandom().Next() % 5);
}

void Story::Bolts() {
    MenuController::IntroState& s = m_.intro;
    const float fade = (kFadeStart - t_) * 0.5f;
    const float r = 0.5f * m_.fadeR * fade, g = 0.6f * m_.fadeG * fade, b = m_.fadeB * fade;
    for (float x : {0.25f, 0.55f})
        r_->DrawImage(x, 0.15f, 0.2f, 0.2f, m_.pictures[kPictureStar], r, g, b, fade);
    for (float v : s.boltOffsets)
        r_->DrawImagePart(0.32f, 0.15f, 0.35f, 0.2f, 0.0f, v, 1.0f, v + 0.25f,
                          m_.pictures[kPictureBolts], r, g, b, fade);
}

void Story::Title() {
    struct Line {
        float y;  // at t = 0
        const char* text;
    };
    const Line lines[] = {{0.5f, "BROCANTO ARENA"},
                          {0.6f, "-"},
                          {0.7f, "TRUVALDINO BLENDOSO"},
                          {0.8f, "< - >"}};
    for (const Line& line : lines)
        r_->DrawTextCentered(0.5f, line.y - 0.01f * t_, 1.0f, m_.fadeR, m_.fadeG, m_.fadeB, 1.0f,
                             "%s", line.text);
}

void Story::Draw(int window) {
    const float t = t_;
    switch (window) {
        case 0:  // up to 2 s
            Logo();
            break;
        case 1:  // 2 to 3
            Overlay(1, 1);
            Caption("LA HISTORIA COMIENZA CON UN HUEVO...", t - 2.0f);
            Overlay(0, 0);
            break;
        case 2:  // 3 to 6
            Overlay(1, 1);
            Caption("LA HISTORIA COMIENZA CON UN HUEVO...", 1.0f);
            Picture(kPictureEgg, 0.46f, 0.45f, 0.08f, 0.1f, t - 3.0f);
            Overlay(0, 0);
            break;
        case 3:  // 6 to 9
            Overlay(1, 1);
            Caption("...UN GRAN HUEVO...", 1.0f);
            BigEgg();
            Overlay(0, 0);
            break;
        case 4:  // 9 to 12
            Overlay(1, 1);
            Caption("...UN HUEVO CON 2 YEMAS...", 1.0f);
            BigEgg();
            Overlay(1, 3);
            Yolk(0.25f);
            Yolk(0.45f);
            Overlay(0, 0);
            break;
        case 5: {  // 12 to 15
            Overlay(1, 1);
            Caption("...UNA ERA EL BIEN...", 1.0f);
            BigEgg();
            Overlay(1, 3);
            Yolk(0.25f);
            r_->DrawImage(0.4f, 0.23f, 0.2f, 0.05f, m_.pictures[kPictureHalo], 0.8f * m_.fadeR,
                          0.4f * m_.fadeG, 0.2f * m_.fadeB, 1.0f);
            Yolk(0.45f);
            Overlay(0, 0);
            break;
        }
        case 6:  // 15 to 18
            Overlay(1, 1);
            Caption("...Y OTRA EL MAL...", 1.0f);
            BigEgg();
            Overlay(1, 3);
            Yolk(0.25f);
            Yolk(0.45f);
            Overlay(1, 1);
            Picture(kPictureHorns, 0.4f, 0.45f, 0.2f, 0.25f, 1.0f);
            Overlay(0, 0);
            break;
        case 7:  // 18 to 20: the yolks fade out
            Overlay(1, 1);
            Caption("...DE EL NACIERON 2 POLLOS...", 1.0f);
            BigEgg();
            Overlay(1, 3);
            Yolk(0.25f, (20.0f - t) * 0.5f);
            Yolk(0.45f, (20.0f - t) * 0.5f);
            Overlay(0, 0);
            break;
        case 8:  // 20 to 23: Brocanto slides out from behind the egg
            Overlay(1, 1);
            Caption("...BROCANTO...", 1.0f, 0.25f);
            Picture(kPictureHero1, 0.3f - 0.1f * (t - 20.0f), 0.15f, 0.35f, 0.5f, 1.0f);
            BigEgg();
            break;
        case 9:  // 23 to 26: then Truvaldino, mirrored
            Overlay(1, 1);
            Caption("...BROCANTO...", 1.0f, 0.25f);
            Caption("...Y TRUVALDINO...", 1.0f, 0.75f);
            Picture(kPictureHero1, 0.0f, 0.15f, 0.35f, 0.5f, 1.0f);
            Picture(kPictureHero2, 0.7f + 0.1f * (t - 23.0f), 0.15f, -0.35f, 0.5f, 1.0f);
            BigEgg();
            break;
        case 10:  // 26 to 28: the heroes close in, the egg fades
            Overlay(1, 1);
            Caption("...ENFRENTADOS DESDE EL DIA...", 1.0f, 0.4f);
            Caption("...DE SU NACIMIENTO...", 1.0f, 0.6f, 0.85f);
            Picture(kPictureHero1, 0.05f * (t - 26.0f), 0.15f, 0.35f, 0.5f, 1.0f);
            Picture(kPictureHero2, 1.0f - 0.05f * (t - 26.0f), 0.15f, -0.35f, 0.5f, 1.0f);
            BigEgg((28.0f - t) * 0.5f);
            break;
        case 11: {  // 28 to 32: sparks and bolts between them
            Overlay(1, 1);
            Sparks();
            const float alpha = kFadeStart - t;
            Caption("...ENFRENTADOS DESDE EL DIA...", alpha, 0.4f);
            Caption("...DE SU NACIMIENTO...", alpha, 0.6f, 0.85f);
            Picture(kPictureHero1, 0.1f, 0.15f, 0.35f, 0.5f, alpha);
            Picture(kPictureHero2, 0.9f, 0.15f, -0.35f, 0.5f, alpha);
            RenewBolts();
            Overlay(1, 3);
            Bolts();
            Overlay(0, 0);
            break;
        }
        case 12:  // 32 to 38: the title drifts up while the screen fades
            Overlay(1, 1);
            Title();
            Overlay(0, 0);
            break;
        default:
            break;
    }
}

}  // namespace

void MenuController::ShowLogo(Renderer* drawing) {
    intro.logoShown = true;
    pictures[kPictureLogo] = drawing->LoadTexture(kIntroPictures[0].file);
    drawing->DrawImage(0.0f, 0.0f, 1.0f, 1.0f, pictures[kPictureLogo], 1.0f, 1.0f, 1.0f, 1.0f);
    drawing->Present();
}

void MenuController::LoadIntro() {
    if (!intro.logoShown) ShowLogo(renderer);
    // The logo stays on screen while the rest load.
    for (const IntroPicture& p : kIntroPictures) {
        if (p.slot == kPictureLogo) continue;
        pictures[p.slot] = p.keyed ? renderer->LoadTextureKeyed(p.file, 255, 0, 255)
                                   : renderer->LoadTexture(p.file);
    }
    SetTint(1.0f);
}

int MenuController::Intro(GameState* gameState, float dt) {
    float& t = intro.clock;
    // Black at 38 s; kept within full brightness, since the tint also
    // reaches the particles and every later screen.
    if (t > kFadeStart) SetTint(std::min(1.0f, (kLength - t) * 0.5f));
    t += dt;

    renderer->SetClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    renderer->SetRenderFlags(1, 1);

    Story(*this, t, dt).Draw(WindowAt(t));

    renderer->SetOverlayMode(0, 0);
    particles->DrawBleeding(0.0f, 0.0f, dt);
    particles->DrawBack(0.0f, 0.0f, dt);
    particles->DrawFront(0.0f, 0.0f, dt);
    renderer->SetOverlayMode(0, 0);

    const bool escape = keyboard->SpecialKeyOnce(kSpecialEscape);
    if (t > kLength || escape) {
        for (const IntroPicture& p : kIntroPictures) {
            renderer->ReleaseTexture(pictures[p.slot]);
            pictures[p.slot] = 0;
        }
        particles->Clear();
        SetTint(1.0f);
        idleTime = 20.0f;
        sound->PlayMusic(Settings()->musicMenu);
        *gameState = Menu;
    }
    return 0;
}
