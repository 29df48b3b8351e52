#pragma once
// The creatures the game ships: their source folder under data/creatures,
// the creature file in the game folder and the behaviour library the file's
// "dll" name must reach (chicks fight with the frog's behaviour).
struct CreatureSource {
    const char* folder;      // data/creatures/<folder>/manifest.txt and its sheet
    const char* gameFile;    // written the game's way
    const char* linkName;    // Bichos/<linkName>: where the game looks for the behaviour
    const char* behaviour;   // the behaviour plug-in in the game folder
};

inline constexpr CreatureSource kCreatures[] = {
    {"rana", "Bichos\\rana.qvl", "rana.so", "Rana.so"},
    {"brocanto", "Bichos\\brocanto.qvl", "brocanto.so", "Rana.so"},
    {"truvaldino", "Bichos\\truvaldino.qvl", "truvaldino.so", "Rana.so"},
    {"mosca", "Bichos\\mosca.qvl", "mosca.so", "mosca.so"},
    {"flor", "Bichos\\flor.qvl", "flor.so", "flor.so"},
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
