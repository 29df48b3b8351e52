// One frame of the character selection: the grid, both sides' cursors,
// portraits and creatures, the players' and the computer's choices.
#include "menus/CharacterSelection.h"

#include <cmath>
#include <cstring>

#include "effects/Particulas.h"
#include "fight/GestionJuego.h"
#include "input/Teclado.h"
#include "menus/SelectionParts.h"
#include "sdk/Bicho.h"
#include "sdk/GameSettings.h"

using namespace selection;

namespace {

constexpr float kMoveTime = 0.4f;
constexpr float kWanderStep = 0.1f;
constexpr float kComputerDelay = 3.0f;
constexpr float kSparkGap = 0.05f;

int Column(int index) { return index % CharacterSelection::kGridColumns; }
int Row(int index) { return index / CharacterSelection::kGridColumns; }

void CountDown(float& timer, float dt) {
    timer -= dt;
    if (timer < 0.0f) timer = 0.0f;
}

// A step that would leave the grid is refused; there is no wrap-around.
void MoveCursor(CharacterSelection& s, int player, int& cursor, float& move) {
    const int steps[4][2] = {
        {kInputLeft, -1}, {kInputRight, 1}, {kInputUp, -7}, {kInputDown, 7}};
    for (const auto& step : steps) {
        if (!s.context.keyboard->ActionOnce(player, step[0])) continue;
        const int next = cursor + step[1];
        if (next >= 0 && next < s.count) {
            cursor = next;
            move = kMoveTime;
        }
    }
}

void ChooseSide1(CharacterSelection& s) {
    s.chosen1 = 1;
    TakeFile(&s.context.settings->player1Name, s.files[s.cursor1]);
}

void ChooseSide2(CharacterSelection& s) {
    s.chosen2 = 1;
    TakeFile(&s.context.settings->player2Name, s.files[s.cursor2]);
}

// While an arcade run goes on the player keeps the creature of its first fight.
void ResumeArcade(CharacterSelection& s) {
    GestionJuego* ladder = s.context.ladder;
    if (s.chosen1 || !ladder->IsActive()) return;
    for (int i = 0; i < s.count; ++i)
        if (strcmp(s.NameOf(i), ladder->PlayerName()) == 0) s.cursor1 = i;
    ChooseSide1(s);
    s.choice1 = 1.0f;
}

void DrawGrid(CharacterSelection& s) {
    Renderer* r = s.context.renderer;
    r->SetOverlayMode(1, 3);
    for (int i = 0; i < s.count; ++i)
        r->DrawImage(0.25f + 0.06f * Column(i), 0.35f + 0.08f * Row(i), 0.15f, 0.17f, s.glow,
                     0.7f, 0.7f, 0.7f, 0.7f);
    r->SetOverlayMode(1, 1);
    GestionJuego* ladder = s.context.ladder;
    for (int i = 0; i < s.count; ++i) {
        // Dimmed: beaten already, or the player's own, during a run.
        const bool out = ladder->IsActive() && !ladder->Contains(s.NameOf(i));
        const float colour = out ? 0.5f : 1.0f;
        DrawPortrait(r, 0.3f + 0.06f * Column(i), 0.4f + 0.08f * Row(i), 0.05f, 0.07f,
                     s.creatures[i]->GetPictureA(), colour, colour, colour, out ? 0.5f : 0.8f);
    }
}

// One side's glows, large portrait, creature, name and cursor. Side 2 is
// side 1 mirrored.
void DrawSide(CharacterSelection& s, int side, float frameTime) {
    const MenuContext& c = s.context;
    Renderer* r = c.renderer;
    const bool left = side == 0;
    const float mirror = left ? 1.0f : -1.0f;
    const int cursor = left ? s.cursor1 : s.cursor2;
    const float move = left ? s.move1 : s.move2;
    const float choice = left ? s.choice1 : s.choice2;
    const bool chosen = left ? s.chosen1 : s.chosen2;
    Bicho* creature = s.creatures[cursor];

    r->SetOverlayMode(1, 3);
    const float glowX[2] = {left ? -0.1f : 1.1f, left ? -0.05f : 1.05f};
    r->DrawImage(glowX[0], 0.2f, 0.5f * mirror, 0.6f, s.glow, 0.7f, 0.7f, 0.7f, 0.7f);
    r->DrawImage(glowX[1], 0.45f, 0.5f * mirror, 0.6f, s.glow, 0.7f, 0.7f, 0.7f, 0.7f);
    r->SetOverlayMode(1, 1);

    float x = left ? 0.06f : 0.95f;
    x -= mirror * 0.1f * sinf(4.0f * move);
    if (chosen) x += mirror * 0.05f * (1.0f - choice);
    // Chosen: a flash that settles to a red tint.
    const float gb = chosen ? 0.7f + choice : 1.0f;
    DrawPortrait(r, x, 0.35f, mirror * (0.2f - 0.5f * move), 0.3f - 0.5f * move,
                 creature->GetPictureB(), 1.0f, gb, gb, 1.0f - 3.0f * move);

    creature->SetX(left ? 0.2f : 0.8f);
    creature->SetY(0.85f);
    creature->SetFacing(left ? 1 : -1);
    creature->UpdateAlone(0, frameTime);
    creature->Draw(0.0f, 0.0f, frameTime);
    r->DrawTextCentered(left ? 0.3f : 0.7f, 0.75f, 1.4f, c.fadeR, c.fadeG, c.fadeB, 1.0f, "%s",
                        s.NameOf(cursor));

    const float k = cosf(5.0f * s.clock);
    const float pulse = 0.0025f * k, shrink = 0.005f * k;
    if (left)
        r->DrawFrame(0.3f + 0.06f * Column(cursor) + pulse, 0.4f + 0.08f * Row(cursor) + pulse,
                     0.05f - shrink, 0.07f - shrink, 1.0f, 0.0f, 0.0f, 1.0f);
    else  // a size larger, so it frames cursor 1 on a shared cell
        r->DrawFrame(0.295f + 0.06f * Column(cursor) + pulse,
                     0.395f + 0.08f * Row(cursor) + pulse, 0.06f - shrink, 0.08f - shrink, 0.0f,
                     0.0f, 1.0f, 1.0f);
}

void Sparks(CharacterSelection& s, int cursor, float& lastSpark) {
    if (s.clock - lastSpark <= kSparkGap) return;
    lastSpark = s.clock;
    Emision e;
    e.kind = kParticleSpark;
    e.x = 0.33f + 0.06f * Column(cursor) - 0.01f * Uniform();
    e.y = 0.41f + 0.08f * Row(cursor) + 0.005f * Uniform();
    e.w = 0.05f + 0.01f * Uniform();
    e.h = 0.05f + 0.01f * Uniform();
    e.vx = 0.001f - 0.002f * Uniform();
    e.vy = 0.003f + 0.002f * Uniform();
    e.life = 0.5f;
    s.context.particles->Emitir(1, true, e);
}

// The computer's side 2 in demo and arcade: it wanders, then chooses a few
// seconds after side 1 did.
void ComputerSide2(CharacterSelection& s, float frameTime, float realTime) {
    GestionJuego* ladder = s.context.ladder;
    if (s.chosen1) s.delay2 -= frameTime;
    s.step2 -= realTime;
    if (s.step2 < 0.0f) {
        int pool[CharacterSelection::kMaxCreatures];
        int found = 0;
        if (ladder->IsActive())
            for (int i = 0; i < s.count && found < ladder->Count(); ++i)
                if (ladder->Contains(s.NameOf(i))) pool[found++] = i;
        if (!ladder->IsActive()) {
            s.cursor2 = RandomIndex(s.count);
            if (s.cursor2 == s.cursor1) s.cursor2 = (s.cursor2 + 1) % s.count;
            s.move2 = kMoveTime;
            s.step2 = kWanderStep;
        } else if (found > 0) {
            s.cursor2 = pool[RandomIndex(found)];
            s.move2 = kMoveTime;
            s.step2 = kWanderStep;
        } else {
            // Nobody left to fight (or nobody of the run on this list): the
            // player's own creature.
            s.cursor2 = s.cursor1;
            ChooseSide2(s);
            s.choice2 = 1.0f;
            s.delay2 = kComputerDelay;
        }
    }
    if (!s.chosen2 && s.chosen1 && s.delay2 <= 0.0f) {
        ChooseSide2(s);
        s.choice2 = 1.0f;
        s.delay2 = kComputerDelay;
    }
}

}  // namespace

