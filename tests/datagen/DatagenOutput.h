#pragma once
// Runs the generator once into a temporary folder shared by the tests of
// this program, and reads back what it wrote.
#include <SDL.h>

#include <string>

// Exit status of `corralon-datagen <args>`, its stderr in *errors.
int RunDatagen(const std::string& args, std::string* errors = nullptr,
               const std::string& environment = "");

// The folder of one successful run (made on first use).
const std::string& GeneratedFolder();

std::string ReadWhole(const std::string& path);

// A picture read with SDL's own BMP loader, converted to RGB24; null on failure.
SDL_Surface* LoadRgb(const std::string& path);

struct Rgb {
    unsigned char r, g, b;
};
Rgb PixelAt(const SDL_Surface* s, int x, int y);
