// The stage during a fight: camera, background, actors, round restarts and
// the release at the end.
#include <initializer_list>

#include "fight/Fondo.h"
#include "sdk/Bicho.h"
#include "sdk/GameSettings.h"

void Fondo::SetFighters(Bicho* first, Bicho* second) {
    fighter0 = first;
    fighter1 = second;
    for (int i = 0; i < actorCount; ++i) actors[i]->SetOpponent(fighter1);
}

void Fondo::Draw(float dt) {
    if (fighter0 && fighter1 && geometry) {
        // Keep the fighters' mid-point in the middle of the screen, never
        // showing past either end of the stage.
        float x0 = fighter0->GetX();
        float x1 = fighter1->GetX();
        camX = -(x0 - (x0 - x1) * 0.5f - 0.5f);
        if (camX > 0.0f) camX = 0.0f;
        if (camX < 1.0f - geometry->ancho) camX = 1.0f - geometry->ancho;
    }
    camY = 0.0f;

    if (renderer && geometry && geometry->tiles && geometry->columns > 0 && geometry->rows > 0) {
        GeometriaFondo& g = *geometry;
        g.tileWidth = g.ancho / static_cast<float>(g.columns);
        float tileHeight = g.alto / static_cast<float>(g.rows);
        for (int row = 0; row < g.rows; ++row)
            for (int column = 0; column < g.columns; ++column)
                renderer->DrawImage(static_cast<float>(column) * g.tileWidth + camX,
                                    static_cast<float>(row) * tileHeight + camY, g.tileWidth,
                                    tileHeight, g.tiles[row * g.columns + column], tintR, tintG,
                                    tintB, 1.0f);
    }
    if (renderer) renderer->SetOverlayMode(0, 0);

    float step = settings && settings->freezeTime > 0.0f ? 0.0f : dt;
    for (int i = 0; i < actorCount; ++i) {
        actors[i]->UpdateAlone(0, step);
        actors[i]->Draw(camX, camY, step);
    }
}

void Fondo::RestartRound() {
    GeometriaFondo defaults;
    const GeometriaFondo& g = geometry ? *geometry : defaults;
    if (fighter0) {
        fighter0->SetX(g.pollo1x);
        fighter0->SetY(g.suelo);
        fighter0->Reset();
        fighter0->SetFacing(1);
    }
    if (fighter1) {
        fighter1->SetX(g.pollo2x);
        fighter1->SetY(g.suelo);
        fighter1->Reset();
        fighter1->SetFacing(-1);
    }
    for (int i = 0; i < actorCount; ++i) actors[i]->Reset();
}

void Fondo::ReleaseTiles() {
    if (!geometry) return;
    GeometriaFondo& g = *geometry;
    if (g.tiles && renderer)
        for (int i = 0; i < g.columns * g.rows; ++i)
            if (g.tiles[i]) renderer->ReleaseTexture(g.tiles[i]);
    delete[] g.tiles;
    g.tiles = nullptr;
    g.columns = 0;
    g.rows = 0;
}

void Fondo::ReleaseActors() {
    for (int i = 0; i < actorCount; ++i) {
        actors[i]->Release();
        DestroyBicho(actors[i]);
        actors[i] = nullptr;
    }
    actorCount = 0;
}

void Fondo::Release() {
    ReleaseActors();
    ReleaseTiles();
    delete geometry;
    geometry = nullptr;
    // The fighters belong to the fight.
    fighter0 = fighter1 = nullptr;
}
