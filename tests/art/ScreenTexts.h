#pragma once
// The texts the game puts on screen: those the description of the game
// quotes, and those found in the game's C++ sources.
#include <set>
#include <string>
#include <vector>

// Texts quoted for the fight, the marker, the menus, the options, the
// selection, the intro and the credits (format directives included).
const std::vector<std::string>& DescribedScreenTexts();

// String literals of the .cpp and .h files under `folder` (recursively)
// that are passed to DrawText or DrawTextCentered, or that are upper-case
// texts; escapes decoded and UTF-8 turned into Latin-1.
std::vector<std::string> SourceScreenTexts(const std::string& folder);

// The Latin-1 codes of the texts, without format directives ("%07d",
// "%s") and without the space.
std::set<int> CodesOf(const std::vector<std::string>& texts);
