// Reading a stage file: geometry, actors and music, then the marker
// textures and the music start.
#include <cstdlib>
#include <cstring>

#include "base/ConfigFile.h"
#include "base/Log.h"
#include "fight/Fondo.h"
#include "effects/Particulas.h"
#include "sdk/Bicho.h"
#include "sdk/Sonido.h"

namespace {

// Which part of the stage the following keys change.
enum class Target { kNothing, kGeometry, kActor, kMusic };

float Number(const char* text) { return strtof(text, nullptr); }

}  // namespace

int Fondo::Load(const char* path, Renderer* newRenderer, Particulas* newParticles,
                Sonido* newSound, GameSettings* newSettings) {
    Release();
    renderer = newRenderer;
    particles = newParticles;
    sound = newSound;
    settings = newSettings;
    char music[kPathSize] = {};

    ReadStageFile(path, music);
    // The fight needs a floor and start positions whatever the file said.
    if (!geometry) geometry = new GeometriaFondo();

    for (int i = 0; i < actorCount; ++i) actors[i]->Reset();

    tintR = tintG = tintB = 1.0f;
    if (sound) sound->PlayMusic(music);
    return 0;
}

void Fondo::ReadStageFile(const char* path, char* music) {
    ConfigFile file;
    if (!path || file.Open(path) != ConfigResult::kOk) {
        LogPrintf("     Fondo: Error al leer el fichero de fondos:  %s\n", path ? path : "");
        return;
    }
    Target target = Target::kNothing;
    Bicho* actor = nullptr;
    int actorsSeen = 0;
    TokenKind kind;
    char* text;
    char* value;
    while (file.NextToken(&kind, &text, &value) == ConfigResult::kOk) {
        if (kind == TokenKind::kSection) {
            if (strcmp(text, "[fondo]") == 0) {
                if (!geometry) {
                    geometry = new GeometriaFondo();
                    target = Target::kGeometry;
                } else {
                    // The keys that follow go on into the section open before.
                    LogPrintf("     Fondo: Error de parseo. No se pueden definir varios fondos\n");
                }
            } else if (strcmp(text, "[actor]") == 0) {
                ++actorsSeen;
                actor = AddActor();
                if (!actor)
                    LogPrintf("     Fondo: Solo caben %d actores, se ignora el actor %d:  %s\n",
                              kMaxActors, actorsSeen, path);
                target = actor ? Target::kActor : Target::kNothing;
            } else if (strcmp(text, "[musica]") == 0) {
                target = Target::kMusic;
            } else {
                target = Target::kNothing;
            }
        } else if (kind == TokenKind::kEntry) {
            if (target == Target::kGeometry) {
                GeometriaFondo& g = *geometry;
                if (strcmp(text, "imagen") == 0) {
                    // A repeated picture replaces the earlier tiles.
                    ReleaseTiles();
                    LoadImage(value, &g.columns, &g.rows, &g.tiles);
                } else if (strcmp(text, "ancho") == 0) {
                    g.ancho = Number(value);
                } else if (strcmp(text, "alto") == 0) {
                    g.alto = Number(value);
                } else if (strcmp(text, "suelo") == 0) {
                    g.suelo = Number(value);
                } else if (strcmp(text, "pollo1x") == 0) {
                    g.pollo1x = Number(value);
                } else if (strcmp(text, "pollo2x") == 0) {
                    g.pollo2x = Number(value);
                }
            } else if (target == Target::kActor) {
                if (strcmp(text, "bicho") == 0) {
                    // A second creature for the same actor replaces the
                    // first; loading over a loaded creature would strand its
                    // behaviour object.
                    if (actor->animations || actor->action) {
                        float x = actor->GetX(), y = actor->GetY(), ground = actor->GetGround();
                        actor->Release();
                        actor->Init(nullptr, renderer, particles, sound, settings, this);
                        actor->SetX(x);
                        actor->SetY(y);
                        actor->SetGround(ground);
                    }
                    actor->Load(value);
                } else if (strcmp(text, "x") == 0) {
                    actor->SetX(Number(value));
                } else if (strcmp(text, "y") == 0) {
                    actor->SetY(Number(value));
                } else if (strcmp(text, "suelo") == 0) {
                    actor->SetGround(Number(value));
                }
            } else if (target == Target::kMusic && strcmp(text, "ogg") == 0) {
                strncpy(music, value, kPathSize - 1);
                music[kPathSize - 1] = '\0';
            }
        }
        delete[] text;
    }
    if (!geometry)
        LogPrintf("     Fondo: El fichero de fondos no tiene [fondo], se usan los valores por defecto:  %s\n",
                  path);
}

// A new actor at the default place, or null when the stage is full.
Bicho* Fondo::AddActor() {
    if (actorCount >= kMaxActors) return nullptr;
    Bicho* actor = CreateBicho();
    actor->Init(nullptr, renderer, particles, sound, settings, this);
    actor->SetX(0.6f);
    actor->SetY(0.7f);
    actor->SetGround(0.7f);
    actors[actorCount++] = actor;
    return actor;
}
