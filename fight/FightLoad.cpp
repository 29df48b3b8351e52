// Setting a fight up and releasing it.
#include <cstdio>
#include <cstring>

#include "base/Log.h"
#include "fight/Fight.h"
#include "fight/Fondo.h"
#include "effects/Particulas.h"
#include "sdk/Bicho.h"
#include "sdk/GameSettings.h"

namespace {

// Player 2's character name: the creature file without extension and
// folders. The data writes folders with backslashes; a path made on this
// platform may use slashes, so both end a folder.
void CharacterName(const char* path, char* out, size_t size) {
    out[0] = '\0';
    if (!path) return;
    char buffer[Fondo::kPathSize];
    strncpy(buffer, path, sizeof buffer - 1);
    buffer[sizeof buffer - 1] = '\0';
    if (char* dot = strrchr(buffer, '.')) *dot = '\0';
    const char* start = buffer;
    for (const char* p = buffer; *p; ++p)
        if (*p == '\\' || *p == '/') start = p + 1;
    snprintf(out, size, "%s", start);
}

Bicho* LoadFighter(const FightContext& c, Fondo* stage, const char* path, float startX) {
    Bicho* fighter = CreateBicho();
    fighter->Init(nullptr, c.renderer, c.particles, c.sound, c.settings, stage);
    const char* shown = path ? path : "";
    LogPrintf("     Bichos: Cargando Bicho %s\n", shown);
    fighter->Load(path);
    LogPrintf("     Bichos: Cargado Bicho %s\n", shown);
    const GeometriaFondo& g = *stage->geometry;
    fighter->SetX(startX);
    fighter->SetY(g.suelo);
    fighter->SetGround(g.suelo);
    fighter->SetArenaSize(g.ancho, g.alto);
    fighter->SetLife(10.0f);
    fighter->SetMaxLife(10.0f);
    fighter->SetPower(0.0f);
    fighter->SetMaxPower(10.0f);
    return fighter;
}

}  // namespace

void LoadFight(FightController& fight) {
    // A fight still held (a start without an end) would leak its creatures.
    FreeFight(fight);
    // Who moves first keeps alternating from one match to the next.
    const int firstMover = fight.state.firstMover;
    fight.state = FightState();
    fight.state.firstMover = firstMover;
    const FightContext& c = fight.context;
    const GameSettings& settings = *c.settings;

    c.particles->Clear();
    fight.stage = new Fondo();

    char character[Fondo::kPathSize];
    CharacterName(settings.player2Name, character, sizeof character);
    char stagePath[Fondo::kPathSize];
    if (c.stageFile) {
        snprintf(stagePath, sizeof stagePath, "%s", c.stageFile);
    } else {
        strcpy(stagePath, kDefaultStageFile);
        ChooseStage(settings.randomBackground == 0 ? character : nullptr, stagePath);
    }

    LogPrintf("     Fondo: Cargando fondo %s\n", stagePath);
    fight.stage->Load(stagePath, c.renderer, c.particles, c.sound, c.settings);
    LoadDisplay(fight.display, c.renderer);
    LogPrintf("     Fondo: Cargado fondo %s\n", stagePath);
    // The stage keeps a geometry whatever the file held.
    if (!fight.stage->geometry) fight.stage->geometry = new GeometriaFondo();
    const GeometriaFondo& g = *fight.stage->geometry;
    c.particles->SetFloor(g.suelo);

    Bicho* f0 = LoadFighter(c, fight.stage, settings.player1Name, g.pollo1x);
    Bicho* f1 = LoadFighter(c, fight.stage, settings.player2Name, g.pollo2x);
    fight.fighters[0] = f0;
    fight.fighters[1] = f1;

    f0->SetOpponent(f1);
    f1->SetOpponent(f0);
    f0->SetPlayerNumber(1);
    f1->SetPlayerNumber(2);
    f0->Reset();
    f1->Reset();

    fight.stage->SetFighters(f0, f1);
    f1->SetFacing(-1);

    c.particles->SetTint(1.0f, 1.0f, 1.0f);
}

void FreeFight(FightController& fight) {
    if (fight.stage) {
        // Actors, the display's pictures, then the tiles: the order the
        // renderer has always been asked in.
        fight.stage->ReleaseActors();
        ReleaseDisplay(fight.display, fight.context.renderer);
        fight.stage->Release();
        delete fight.stage;
        fight.stage = nullptr;
    }
    for (Bicho*& fighter : fight.fighters) {
        if (!fighter) continue;
        fighter->Release();
        DestroyBicho(fighter);
        fighter = nullptr;
    }
}
