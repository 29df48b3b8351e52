#include "tools/viewer/Sparring.h"

#include "sdk/GameSettings.h"
#include "sdk/Bicho.h"
#include "fight/Particulas.h"
#include "sdk/Renderer.h"
#include "input/Teclado.h"

namespace {

const float kStartX[2] = {0.3f, 0.7f};
const float kLives = 10.0f;
const float kText = 0.5f;
const char kSparHelp[] =
    "JUGADOR 1: TECLAS DE CFG\\TECLADODI.CFG  JUGADOR 2: ORDENADOR  ESC SALIR";

}  // namespace

bool Sparring::Load(const std::string& player1, const std::string& player2) {
    Close();
    bool loaded = true;
    const std::string* paths[2] = {&player1, &player2};
    for (int i = 0; i < 2; ++i) {
        Bicho* b = CreateBicho();
        b->Init(nullptr, renderer_, particles_, sound_, settings_, nullptr);
        if (b->Load(paths[i]->c_str()) != 0) loaded = false;
        b->SetArenaSize(1.0f, 1.0f);
        b->SetGround(kFloor);
        b->SetMaxLife(kLives);
        b->SetPower(0.0f);
        b->SetMaxPower(kLives);
        b->SetPlayerNumber(i + 1);
        fighters_[i] = b;
    }
    fighters_[0]->SetOpponent(fighters_[1]);
    fighters_[1]->SetOpponent(fighters_[0]);
    Restart();
    return loaded;
}

void Sparring::Close() {
    for (Bicho*& b : fighters_) {
        if (!b) continue;
        b->Release();
        DestroyBicho(b);
        b = nullptr;
    }
}

void Sparring::Restart() {
    if (!fighters_[0]) return;
    particles_->Clear();
    settings_->slowMotionTime = 0.0f;
    for (int i = 0; i < 2; ++i) {
        Bicho* b = fighters_[i];
        b->SetX(kStartX[i]);
        b->SetY(kFloor);
        b->SetVelocityX(0.0f);
        b->SetVelocityY(0.0f);
        b->SetSpecialMove(0);
        b->SetSpecialTime(0.0f);
        b->ClearGhosts();
        b->SetGhostTime(0.0f);
        b->Reset();
        b->SetFacing(i == 0 ? 1 : -1);
    }
    decidedFor_ = 0.0f;
    decided_ = false;
}

int Sparring::Winner() const {
    if (!fighters_[0]) return 0;
    if (fighters_[1]->GetLife() <= 0.0f) return 1;
    if (fighters_[0]->GetLife() <= 0.0f) return 2;
    return 0;
}

void Sparring::Frame(float measured) {
    if (!fighters_[0]) return;
    // The game's time effect: slow motion runs the world at a quarter speed.
    float dt = measured;
    if (settings_->slowMotionTime > 0.0f) {
        settings_->slowMotionTime -= measured;
        dt = measured * 0.25f;
    }
    gameTime_ = dt;
    keyboard_->Poll();
    // Both players are asked every frame; a decided round takes no input.
    int flags[2] = {
        static_cast<int>(ScreenDirections(keyboard_->GetInput(0, fighters_[0]->GetFacing(), dt),
                                          fighters_[0]->GetFacing())),
        fighters_[1]->Think(dt),
    };
    if (Winner()) flags[0] = flags[1] = 0;
    for (int i = 0; i < 2; ++i) fighters_[i]->Update(flags[i], dt);
    Draw(dt);
    if (const int winner = Winner()) {
        if (!decided_) ++roundsWon_[winner - 1];
        decided_ = true;
        decidedFor_ += measured;
        if (decidedFor_ > kRestartDelay) Restart();
    }
}

void Sparring::DrawLifeBar(int index, float x) {
    const Bicho* b = fighters_[index];
    const float share = b->maxLife > 0.0f ? b->life / b->maxLife : 0.0f;
    renderer_->FillRect(x, 0.05f, 0.4f, 0.03f, 0.3f, 0.0f, 0.0f, 1.0f);
    const float w = 0.4f * (share > 0.0f ? share : 0.0f);
    // Player 2's bar empties toward the middle, like the fight's.
    renderer_->FillRect(index == 0 ? x : x + 0.4f - w, 0.05f, w, 0.03f, 1.0f, 0.8f, 0.1f, 1.0f);
    renderer_->DrawText(x, 0.09f, kText, 1, 1, 1, 1, "%s  %d", b->name ? b->name : "?",
                        roundsWon_[index]);
}

void Sparring::Draw(float dt) {
    renderer_->SetOverlayMode(1, 1);
    renderer_->FillRect(0.0f, kFloor, 1.0f, 1.0f - kFloor, 0.25f, 0.22f, 0.18f, 1.0f);
    renderer_->DrawLine(0.0f, kFloor, 1.0f, kFloor, 0.5f, 0.5f, 0.4f, 1.0f);
    particles_->DrawBack(0.0f, 0.0f, dt);
    for (Bicho* b : fighters_) b->Draw(0.0f, 0.0f, dt);
    particles_->DrawBleeding(0.0f, 0.0f, dt);
    particles_->DrawFront(0.0f, 0.0f, dt);
    renderer_->SetOverlayMode(1, 1);
    DrawLifeBar(0, 0.05f);
    DrawLifeBar(1, 0.55f);
    if (const int winner = Winner())
        renderer_->DrawTextCentered(0.5f, 0.4f, 1.5f, 1, 1, 0.3f, 1,
                                    winner == 1 ? "GANAS" : "PIERDES");
    if (settings_->slowMotionTime > 0.0f)
        renderer_->DrawTextCentered(0.5f, 0.2f, 0.8f, 0.6f, 0.8f, 1, 1, "CAMARA LENTA");
    renderer_->DrawText(0.02f, 0.96f, kText, 0.7f, 0.7f, 0.7f, 1, "%s", kSparHelp);
}
