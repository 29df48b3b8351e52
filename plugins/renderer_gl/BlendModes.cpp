#include "plugins/renderer_gl/BlendModes.h"

#include "sdk/Renderer.h"

BlendKind BlendKindFor(int enable, int blend) {
    if (!enable) return BlendKind::Opaque;
    switch (blend) {
        case kBlendAdditive: return BlendKind::Additive;
        case kBlendShadow: return BlendKind::Shadow;
        case kBlendSoftLight: return BlendKind::SoftLight;
        default: return BlendKind::Alpha;
    }
}

BlendSetup BlendSetupFor(BlendKind kind) {
    BlendSetup setup;
    // Fully transparent fragments change nothing in any blended mode;
    // dropping them early spares the blend on a fill-rate bound device.
    const float kInvisible = 1.0f / 512.0f;
    switch (kind) {
        case BlendKind::Opaque:
            setup.alphaCut = 0.5f;
            break;
        case BlendKind::Alpha:
            setup = {true, GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA, kInvisible, 0.0f};
            break;
        case BlendKind::Additive:
            setup = {true, GL_SRC_ALPHA, GL_ONE, kInvisible, 0.0f};
            break;
        case BlendKind::Shadow:
            setup = {true, GL_ZERO, GL_ONE_MINUS_SRC_ALPHA, kInvisible, 0.0f};
            break;
        case BlendKind::SoftLight:
            setup = {true, GL_ONE_MINUS_DST_COLOR, GL_ONE, kInvisible, 1.0f};
            break;
    }
    return setup;
}
