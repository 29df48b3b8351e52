// The selection's portraits, file copies and random picks.
#include "menus/SelectionParts.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "base/Random.h"

namespace selection {

void DrawPortrait(Renderer* r, float x, float y, float w, float h, TextureHandle picture,
                  float red, float green, float blue, float alpha) {
    if (picture) {
        r->DrawImage(x, y, w, h, picture, red, green, blue, alpha);
        return;
    }
    // Handle 0 would draw whatever texture the renderer has bound.
    if (w < 0.0f) {
        x += w;
        w = -w;
    }
    r->FillRect(x, y, w, h, 0.3f * red, 0.3f * green, 0.3f * blue, alpha);
    r->DrawFrame(x, y, w, h, 0.6f * red, 0.6f * green, 0.6f * blue, alpha);
}

void TakeFile(char** slot, const char* file) {
    free(*slot);
    *slot = strdup(file);
}

float Uniform() { return GameRandom().Uniform(); }

int RandomIndex(int n) {
    if (n <= 0) return 0;
    // A draw of exactly 1 would land one past the end.
    const int index = static_cast<int>(floorf(Uniform() * static_cast<float>(n)));
    return index < n ? index : n - 1;
}

}  // namespace selection
