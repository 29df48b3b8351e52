// One frame of the character selection: the grid, both sides' cursors,
// portraits and creatures, the players' and the computer's choices.
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "base/Random.h"
#include "fight/GestionJuego.h"
#include "effects/Particulas.h"
#include "input/Teclado.h"
#include "menus/MenuController.h"
#include "menus/SelectionParts.h"
#include "sdk/Bicho.h"
#include "sdk/GameSettings.h"

namespace selection {

const char* NameOf(MenuController& m, int index) {
    const char* name = m.creatures[index]->GetName();
    return name ? name : "";
}

void DrawPortrait(Renderer* r, float x, float y, float w, float h, TextureHandle picture,
                  float red, float green, float blue, float alpha) {
    if (picture) {
        r->DrawImage(x, y, w, h, picture, red, green, blue, alpha);
        return;
    }
    // Handle 0 would draw whatever texture the renderer has bound.
    if (w < 0.0f) {
        x += w;
        w = -w;
    }
    r->FillRect(x, y, w, h, 0.3f * red, 0.3f * green, 0.3f * blue, alpha);
    r->DrawFrame(x, y, w, h, 0.6f * red, 0.6f * green, 0.6f * blue, alpha);
}

void TakeFile(char** slot, const char* file) {
    free(*slot);
    *slot = strdup(file);
}

float Uniform() { return GameRandom().Uniform(); }

int RandomIndex(int n) {
    if (n <= 0) return 0;
    // A draw of exactly 1 would land one past the end.
    const int index = static_cast<int>(floorf(Uniform() * static_cast<float>(n)));
    return index < n ? index : n - 1;
}

}  // namespace selection

using namespace selection;

