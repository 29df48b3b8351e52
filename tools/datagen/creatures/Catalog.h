#pragma once
// The creatures the game ships: their source folder under data/creatures
// and the creature file in the game folder. The build puts each one's
// behaviour library beside it (plugins/actions).
struct CreatureSource {
    const char* folder;    // data/creatures/<folder>/manifest.txt and its sheet
    const char* gameFile;  // written the game's way
};

inline constexpr CreatureSource kCreatures[] = {
    {"rana", "Bichos\\rana.qvl"},
    {"brocanto", "Bichos\\brocanto.qvl"},
    {"truvaldino", "Bichos\\truvaldino.qvl"},
    {"mosca", "Bichos\\mosca.qvl"},
    {"flor", "Bichos\\flor.qvl"},
};

// Text files copied as they stand from data/creatures.
struct CopiedText {
    const char* source;
    const char* gameFile;
};

inline constexpr CopiedText kCreatureTexts[] = {
    {"creatures/bichos.txt", "Bichos\\bichos.txt"},
    {"creatures/fondos.txt", "fondos\\fondos.txt"},
    {"creatures/granja/granja.txt", "fondos\\granja\\granja.txt"},
};

inline constexpr char kStageSheet[] = "creatures/granja/granja.svg";
inline constexpr char kStagePicture[] = "fondos\\granja\\granja.bmp";
inline constexpr int kStageWidth = 2048, kStageHeight = 768;
