#include "plugins/renderer_gl/GlApi.h"

#include <SDL.h>

bool GlApi::Load(const char** missing) {
#define KRELLIN_GL_LOAD(type, name)                                          \
    name = reinterpret_cast<type>(SDL_GL_GetProcAddress("gl" #name));        \
    if (!name) {                                                             \
        if (missing) *missing = "gl" #name;                                  \
        return false;                                                        \
    }
    KRELLIN_GL_FUNCTIONS(KRELLIN_GL_LOAD)
#undef KRELLIN_GL_LOAD
    return true;
}
