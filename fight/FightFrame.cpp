// One fight frame: pause, stage, time over, fighters, drawing, the pause
// screen and the round-end sequence with the end of round and match.
#include <cstring>

#include "fight/Fight.h"
#include "fight/Fondo.h"
#include "fight/GestionJuego.h"
#include "effects/Particulas.h"
#include "fight/RoundBonus.h"
#include "input/Teclado.h"
#include "sdk/Bicho.h"
#include "sdk/GameSettings.h"
#include "sdk/Sonido.h"

namespace {

constexpr int kEscape = kSpecialEscape;
constexpr int kEnter = kSpecialEnter;
constexpr float kViewScale = 70.0f;
// No input and a stopped round clock until the round is this old.
constexpr float kRoundStartWait = 3.0f;

void AwardRound(Bicho* fighter) { fighter->SetRoundsWon(fighter->GetRoundsWon() + 1); }

void FadeToBlack(Renderer* renderer, float alpha) {
    renderer->SetOverlayMode(1, 1);
    renderer->FillRect(0.0f, 0.0f, 1.0f, 1.0f, 0.0f, 0.0f, 0.0f, alpha);
}

bool IsHuman(int gameMode, int index) { return gameMode == 1 || (gameMode == 0 && index == 0); }

void ResetRoundState(FightState& s) {
    s.roundOver = false;
    s.fightClock = 0.0f;
    s.phaseTimer = 5.0f;
    s.phase = 0;
}

// Match over or quit: back to the main menu with a clean particle system.
void LeaveFight(FightController& fight) {
    const FightContext& c = fight.context;
    FreeFight(fight);
    c.particles->Clear();
    c.particles->SetTint(1.0f, 1.0f, 1.0f);
    if (c.hooks.returnMenuToRoot) c.hooks.returnMenuToRoot(c.hooks.user);
    c.renderer->SetViewScale(kViewScale);
    c.settings->slowMotionTime = 0.0f;
    c.sound->PlayMusic(c.settings->musicMenu);
    *c.state = GameState::kMenu;
}

void TimeOver(FightController& fight) {
    FightState& s = fight.state;
    const GameSettings& settings = *fight.context.settings;
    if (s.roundOver || settings.unlimitedTime || !(settings.roundTime < fight.display.roundClock))
        return;
    Bicho* f0 = fight.fighters[0];
    Bicho* f1 = fight.fighters[1];
    const float life0 = f0->GetLife();
    const float life1 = f1->GetLife();
    // A fighter already down is left to the knock-out check of this frame,
    // which needs the round still open to award it.
    if (!(life0 > 0.0f && life1 > 0.0f)) return;
    if (life0 != life1) AwardRound(life0 > life1 ? f0 : f1);
    s.roundOver = true;
}

void UpdateFighters(FightController& fight, float dt, bool frozen) {
    FightState& s = fight.state;
    const FightContext& c = fight.context;
    const float step = frozen ? 0.0f : dt;
    int index = s.firstMover;
    for (int n = 0; n < 2; ++n, index = (index + 1) % 2) {
        Bicho* fighter = fight.fighters[index];
        const bool alive = fighter->GetLife() > 0.0f;
        if (!alive && !s.roundOver) {
            AwardRound(fight.fighters[1 - index]);
            s.roundOver = true;
        }
        const bool controllable = alive && !s.paused && !frozen;
        if (s.fightClock > kRoundStartWait && !s.roundOver) {
            InputFlags flags;
            if (IsHuman(c.settings->gameMode, index)) {
                const int facing = fighter->GetFacing();
                flags = ScreenDirections(c.keyboard->GetInput(index, facing, dt), facing);
            } else {
                flags = static_cast<InputFlags>(fighter->Think(dt));
            }
            fighter->Update(controllable ? static_cast<int>(flags) : 0, step);
        } else {
            fighter->Update(0, step);
        }
    }
    s.firstMover = 1 - s.firstMover;
}

void SetViewScale(FightController& fight) {
    const FightState& s = fight.state;
    const float d = fight.fighters[0]->GetX() - fight.fighters[1]->GetX();
    const float d2 = d * d;
    const float scale = d2 > 0.8f ? 70.0f : (0.8f - d2) * 15.0f + 70.0f;
    Renderer* renderer = fight.context.renderer;
    renderer->SetViewScale(scale);
    if (s.roundOver && s.phase == 4 && s.phaseTimer < 4.0f)
        renderer->SetViewScale((4.0f - s.phaseTimer) * 40.0f + scale);
}

void DrawFight(FightController& fight, float dt, float step) {
    const FightContext& c = fight.context;
    Fondo& stage = *fight.stage;
    c.particles->DrawBack(stage.camX, stage.camY, step);
    // Player 1 over player 2.
    fight.fighters[1]->Draw(stage.camX, stage.camY, step);
    fight.fighters[0]->Draw(stage.camX, stage.camY, step);
    c.particles->DrawBleeding(stage.camX, stage.camY, step);
    c.particles->DrawFront(stage.camX, stage.camY, step);
    if (fight.showBoxes) {
        for (int i = 0; i < stage.actorCount; ++i)
            stage.actors[i]->DrawBoxes(stage.camX, stage.camY);
        for (Bicho* fighter : fight.fighters) fighter->DrawBoxes(stage.camX, stage.camY);
    }
    DrawHud(fight, dt);
}

void PauseScreen(FightController& fight) {
    const FightContext& c = fight.context;
    if (c.keyboard->SpecialKeyOnce(kEscape)) {
        c.run->Reset();
        LeaveFight(fight);
        ResetRoundState(fight.state);
        fight.state.paused = false;
    }
    if (c.keyboard->SpecialKeyOnce(kEnter)) fight.state.paused = false;
    c.renderer->SetOverlayMode(1, 1);
    c.renderer->DrawTextCentered(0.5f, 0.4f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, "JUEGO PAUSADO");
    c.renderer->DrawTextCentered(0.5f, 0.45f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f,
                                 "PARA VOLVER AL JUEGO PULSE INTRO");
    c.renderer->DrawTextCentered(0.5f, 0.5f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f,
                                 "PARA SALIR PULSE ESCAPE");
}

bool PlayerOneLeads(const FightController& fight) {
    return fight.context.run->IsActive() &&
           fight.fighters[0]->GetLife() > fight.fighters[1]->GetLife();
}

void EndRound(FightController& fight) {
    const FightContext& c = fight.context;
    c.renderer->SetViewScale(kViewScale);
    c.particles->Clear();
    c.particles->SetTint(1.0f, 1.0f, 1.0f);
    c.settings->slowMotionTime = 0.0f;

    Bicho* f0 = fight.fighters[0];
    Bicho* f1 = fight.fighters[1];
    const int roundsToWin = c.settings->roundsToWin;
    if (f0->GetRoundsWon() < roundsToWin && f1->GetRoundsWon() < roundsToWin) {
        fight.stage->RestartRound();
        fight.display.roundClock = fight.display.roundAge = 0.0f;
    } else {
        if (f0->GetRoundsWon() >= roundsToWin) {
            const char* beaten = f1->GetName() ? f1->GetName() : "";
            const char* own = f0->GetName() ? f0->GetName() : "";
            // Beating one's own double is the last step of the ladder.
            if (strcmp(beaten, own) == 0)
                c.run->Reset();
            else
                c.run->Remove(beaten);
        } else {
            c.run->Reset();
        }
        LeaveFight(fight);
    }
    ResetRoundState(fight.state);
}

void AdvancePhase(FightController& fight) {
    FightState& s = fight.state;
    Bicho* f0 = fight.fighters[0];
    Bicho* f1 = fight.fighters[1];
    switch (s.phase) {
        case 0: {
            Bicho* winner = nullptr;
            if (f0->GetLife() > f1->GetLife()) winner = f0;
            if (f1->GetLife() > f0->GetLife()) winner = f1;
            Bicho* loser = winner == f0 ? f1 : f0;
            const bool perfect = winner && winner->GetLife() == winner->GetMaxLife() &&
                                 loser->GetLife() <= 0.0f;
            s.phase = perfect ? 1 : 2;
            s.phaseTimer = 2.0f;
            break;
        }
        case 1:
            s.phase = 2;
            s.phaseTimer = 2.0f;
            break;
        case 2:
            if (PlayerOneLeads(fight)) {
                s.phase = 3;
                s.phaseTimer = 5.0f;
            } else {
                s.phase = 4;
                s.phaseTimer = 4.0f;
            }
            break;
        case 3:
            if (PlayerOneLeads(fight)) fight.context.run->AddScore(RoundBonusOf(f0).Total());
            s.phase = 4;
            s.phaseTimer = 4.0f;
            break;
        default:
            EndRound(fight);
            break;
    }
}

void RoundEnd(FightController& fight, float dt) {
    FightState& s = fight.state;
    const FightContext& c = fight.context;
    // The sequence keeps real speed through slow motion.
    s.phaseTimer -= c.settings->slowMotionTime > 0.0f ? 4.0f * dt : dt;
    if (s.phaseTimer < 0.0f) AdvancePhase(fight);
    if (!FightLoaded(fight)) return;
    switch (s.phase) {
        case 1: ShowPerfect(fight, s.phaseTimer); break;
        case 2: ShowResult(fight, s.phaseTimer); break;
        case 3: ShowTally(fight, s.phaseTimer); break;
        case 4:
            if (s.phaseTimer < 1.0f) FadeToBlack(c.renderer, 1.0f - s.phaseTimer);
            break;
        default: break;
    }
}

}  // namespace

void FightFrame(FightController& fight, float dt) {
    if (!FightLoaded(fight)) return;
    FightState& s = fight.state;
    const FightContext& c = fight.context;

    if (!s.paused && c.keyboard->SpecialKeyOnce(kEscape)) s.paused = true;
    if (c.keyboard->SpecialKeyOnce(kSpecialF2)) fight.showBoxes = !fight.showBoxes;
    if (s.paused) dt = 0.0f;

    s.fightClock += dt;
    const bool frozen = c.settings->freezeTime > 0.0f;

    if (s.fightClock > kRoundStartWait) fight.display.clockRunning = true;
    if (s.roundOver) fight.display.clockRunning = false;

    fight.stage->Draw(dt);
    TimeOver(fight);
    UpdateFighters(fight, dt, frozen);
    SetViewScale(fight);
    DrawFight(fight, dt, frozen ? 0.0f : dt);

    if (s.fightClock < 1.0f) FadeToBlack(c.renderer, 1.0f - s.fightClock);

    if (s.paused) PauseScreen(fight);

    if (s.roundOver) {
        RoundEnd(fight, dt);
        c.renderer->SetOverlayMode(0, 0);
    }
}
