#pragma once
// The pictures of the particle system, in the order of its kind table (the
// blood first). The particle system loads them, the data generator draws
// them from data/art/<name>.svg at this size, and the tests check both.
struct ParticlePicture {
    const char* file;   // as the game names it
    bool keyed;         // loaded with the (255, 0, 255) colour key
    int width, height;  // of the generated picture
};

inline constexpr ParticlePicture kParticlePictures[] = {
    {"bmp\\sangre256.bmp", true, 128, 128},   {"bmp\\charco256.bmp", true, 256, 128},
    {"bmp\\star.bmp", false, 128, 128},       {"bmp\\sunflare.bmp", false, 256, 256},
    {"bmp\\bolafuego.bmp", true, 128, 128},   {"bmp\\circle.bmp", false, 128, 128},
    {"bmp\\Charcokk.bmp", true, 256, 128},    {"bmp\\Gotakk.bmp", true, 64, 64},
    {"bmp\\Escupitajo.bmp", false, 128, 128}, {"bmp\\Espada.bmp", true, 256, 64},
    {"bmp\\perdigona.bmp", true, 64, 64},     {"bmp\\caparazon.bmp", true, 128, 128},
    {"bmp\\huevo.bmp", true, 64, 64},         {"bmp\\cabpalo.bmp", true, 256, 64},
    {"bmp\\humo.bmp", false, 128, 128},
};
