#pragma once
// The creature file reader behind Bicho::Load and Bicho::LoadPiece. Tools
// pass an observer to see what the file holds beyond the creature itself.
#include <string>
#include <vector>

#include "sdk/Renderer.h"

class Bicho;

struct QvlTextureRecord {
    int tag = 0;  // 4 raw, 6 packed; 0 for a picture record
    int savedHandle = 0;
    int width = 0;
    int height = 0;
    int bytesPerPixel = 0;
    int flag = 0;
    std::string name;
    int packedSize = 0;  // bytes as stored (raw size for tags 0 and 4)
    TextureHandle created = 0;
};

class QvlObserver {
public:
    virtual ~QvlObserver() {}
    virtual void Version(int) {}
    // Something in the file is wrong; `text` is the log line.
    virtual void Problem(const char*) {}
    virtual void Picture(int, const QvlTextureRecord&) {}  // 0 picture A, 1 picture B
    // The stored texture handle of each frame read, in reading order.
    virtual void FrameHandle(int) {}
    virtual void Table(const std::vector<int>&) {}
    // A texture block that was read (decoded or not: `created` 0 when skipped).
    virtual void Texture(int, const QvlTextureRecord&) {}
};

enum class QvlMode { kWhole, kPreview };

// Reads the file into the creature, which must have been through Init.
// Returns the header version, or -1 when the file cannot be opened.
int ReadQvl(Bicho& creature, const char* path, QvlMode mode, QvlObserver* observer);

// The version the header names, 0 for anything else (the old layout).
int QvlHeaderVersion(const char* path);
