// The intro's scenes and the table that says when each is drawn.
#include "menus/IntroStory.h"

#include <initializer_list>

#include "base/Random.h"
#include "effects/Particulas.h"
#include "menus/IntroScreen.h"

namespace {

constexpr float kBoltPeriod = 0.05f;
constexpr const char* kAuthorLine = "UN JUEGO DEL EQUIPO CORRALON";

// Draws one frame's scene with the menu's tint.
class Story {
public:
    Story(IntroScreen& intro, float t, float dt)
        : intro_(intro), c_(intro.context), r_(intro.context.renderer), t_(t), dt_(dt) {}

    // The scenes, one per window of the storyboard.
    void Logo();
    void EggCaptionFadesIn();
    void SmallEgg();
    void GreatEgg();
    void TwoYolks();
    void GoodYolk();
    void EvilYolk();
    void YolksFade();
    void Brocanto();
    void Truvaldino();
    void HeroesCloseIn();
    void Clash();
    void Title();

private:
    void Caption(const char* text, float alpha, float x = 0.5f, float y = 0.8f) {
        r_->DrawTextCentered(x, y, 1.0f, c_.fadeR, c_.fadeG, c_.fadeB, alpha, "%s", text);
    }
    void Picture(int slot, float x, float y, float w, float h, float alpha) {
        r_->DrawImage(x, y, w, h, intro_.pictures[slot], c_.fadeR, c_.fadeG, c_.fadeB, alpha);
    }
    void BigEgg(float alpha = 1.0f) {
        Picture(IntroScreen::kEgg, 0.2f, 0.0f, 0.6f, 0.85f, alpha);
    }
    void Yolk(float y, float fade = 1.0f) {
        r_->DrawImage(0.4f, y, 0.2f, 0.25f, intro_.pictures[IntroScreen::kYolk],
                      0.8f * c_.fadeR * fade, 0.4f * c_.fadeG * fade, 0.2f * c_.fadeB * fade,
                      1.0f);
    }
    void Overlay(int a, int b) { r_->SetOverlayMode(a, b); }
    void Sparks();
    void RenewBolts();
    void Bolts();

