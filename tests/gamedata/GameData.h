#pragma once
// The game data the build generated (CORRALON_GAME_DIR), read back through
// the game's own readers.
#include <string>
#include <vector>

class Bicho;
class Renderer;

std::string GameFile(const std::string& gamePath);  // "Bichos\\x" -> <game dir>/Bichos/x
Renderer* HeadlessRenderer();                       // one per test program
// A whole read without binding a behaviour; null when the file cannot be opened.
Bicho* ReadCreatureFile(const std::string& path);
void FreeCreature(Bicho* creature);

// Every key/value of the sections named `section` of a sectioned text file.
struct TextEntry {
    std::string section, key, value;
};
bool ReadEntries(const std::string& path, std::vector<TextEntry>* entries);

std::string ReadBytes(const std::string& path);
// Runs a command line, returns its exit status, stdout+stderr in *output.
int RunCommand(const std::string& command, std::string* output);

// Creature files the game ships, as the stage and the list name them.
extern const char* const kFighterFiles[3];
extern const char* const kActorFiles[2];
