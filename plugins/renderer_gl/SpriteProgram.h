#pragma once
// The one shader program every sprite, line, text and particle goes through:
// texture times vertex colour, with the per-blend alpha cut.
#include <string>

#include "plugins/renderer_gl/GlApi.h"

struct SpriteProgram {
    GLuint program = 0;
    GLint alphaCut = -1;
    GLint premultiply = -1;

    // Attribute slots the vertex layout binds to.
    static constexpr GLuint kPosition = 0;
    static constexpr GLuint kTexCoord = 1;
    static constexpr GLuint kColor = 2;

    bool Create(const GlApi& gl, std::string* error);
    void Destroy(const GlApi& gl);
};
