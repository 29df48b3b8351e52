#pragma once
// What SetOverlayMode (enable, blend) means on the GPU.
#include <cstdint>

#include <GL/glcorearb.h>

enum class BlendKind : uint8_t { Opaque, Alpha, Additive, Shadow, SoftLight };

// enable 0 is opaque whatever the blend; an unknown blend draws as ordinary
// alpha so nothing the game asks for ever vanishes.
BlendKind BlendKindFor(int enable, int blend);

struct BlendSetup {
    bool enabled = false;
    GLenum source = GL_ONE;
    GLenum destination = GL_ZERO;
    float alphaCut = 0.0f;      // fragments with less alpha are discarded
    float premultiply = 0.0f;   // 1: the shader multiplies colour by alpha
};

// Opaque: keyed pixels still never show (alpha below 0.5 is discarded).
// Alpha: src*a + dst*(1-a). Additive: src*a + dst.
// Shadow: dst*(1-a), darkening what lies below by the source alpha.
// SoftLight (smoke): a "screen" of the premultiplied source,
//   src*a*(1-dst) + dst, which lightens softly and never saturates.
BlendSetup BlendSetupFor(BlendKind kind);
