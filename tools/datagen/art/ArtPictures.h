#pragma once
// The game's pictures drawn from the SVG sources of data/art/.
#include <string>
#include <vector>

// How a picture is turned into the 24-bit file the game loads.
enum class Keying {
    kMagenta,  // keyed: uncovered pixels become (255, 0, 255)
    kBlack,    // plain, light on black: additive glows, sparks and smoke
    kOpaque,   // plain, the drawing covers the whole picture
};

struct ArtPicture {
    const char* file;    // as the game names it, "bmp\\star.bmp"
    std::string source;  // drawing under data/, "art/star.svg"
    int width, height;
    Keying keying;
};

// Pictures that are one drawing each, in writing order: the particles'
// (effects/ParticlePictures.h) first.
const std::vector<ArtPicture>& PlainArtPictures();
