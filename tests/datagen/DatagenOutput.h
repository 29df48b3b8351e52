#pragma once
// The generator's output the suite made once (tests/GeneratedData.h), the
// generator run by hand, and what it wrote read back.
#include <SDL.h>

#include <string>

// Exit status of `corralon-datagen <args>`, its stderr in *errors.
int RunDatagen(const std::string& args, std::string* errors = nullptr,
               const std::string& environment = "");

// The folder of the suite's first run when it succeeded, else empty.
const std::string& GeneratedFolder();
// The folder of a second successful run, written twice over, else empty.
const std::string& SecondGeneratedFolder();

std::string ReadWhole(const std::string& path);

// A picture read with SDL's own BMP loader, converted to RGB24; null on failure.
SDL_Surface* LoadRgb(const std::string& path);

struct Rgb {
    unsigned char r, g, b;
};
Rgb PixelAt(const SDL_Surface* s, int x, int y);