    IntroScreen& intro_;
    const MenuContext& c_;
    Renderer* r_;
    float t_;
    float dt_;
};

// Each window runs up to its end; the first starts at 0.
struct StoryWindow {
    float end;
    void (Story::*scene)();
};
const StoryWindow kStoryboard[] = {
    {2.0f, &Story::Logo},
    {3.0f, &Story::EggCaptionFadesIn},
    {6.0f, &Story::SmallEgg},
    {9.0f, &Story::GreatEgg},
    {12.0f, &Story::TwoYolks},
    {15.0f, &Story::GoodYolk},
    {18.0f, &Story::EvilYolk},
    {20.0f, &Story::YolksFade},
    {23.0f, &Story::Brocanto},
    {26.0f, &Story::Truvaldino},
    {28.0f, &Story::HeroesCloseIn},
    {kIntroFadeStart, &Story::Clash},
    {kIntroLength, &Story::Title},
};

void Story::Logo() {
    const float k = 2.0f - t_;
    const float r = k * c_.fadeR, g = k * c_.fadeG, b = k * c_.fadeB;
    r_->DrawImage(0.0f, 0.0f, 1.0f, 1.0f, intro_.pictures[IntroScreen::kLogo], r, g, b, 1.0f);
    Overlay(1, 1);
    r_->DrawTextCentered(0.5f, 0.45f, 2.0f, r, g, b, 1.0f, "QUARVELL GAMES");
    r_->DrawTextCentered(0.5f, 0.55f, 2.0f, r, g, b, 1.0f, "PRESENTA");
    r_->DrawTextCentered(0.5f, 0.65f, 1.0f, r, g, b, 1.0f, "%s", MenuContext::kWebAddress);
    r_->DrawText(0.6f, 0.95f, 0.8f, c_.fadeR, c_.fadeG, c_.fadeB, k, "%s", kAuthorLine);
    Overlay(0, 0);
}

void Story::EggCaptionFadesIn() {
    Overlay(1, 1);
    Caption("LA HISTORIA COMIENZA CON UN HUEVO...", t_ - 2.0f);
    Overlay(0, 0);
}

void Story::SmallEgg() {
    Overlay(1, 1);
    Caption("LA HISTORIA COMIENZA CON UN HUEVO...", 1.0f);
    Picture(IntroScreen::kEgg, 0.46f, 0.45f, 0.08f, 0.1f, t_ - 3.0f);
    Overlay(0, 0);
}

void Story::GreatEgg() {
    Overlay(1, 1);
    Caption("...UN GRAN HUEVO...", 1.0f);
    BigEgg();
    Overlay(0, 0);
}

void Story::TwoYolks() {
    Overlay(1, 1);
    Caption("...UN HUEVO CON 2 YEMAS...", 1.0f);
    BigEgg();
    Overlay(1, 3);
    Yolk(0.25f);
    Yolk(0.45f);
    Overlay(0, 0);
}

void Story::GoodYolk() {
    Overlay(1, 1);
    Caption("...UNA ERA EL BIEN...", 1.0f);
    BigEgg();
    Overlay(1, 3);
    Yolk(0.25f);
    r_->DrawImage(0.4f, 0.23f, 0.2f, 0.05f, intro_.pictures[IntroScreen::kHalo], 0.8f * c_.fadeR,
                  0.4f * c_.fadeG, 0.2f * c_.fadeB, 1.0f);
    Yolk(0.45f);
    Overlay(0, 0);
}

void Story::EvilYolk() {
    Overlay(1, 1);
    Caption("...Y OTRA EL MAL...", 1.0f);
    BigEgg();
    Overlay(1, 3);
    Yolk(0.25f);
    Yolk(0.45f);
    Overlay(1, 1);
    Picture(IntroScreen::kHorns, 0.4f, 0.45f, 0.2f, 0.25f, 1.0f);
    Overlay(0, 0);
}

void Story::YolksFade() {
    Overlay(1, 1);
    Caption("...DE EL NACIERON 2 POLLOS...", 1.0f);
    BigEgg();
    Overlay(1, 3);
    Yolk(0.25f, (20.0f - t_) * 0.5f);
    Yolk(0.45f, (20.0f - t_) * 0.5f);
    Overlay(0, 0);
}

// Brocanto slides out from behind the egg.
void Story::Brocanto() {
    Overlay(1, 1);
    Caption("...BROCANTO...", 1.0f, 0.25f);
    Picture(IntroScreen::kHero1, 0.3f - 0.1f * (t_ - 20.0f), 0.15f, 0.35f, 0.5f, 1.0f);
    BigEgg();
}

// Then Truvaldino, mirrored.
void Story::Truvaldino() {
    Overlay(1, 1);
    Caption("...BROCANTO...", 1.0f, 0.25f);
    Caption("...Y TRUVALDINO...", 1.0f, 0.75f);
    Picture(IntroScreen::kHero1, 0.0f, 0.15f, 0.35f, 0.5f, 1.0f);
    Picture(IntroScreen::kHero2, 0.7f + 0.1f * (t_ - 23.0f), 0.15f, -0.35f, 0.5f, 1.0f);
    BigEgg();
}

// The heroes close in while the egg fades.
void Story::HeroesCloseIn() {
    Overlay(1, 1);
    Caption("...ENFRENTADOS DESDE EL DIA...", 1.0f, 0.4f);
    Caption("...DE SU NACIMIENTO...", 1.0f, 0.6f, 0.85f);
    Picture(IntroScreen::kHero1, 0.05f * (t_ - 26.0f), 0.15f, 0.35f, 0.5f, 1.0f);
    Picture(IntroScreen::kHero2, 1.0f - 0.05f * (t_ - 26.0f), 0.15f, -0.35f, 0.5f, 1.0f);
    BigEgg((28.0f - t_) * 0.5f);
}

// Sparks and bolts between them.
void Story::Clash() {
    Overlay(1, 1);
    Sparks();
    const float alpha = kIntroFadeStart - t_;
    Caption("...ENFRENTADOS DESDE EL DIA...", alpha, 0.4f);
    Caption("...DE SU NACIMIENTO...", alpha, 0.6f, 0.85f);
    Picture(IntroScreen::kHero1, 0.1f, 0.15f, 0.35f, 0.5f, alpha);
    Picture(IntroScreen::kHero2, 0.9f, 0.15f, -0.35f, 0.5f, alpha);
    RenewBolts();
    Overlay(1, 3);
    Bolts();
    Overlay(0, 0);
}

// Once per run, however short the window turns out at this frame rate.
void Story::Sparks() {
    if (intro_.sparksShown) return;
    intro_.sparksShown = true;
    for (float x : {0.34f, 0.6525f}) {
        Emision spark;
        spark.kind = kParticleSpark;
        spark.w = spark.h = 0.3f;
        spark.life = 1.0f;
        spark.x = x;
        spark.y = 0.22f;
        c_.particles->Emitir(1, true, spark);
    }
}

// Each bolt picks one of the sheet's frames anew every period, after the
// sparks have taken their draws from the shared generator.
void Story::RenewBolts() {
    intro_.boltTimer -= dt_;
    if (intro_.boltTimer >= 0.0f) return;
    intro_.boltTimer = kBoltPeriod;
    for (float& v : intro_.boltOffsets) v = 0.25f * static_cast<float>(GameRandom().Next() % 5);
}

void Story::Bolts() {
    const float fade = (kIntroFadeStart - t_) * 0.5f;
    const float r = 0.5f * c_.fadeR * fade, g = 0.6f * c_.fadeG * fade, b = c_.fadeB * fade;
    for (float x : {0.25f, 0.55f})
        r_->DrawImage(x, 0.15f, 0.2f, 0.2f, intro_.pictures[IntroScreen::kStar], r, g, b, fade);
    for (float v : intro_.boltOffsets)
        r_->DrawImagePart(0.32f, 0.15f, 0.35f, 0.2f, 0.0f, v, 1.0f, v + 0.25f,
                          intro_.pictures[IntroScreen::kBolts], r, g, b, fade);
}

// The title drifts up while the screen fades.
void Story::Title() {
    struct Line {
        float y;  // at t = 0
        const char* text;
    };
    const Line lines[] = {{0.5f, "BROCANTO ARENA"},
                          {0.6f, "-"},
                          {0.7f, "TRUVALDINO BLENDOSO"},
                          {0.8f, "< - >"}};
    Overlay(1, 1);
    for (const Line& line : lines)
        r_->DrawTextCentered(0.5f, line.y - 0.01f * t_, 1.0f, c_.fadeR, c_.fadeG, c_.fadeB, 1.0f,
                             "%s", line.text);
    Overlay(0, 0);
}

}  // namespace

void DrawIntroStory(IntroScreen& intro, float t, float dt) {
    for (const StoryWindow& window : kStoryboard) {
        if (t == window.end) return;
        if (t < window.end) {
            Story story(intro, t, dt);
            (story.*window.scene)();
            return;
        }
    }
}
