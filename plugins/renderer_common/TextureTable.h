#pragma once
// The CPU side of the textures of a renderer: exactly what CreateTexture
// took, under handles that start at 1.
#include <memory>
#include <string>
#include <vector>

#include "sdk/Renderer.h"

struct TextureEntry {
    int width = 0, height = 0, bytesPerPixel = 0;
    int flag = 0;
    std::string name;
    std::vector<unsigned char> pixels;  // rows top to bottom
};

class TextureTable {
public:
    // Copies width x height x bytesPerPixel bytes. Returns 0 for bytes per
    // pixel other than 3 or 4, non-positive or oversized sides, or no pixels.
    // The lowest free handle is reused.
    TextureHandle Add(const unsigned char* pixels, int width, int height, int bytesPerPixel,
                      const char* name, int flag);
    // Null for 0, released or unknown handles.
    const TextureEntry* Find(TextureHandle handle) const;
    bool Release(TextureHandle handle);
    // One above the highest live handle (0 when empty).
    int Count() const;
    // How many textures are held; a gap left by a release does not count.
    int Live() const;
    void Clear();

private:
    // Slot i holds handle i; slot 0 stays empty.
    std::vector<std::unique_ptr<TextureEntry>> slots_;
    size_t firstFree_ = 1;  // no free slot below this one
};
