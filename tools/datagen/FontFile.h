#pragma once
// Finding and reading the TrueType font the game font is drawn from.
#include <string>
#include <vector>

// The first existing path of `fileName` in the usual font folders (or only
// in $CORRALON_FONT_DIR when that is set), or empty.
std::string FindSystemFont(const char* fileName);

// The whole file; false if it cannot be read or is implausibly large.
bool ReadFontFile(const std::string& path, std::vector<unsigned char>* bytes);
