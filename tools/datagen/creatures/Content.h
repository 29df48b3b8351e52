#pragma once
// The creatures and stages the game ships, as data/content.txt lists them
// (the build reads the same file to put each creature's behaviour library
// beside it).
#include <string>
#include <vector>

struct CreatureSource {
    std::string name;      // data/creatures/<name>/manifest.txt and its sheets
    std::string gameFile;  // written the game's way: "Bichos\\<name>.qvl"
    std::string library;   // its behaviour library, "Rana.dll"
};

struct GameContent {
    std::vector<CreatureSource> creatures;
    std::vector<std::string> stages;  // data/stages/<name>/
};

// False with a reason when the file cannot be read or an entry is empty.
bool ReadGameContent(const std::string& path, GameContent& content, std::string& reason);

// The game's two lists, copied as they stand: data/creatures/bichos.txt
// (the character selection) and data/stages/fondos.txt.
struct CopiedText {
    const char* source;
    const char* gameFile;
};

inline constexpr CopiedText kContentLists[] = {
    {"creatures/bichos.txt", "Bichos\\bichos.txt"},
    {"stages/fondos.txt", "fondos\\fondos.txt"},
};

inline constexpr char kContentFile[] = "content.txt";