namespace {

constexpr float kMoveTime = 0.4f;
constexpr float kWanderStep = 0.1f;
constexpr float kComputerDelay = 3.0f;
constexpr float kSparkGap = 0.05f;

int Column(int index) { return index % MenuController::kGridColumns; }
int Row(int index) { return index / MenuController::kGridColumns; }

void CountDown(float& timer, float dt) {
    timer -= dt;
    if (timer < 0.0f) timer = 0.0f;
}

// A step that would leave the grid is refused; there is no wrap-around.
void MoveCursor(MenuController& m, int player, int& cursor, float& move) {
    const int steps[4][2] = {
        {kInputLeft, -1}, {kInputRight, 1}, {kInputUp, -7}, {kInputDown, 7}};
    for (const auto& step : steps) {
        if (!m.keyboard->ActionOnce(player, step[0])) continue;
        const int next = cursor + step[1];
        if (next >= 0 && next < m.count) {
            cursor = next;
            move = kMoveTime;
        }
    }
}

void ChooseSide1(MenuController& m) {
    m.chosen1 = 1;
    TakeFile(&m.Settings()->player1Name, m.files[m.cursor1]);
}

void ChooseSide2(MenuController& m) {
    m.chosen2 = 1;
    TakeFile(&m.Settings()->player2Name, m.files[m.cursor2]);
}

// While an arcade run goes on the player keeps the creature of its first fight.
void ResumeArcade(MenuController& m) {
    if (m.chosen1 || !m.Ladder()->IsActive()) return;
    for (int i = 0; i < m.count; ++i)
        if (strcmp(NameOf(m, i), m.Ladder()->PlayerName()) == 0) m.cursor1 = i;
    ChooseSide1(m);
    m.selection.choice1 = 1.0f;
}

void DrawGrid(MenuController& m) {
    Renderer* r = m.renderer;
    r->SetOverlayMode(1, 3);
    for (int i = 0; i < m.count; ++i)
        r->DrawImage(0.25f + 0.06f * Column(i), 0.35f + 0.08f * Row(i), 0.15f, 0.17f,
                     m.pictures[kPictureGlow], 0.7f, 0.7f, 0.7f, 0.7f);
    r->SetOverlayMode(1, 1);
    GestionJuego* ladder = m.Ladder();
    for (int i = 0; i < m.count; ++i) {
        // Dimmed: beaten already, or the player's own, during a run.
        const bool out = ladder->IsActive() && !ladder->Contains(NameOf(m, i));
        const float colour = out ? 0.5f : 1.0f;
        DrawPortrait(r, 0.3f + 0.06f * Column(i), 0.4f + 0.08f * Row(i), 0.05f, 0.07f,
                     m.creatures[i]->GetPictureA(), colour, colour, colour, out ? 0.5f : 0.8f);
    }
}

// One side's glows, large portrait, creature, name and cursor. Side 2 is
// side 1 mirrored.
void DrawSide(MenuController& m, int side, float frameTime) {
    Renderer* r = m.renderer;
    MenuController::Selection& s = m.selection;
    const bool left = side == 0;
    const float mirror = left ? 1.0f : -1.0f;
    const int cursor = left ? m.cursor1 : m.cursor2;
    const float move = left ? s.move1 : s.move2;
    const float choice = left ? s.choice1 : s.choice2;
    const bool chosen = left ? m.chosen1 : m.chosen2;
    Bicho* creature = m.creatures[cursor];

    r->SetOverlayMode(1, 3);
    const float glowX[2] = {left ? -0.1f : 1.1f, left ? -0.05f : 1.05f};
    r->DrawImage(glowX[0], 0.2f, 0.5f * mirror, 0.6f, m.pictures[kPictureGlow], 0.7f, 0.7f, 0.7f,
                 0.7f);
    r->DrawImage(glowX[1], 0.45f, 0.5f * mirror, 0.6f, m.pictures[kPictureGlow], 0.7f, 0.7f,
                 0.7f, 0.7f);
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
    r->DrawTextCentered(left ? 0.3f : 0.7f, 0.75f, 1.4f, m.fadeR, m.fadeG, m.fadeB, 1.0f, "%s",
                        NameOf(m, cursor));

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

void Sparks(MenuController& m, int cursor, float& lastSpark) {
    MenuController::Selection& s = m.selection;
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
    m.particles->Emitir(1, true, e);
}

// The computer's side 2 in demo and arcade: it wanders, then chooses a few
// seconds after side 1 did.
void ComputerSide2(MenuController& m, float frameTime, float realTime) {
    MenuController::Selection& s = m.selection;
    GestionJuego* ladder = m.Ladder();
    if (m.chosen1) s.delay2 -= frameTime;
    s.step2 -= realTime;
    if (s.step2 < 0.0f) {
        int pool[MenuController::kMaxCreatures];
        int found = 0;
        if (ladder->IsActive())
            for (int i = 0; i < m.count && found < ladder->Count(); ++i)
                if (ladder->Contains(NameOf(m, i))) pool[found++] = i;
        if (!ladder->IsActive()) {
            m.cursor2 = RandomIndex(m.count);
            if (m.cursor2 == m.cursor1) m.cursor2 = (m.cursor2 + 1) % m.count;
            s.move2 = kMoveTime;
            s.step2 = kWanderStep;
        } else if (found > 0) {
            m.cursor2 = pool[RandomIndex(found)];
            s.move2 = kMoveTime;
            s.step2 = kWanderStep;
        } else {
            // Nobody left to fight (or nobody of the run on this list): the
            // player's own creature.
            m.cursor2 = m.cursor1;
            ChooseSide2(m);
            s.choice2 = 1.0f;
            s.delay2 = kComputerDelay;
        }
    }
    if (!m.chosen2 && m.chosen1 && s.delay2 <= 0.0f) {
        ChooseSide2(m);
        s.choice2 = 1.0f;
        s.delay2 = kComputerDelay;
    }
}

}  // namespace

int MenuController::SelectCharacters(StartFightFn startFight, GameState* gameState, float dt,
                                     int mode) {
    ranThisFrame = 1;
    if (count == 0) LoadCharacters();
    Selection& s = selection;
    s.clock += dt;
    renderer->DrawTextCentered(0.5f, 0.3f, 1.5f, fadeR, fadeG * cosf(s.clock) + 0.5f, fadeB, 1.0f,
                               "SELECCION DE PERSONAJE");
    if (count == 0) {
        renderer->SetOverlayMode(0, 0);
        return 0;
    }
    ResumeArcade(*this);
    DrawGrid(*this);

    CountDown(s.move1, dt);
    CountDown(s.move2, dt);
    CountDown(s.choice1, dt);
    CountDown(s.choice2, dt);

    // One creature on both sides is updated and drawn twice: each side gets
    // half the frame, and the wandering timers are scaled back to real time.
    const bool shared = cursor1 == cursor2;
    const float frameTime = shared ? dt * 0.5f : dt;
    const float realTime = (shared ? 2.0f : 1.0f) * frameTime;

    if (!chosen1 && mode >= kSelectionArcade) {
        MoveCursor(*this, 0, cursor1, s.move1);
        if (keyboard->ActionOnce(0, kInputPunch1)) {
            ChooseSide1(*this);
            if (mode == kSelectionArcade) Ladder()->Start(NameOf(*this, cursor1));
            s.choice1 = 1.0f;
        }
    }
    if (mode == kSelectionDemo) {
        if (s.delay1 >= 0.0f && !chosen1) s.delay1 -= realTime;
        if (s.delay1 < 0.0f && !chosen1) {
            ChooseSide1(*this);
            s.delay1 = kComputerDelay;
        }
    }
    if (!chosen1) {
        s.step1 -= realTime;
        if (mode == kSelectionDemo && s.step1 < 0.0f) {
            cursor1 = RandomIndex(count);
            s.move1 = kMoveTime;
            s.step1 = kWanderStep;
        }
    }
    DrawSide(*this, 0, frameTime);
    if (!chosen1) Sparks(*this, cursor1, s.lastSpark1);

    if (!chosen2 && mode == kSelectionVersus) {
        MoveCursor(*this, 1, cursor2, s.move2);
        if (keyboard->ActionOnce(1, kInputPunch1)) {
            ChooseSide2(*this);
            s.choice2 = 1.0f;
        }
    }
    if (!chosen2 && mode < kSelectionVersus) ComputerSide2(*this, frameTime, realTime);
    // The computer's side shows once player 1 has chosen.
    if (chosen1 || mode == kSelectionVersus) {
        DrawSide(*this, 1, frameTime);
        if (!chosen2) Sparks(*this, cursor2, s.lastSpark2);
    }

    if (chosen1 && chosen2 && s.choice1 == 0.0f && s.choice2 == 0.0f)
        VersusSplash(*this, startFight, gameState, dt);
    renderer->SetOverlayMode(0, 0);
    return 0;
}
