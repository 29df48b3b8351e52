#pragma once
// The renderer plug-in boundary. Both the game and every renderer library
// include this one declaration; the order of the virtual operations is the
// contract and must never change. A library exports
//   extern "C" Renderer* CreateRendererInstance();
#include <cstdint>
#include "sdk/PlatformTypes.h"

typedef uint32_t TextureHandle;  // 0 is never a real texture

// One triangle of a particle quad. The renderer follows `next` until null.
// Address fields are native pointers; the field order is fixed.
struct TriangleRecord {
    const float* position[3];  // x, y, z each
    const float* texCoord[3];  // u, v each
    const float* color[3];     // r, g, b each
    float alpha;
    uint32_t reserved40;
    uint32_t reserved44[3];
    uint32_t reserved56;
    const TriangleRecord* next;
};

// Blend modes of SetOverlayMode.
enum RendererBlend {
    kBlendNone = 0,
    kBlendAlpha = 1,
    kBlendAdditive = 3,
    kBlendShadow = 4,
    kBlendSoftLight = 5,
};

// The renderer's operations in contract order, declared once:
// OP(result, name, parameters, attributes). Renderer declares them pure;
// an implementation declares them all with CORRALON_RENDERER_OVERRIDES, or a
// partial stand-in the texture store alone with the second list.
#define CORRALON_RENDERER_FRAME_OPERATIONS(OP)                                                  \
    OP(int, Init, (WindowHandle * window, InstanceHandle instance), )                           \
    OP(void, Shutdown, (), )                                                                    \
    OP(void, QueryView, (float* a, float* b, float* c), )                                       \
    OP(float, GetViewScale, (), )                                                               \
    OP(void, SetViewScale, (float scale), )                                                     \
    OP(void, SetClearColor, (float r, float g, float b, float a), )                             \
    OP(void, SetOverlayMode, (int enable, int blend), )                                         \
    OP(void, SetRenderFlags, (int a, int b), )                                                  \
    OP(void, Present, (), )                                                                     \
    OP(void, SetArrowTexture, (TextureHandle texture), )                                        \
    OP(void, SetFontTexture, (TextureHandle texture), )                                         \
    OP(void, ReleaseFont, (), )                                                                 \
    OP(void, DrawText,                                                                          \
       (float x, float y, float scale, float r, float g, float b, float a, const char* format,  \
        ...),                                                                                   \
       __attribute__((format(printf, 9, 10))))                                                  \
    OP(void, DrawTextCentered,                                                                  \
       (float x, float y, float scale, float r, float g, float b, float a, const char* format,  \
        ...),                                                                                   \
       __attribute__((format(printf, 9, 10))))                                                  \
    OP(void, DrawLine, (float x1, float y1, float x2, float y2, float r, float g, float b,      \
                        float a), )                                                             \
    OP(void, DrawFrame, (float x, float y, float w, float h, float r, float g, float b, float a), ) \
    OP(void, FillRect, (float x, float y, float w, float h, float r, float g, float b, float a), ) \
    OP(void, DrawImage, (float x, float y, float w, float h, TextureHandle texture, float r,    \
                         float g, float b, float a), )                                          \
    OP(void, DrawImagePart, (float x, float y, float w, float h, float u0, float v0, float u1,  \
                             float v1, TextureHandle texture, float r, float g, float b,        \
                             float a), )                                                        \
    OP(void, DrawParticleBatch, (const TriangleRecord* first), )                                \
    OP(void, BindTexture, (TextureHandle texture), )                                            \
    OP(TextureHandle, LoadTexture, (const char* path), )                                        \
    OP(TextureHandle, LoadTextureKeyed, (const char* path, int r, int g, int b), )

// CreateTexture copies width x height x bytesPerPixel (3 or 4) bytes, rows
// top to bottom. GetTextureInfo reports 0 x 0 x 0, an empty name and flag 0
// for an unknown handle. GetTextureData fills `pixels`, which holds width x
// height x bytesPerPixel bytes as GetTextureInfo reports them, with what
// CreateTexture took.
#define CORRALON_RENDERER_TEXTURE_OPERATIONS(OP)                                                \
    OP(TextureHandle, CreateTexture, (const unsigned char* pixels, int width, int height,       \
                                      int bytesPerPixel, const char* name), )                   \
    OP(void, GetTextureInfo, (TextureHandle texture, int* height, int* width,                   \
                              int* bytesPerPixel, const char** name, int* flag), )              \
    OP(void, GetTextureData, (TextureHandle texture, unsigned char* pixels), )                  \
    OP(int, CountTextures, (), )                                                                \
    OP(void, ReleaseTexture, (TextureHandle texture), )

#define CORRALON_RENDERER_PURE(result, name, parameters, attributes) \
    virtual result name parameters attributes = 0;
#define CORRALON_RENDERER_OVERRIDE(result, name, parameters, attributes) \
    result name parameters override;
#define CORRALON_RENDERER_OVERRIDES                                   \
    CORRALON_RENDERER_FRAME_OPERATIONS(CORRALON_RENDERER_OVERRIDE)    \
    CORRALON_RENDERER_TEXTURE_OPERATIONS(CORRALON_RENDERER_OVERRIDE)

class Renderer {
public:
    CORRALON_RENDERER_FRAME_OPERATIONS(CORRALON_RENDERER_PURE)
    CORRALON_RENDERER_TEXTURE_OPERATIONS(CORRALON_RENDERER_PURE)
};

extern "C" {
typedef Renderer* (*CreateRendererInstanceFn)();
}
