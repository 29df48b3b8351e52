#pragma once
// A renderer that only keeps textures, for the fuzz target and its seed
// generator: every pixel handed over is read, so a short buffer shows up
// under AddressSanitizer, and leaked or doubly released handles are counted.
#include <map>
#include <string>
#include <vector>

#include "platform/Renderer.h"

class FuzzRenderer : public Renderer {
public:
    int Init(WindowHandle*, InstanceHandle) override { return 1; }
    void Shutdown() override {}
    void QueryView(float*, float*, float*) override {}
    float GetViewScale() override { return 70.0f; }
    void SetViewScale(float) override {}
    void SetClearColor(float, float, float, float) override {}
    void SetOverlayMode(int, int) override {}
    void SetRenderFlags(int, int) override {}
    void Present() override {}
    void SetArrowTexture(TextureHandle) override {}
    void SetFontTexture(TextureHandle) override {}
    void ReleaseFont() override {}
    void DrawText(float, float, float, float, float, float, float, const char*, ...) override {}
    void DrawTextCentered(float, float, float, float, float, float, float, const char*,
                          ...) override {}
    void DrawLine(float, float, float, float, float, float, float, float) override {}
    void DrawFrame(float, float, float, float, float, float, float, float) override {}
    void FillRect(float, float, float, float, float, float, float, float) override {}
    void DrawImage(float x, float y, float w, float h, TextureHandle texture, float, float, float,
                   float a) override;
    void DrawImagePart(float, float, float, float, float, float, float, float, TextureHandle,
                       float, float, float, float) override {}
    void DrawParticleBatch(const TriangleRecord*) override {}
    void BindTexture(TextureHandle) override {}
    TextureHandle LoadTexture(const char*) override { return 0; }
    TextureHandle LoadTextureKeyed(const char*, int, int, int) override { return 0; }
    TextureHandle CreateTexture(const unsigned char* pixels, int width, int height,
                                int bytesPerPixel, const char* name) override;
    void GetTextureInfo(TextureHandle texture, int* height, int* width, int* bytesPerPixel,
                        const char** name, int* flag) override;
    void GetTextureData(TextureHandle texture, unsigned char* pixels) override;
    int CountTextures() override;
    void ReleaseTexture(TextureHandle texture) override;

    size_t Live() const { return textures_.size(); }
    int BadReleases() const { return badReleases_; }
    unsigned Checksum() const { return checksum_; }

private:
    struct Texture {
        int width, height, bytesPerPixel;
        std::string name;
        std::vector<unsigned char> pixels;
    };
    std::map<TextureHandle, Texture> textures_;
    TextureHandle next_ = 1;
    int badReleases_ = 0;
    unsigned checksum_ = 0;
};
