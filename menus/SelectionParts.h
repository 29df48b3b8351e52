#pragma once
// Pieces the character selection's files share: portraits, choices and the
// random picks. Not for use outside the selection.
#include "sdk/Renderer.h"

namespace selection {

// A portrait, or a plain grey frame where the creature has no picture. A
// negative width mirrors, as with DrawImage.
void DrawPortrait(Renderer* r, float x, float y, float w, float h, TextureHandle picture,
                  float red, float green, float blue, float alpha);

// Puts an owned copy of the creature's file into a settings slot, freeing
// the previous one.
void TakeFile(char** slot, const char* file);

// A uniform draw in [0, 1] and an index in 0..n-1 from the game's generator.
float Uniform();
int RandomIndex(int n);

}  // namespace selection
