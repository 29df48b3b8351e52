#pragma once
// Finding the game's data, whatever folder the program was started from.
// The data is wherever the program was built (the game folder holds both)
// or, for an install, in the shared data folder beside the program's
// folder. Every path the game names is relative to that folder.
#include <string>

// Makes the data folder the working folder. A working folder that holds
// the program itself, or a cfg folder (a game folder of its own, a
// modder's copy), is kept as it is. *left is the folder left behind (empty
// when it was kept), for paths the user gave relative to it. False when no
// data was found; then *searched names the folders looked at.
bool EnterDataFolder(std::string* left, std::string* searched);

// The tools' rule: like the key tool always did, they work in the current
// folder; only an installed tool started elsewhere moves to the install's
// data folder (and so to the player's own files). *left as above.
void EnterInstalledDataFolder(std::string* left);

// A relative `path` given in `folder`, seen from anywhere; an absolute one,
// or any path when `folder` is empty, unchanged.
std::string PathFrom(const std::string& folder, const std::string& path);

// The folder of the installed plug-ins, relative to an installed data
// folder (the build keeps them inside the game folder).
extern const char kPluginsFromData[];