void CharacterSelection::EndMenuFrame() {
    if (ranThisFrame) return;
    chosen1 = chosen2 = 0;
    listErrorLogged = false;
}

int CharacterSelection::Frame(StartFightFn startFight, GameState* gameState, float dt,
                              SelectionMode mode) {
    ranThisFrame = true;
    if (count == 0) LoadCharacters();
    const MenuContext& c = context;
    Renderer* renderer = c.renderer;
    clock += dt;
    renderer->DrawTextCentered(0.5f, 0.3f, 1.5f, c.fadeR, c.fadeG * cosf(clock) + 0.5f, c.fadeB,
                               1.0f, "SELECCION DE PERSONAJE");
    if (count == 0) {
        renderer->SetOverlayMode(0, 0);
        return 0;
    }
    ResumeArcade(*this);
    DrawGrid(*this);

    CountDown(move1, dt);
    CountDown(move2, dt);
    CountDown(choice1, dt);
    CountDown(choice2, dt);

    // One creature on both sides is updated and drawn twice: each side gets
    // half the frame, and the wandering timers are scaled back to real time.
    const bool shared = cursor1 == cursor2;
    const float frameTime = shared ? dt * 0.5f : dt;
    const float realTime = (shared ? 2.0f : 1.0f) * frameTime;

    if (!chosen1 && mode >= SelectionMode::kArcade) {
        MoveCursor(*this, 0, cursor1, move1);
        if (c.keyboard->ActionOnce(0, kInputPunch1)) {
            ChooseSide1(*this);
            if (mode == SelectionMode::kArcade) c.ladder->Start(NameOf(cursor1));
            choice1 = 1.0f;
        }
    }
    if (mode == SelectionMode::kDemo) {
        if (delay1 >= 0.0f && !chosen1) delay1 -= realTime;
        if (delay1 < 0.0f && !chosen1) {
            ChooseSide1(*this);
            delay1 = kComputerDelay;
        }
    }
    if (!chosen1) {
        step1 -= realTime;
        if (mode == SelectionMode::kDemo && step1 < 0.0f) {
            cursor1 = RandomIndex(count);
            move1 = kMoveTime;
            step1 = kWanderStep;
        }
    }
    DrawSide(*this, 0, frameTime);
    if (!chosen1) Sparks(*this, cursor1, lastSpark1);

    if (!chosen2 && mode == SelectionMode::kVersus) {
        MoveCursor(*this, 1, cursor2, move2);
        if (c.keyboard->ActionOnce(1, kInputPunch1)) {
            ChooseSide2(*this);
            choice2 = 1.0f;
        }
    }
    if (!chosen2 && mode < SelectionMode::kVersus) ComputerSide2(*this, frameTime, realTime);
    // The computer's side shows once player 1 has chosen.
    if (chosen1 || mode == SelectionMode::kVersus) {
        DrawSide(*this, 1, frameTime);
        if (!chosen2) Sparks(*this, cursor2, lastSpark2);
    }

    if (chosen1 && chosen2 && choice1 == 0.0f && choice2 == 0.0f)
        VersusSplash(startFight, gameState, dt);
    renderer->SetOverlayMode(0, 0);
    return 0;
}
