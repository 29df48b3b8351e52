#pragma once
// The stage of a fight: the tiled background picture, the decorative actors,
// the fighters' start line and the camera that follows them. The marker and
// the round clock belong to the fight display (FightDisplay.h).
#include "sdk/Renderer.h"

class Bicho;
class Particulas;
class Sonido;
struct GameSettings;

// Stage geometry, one per stage, made by the stage file's "[fondo]" section.
struct GeometriaFondo {
    float ancho = 1.0f;     // stage width in screen widths
    float alto = 1.0f;      // stage height in screen heights
    float tileWidth = 0.0f; // ancho / columns, refreshed by every Draw
    float suelo = 0.9f;     // floor: y of the fighters' feet
    float pollo1x = 0.2f;   // start x of fighter 0
    float pollo2x = 0.8f;   // start x of fighter 1
    int columns = 0;        // picture width / 256
    int rows = 0;           // picture height / 256
    TextureHandle* tiles = nullptr;  // rows x columns, row 0 at the top
};

// Where the stage comes from when nothing else says.
extern const char kDefaultStageFile[];  // "fondos\\granja\\granja.txt"
extern const char kStageListFile[];     // "fondos\\fondos.txt"

// Picks the stage file from the stage list. `characterName` (a creature file
// name without folder and extension) asks for that character's own stage;
// null asks for a random one. `stagePath` holds 256 bytes and carries the
// default in; it is only overwritten by a choice.
void ChooseStage(const char* characterName, char* stagePath);

class Fondo {
public:
    static constexpr int kMaxActors = 10;
    static constexpr int kTileSide = 256;
    // Larger sides would have the tiler read and upload gigabytes for a
    // single background.
    static constexpr int kMaxPictureSide = 16384;
    static constexpr int kPathSize = 256;
    // What LoadImage answers.
    static constexpr int kImageLoaded = 4;
    static constexpr int kImageRefused = 5;

    Fondo() = default;
    ~Fondo() { Release(); }
    Fondo(const Fondo&) = delete;
    Fondo& operator=(const Fondo&) = delete;

    // Reads the stage file, creates the actors, tiles the picture and starts
    // the stage music. `settings` is handed to the
    // actors and read by Draw (time freeze). Always 0: whatever is missing
    // keeps its default.
    int Load(const char* path, Renderer* renderer, Particulas* particles, Sonido* sound,
             GameSettings* settings);
    // Cuts a 24-bit uncompressed BMP with sides that are multiples of 256
    // into 256 x 256 textures. kImageLoaded, or kImageRefused with a log line
    // and no tiles (*tiles null, 0 columns and rows).
    int LoadImage(const char* path, int* columns, int* rows, TextureHandle** tiles);
    void SetFighters(Bicho* first, Bicho* second);
    // Camera, background tiles, then the actors.
    void Draw(float dt);
    void RestartRound();
    // Actors, tiles and geometry; safe to call again.
    void Release();
    void ReleaseActors();

    Bicho* fighter0 = nullptr;
    Bicho* fighter1 = nullptr;
    Renderer* renderer = nullptr;
    Particulas* particles = nullptr;
    Sonido* sound = nullptr;
    float camX = 0.0f;
    float camY = 0.0f;
    GeometriaFondo* geometry = nullptr;
    float tintR = 0.0f;
    float tintG = 0.0f;
    float tintB = 0.0f;
    Bicho* actors[kMaxActors] = {};
    int actorCount = 0;
    // The settings record lives with the program, above the fight, so the
    // stage is handed its address.
    GameSettings* settings = nullptr;

private:
    void ReadStageFile(const char* path, char* music);
    Bicho* AddActor();
    void ReleaseTiles();
};
