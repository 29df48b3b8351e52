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

class Renderer {
public:
    virtual int Init(WindowHandle* window, InstanceHandle instance) = 0;
    virtual void Shutdown() = 0;
    virtual void QueryView(float* a, float* b, float* c) = 0;
    virtual float GetViewScale() = 0;
    virtual void SetViewScale(float scale) = 0;
    virtual void SetClearColor(float r, float g, float b, float a) = 0;
    virtual void SetOverlayMode(int enable, int blend) = 0;
    virtual void SetRenderFlags(int a, int b) = 0;
    virtual void Present() = 0;
    virtual void SetArrowTexture(TextureHandle texture) = 0;
    virtual void SetFontTexture(TextureHandle texture) = 0;
    virtual void ReleaseFont() = 0;
    virtual void DrawText(float x, float y, float scale, float r, float g, float b, float a,
                          const char* format, ...) = 0;
    virtual void DrawTextCentered(float x, float y, float scale, float r, float g, float b,
                                  float a, const char* format, ...) = 0;
    virtual void DrawLine(float x1, float y1, float x2, float y2, float r, float g, float b,
                          float a) = 0;
    virtual void DrawFrame(float x, float y, float w, float h, float r, float g, float b,
                           float a) = 0;
    virtual void FillRect(float x, float y, float w, float h, float r, float g, float b,
                          float a) = 0;
    virtual void DrawImage(float x, float y, float w, float h, TextureHandle texture, float r,
                           float g, float b, float a) = 0;
    virtual void DrawImagePart(float x, float y, float w, float h, float u0, float v0, float u1,
                               float v1, TextureHandle texture, float r, float g, float b,
                               float a) = 0;
    virtual void DrawParticleBatch(const TriangleRecord* first) = 0;
    virtual void BindTexture(TextureHandle texture) = 0;
    virtual TextureHandle LoadTexture(const char* path) = 0;
    virtual TextureHandle LoadTextureKeyed(const char* path, int r, int g, int b) = 0;
    // Copies width x height x bytesPerPixel (3 or 4) bytes, rows top to bottom.
    virtual TextureHandle CreateTexture(const unsigned char* pixels, int width, int height,
                                        int bytesPerPixel, const char* name) = 0;
    // Unknown handles report 0 x 0 x 0, an empty name and flag 0.
    virtual void GetTextureInfo(TextureHandle texture, int* height, int* width,
                                int* bytesPerPixel, const char** name, int* flag) = 0;
    // Fills `pixels`, which holds width x height x bytesPerPixel bytes as
    // GetTextureInfo reports them, with what CreateTexture took.
    virtual void GetTextureData(TextureHandle texture, unsigned char* pixels) = 0;
    virtual int CountTextures() = 0;
    virtual void ReleaseTexture(TextureHandle texture) = 0;
};

extern "C" {
typedef Renderer* (*CreateRendererInstanceFn)();
}
