#pragma once
// The suite's generator runs (tests/GeneratedData.h) and their pictures read
// back through the renderers' own loader.
#include <string>

#include "plugins/renderer_common/Picture.h"

// The folders of the first and the second run, or empty. Other groups may
// fail on a machine without their tools; the pictures are checked file by
// file.
const std::string& ArtFolder();
const std::string& SecondArtFolder();

// `name` as the game writes it ("bmp\\star.bmp"), loaded with LoadPicture.
// Keyed pictures get alpha 0 at the key.
bool LoadArt(const std::string& name, bool keyed, Picture* picture, int keyR = 255,
             int keyG = 0, int keyB = 255);

inline const unsigned char* PixelOf(const Picture& p, int x, int y) {
    return &p.pixels[(static_cast<size_t>(y) * p.width + x) * p.bytesPerPixel];
}
inline bool Covered(const Picture& p, int x, int y) { return PixelOf(p, x, y)[3] != 0; }

// Covered pixels inside the rectangle [x0, x1) x [y0, y1).
int CoveredIn(const Picture& p, int x0, int y0, int x1, int y1);
