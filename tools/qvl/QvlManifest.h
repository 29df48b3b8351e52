#pragma once
// The manifest of a creature (the sectioned text that qvl extract writes)
// and the build of a creature file from it through Bicho::Save. Shared by
// qvl build and the data generator, which hands the pictures over from
// memory instead of BMP files.
#include <functional>
#include <string>
#include <vector>

#include "base/Bmp.h"

class Renderer;

struct QvlTextureEntry {
    std::string file;
    std::string name;
    int handle = -1;
    int flag = 0;
};

struct QvlFrameEntry {
    int texture = 0;
    float v[17] = {};  // anchor 2, sprite 4, body 4, hit 4, hot 2, duration
};

struct QvlAnimaEntry {
    std::string name, kind;
    int values[3] = {0, 0, 0};
    std::vector<QvlFrameEntry> frames;
};

struct QvlManifest {
    float data[6] = {0.5f, 0.8f, 0, 0, 0, 0};
    std::string names[3];
    bool hasName[3] = {false, false, false};
    int textureCount = 0;
    bool hasPicture[2] = {false, false};
    QvlTextureEntry pictures[2];
    std::vector<QvlTextureEntry> textures;
    std::vector<QvlAnimaEntry> animations;
};

bool ParseQvlManifest(const std::string& path, QvlManifest& m, std::string& reason);

// Gives the pixels of a texture entry's `file`; false with a reason.
using QvlPictureSource =
    std::function<bool(const QvlTextureEntry& entry, BmpImage& image, std::string& reason)>;

// Writes the creature to `path` with `renderer`, which must hold no textures
// yet; every texture made here is released again before returning.
// 0 written, 1 a fault in the manifest or its pictures, 2 not writable.
int BuildQvl(Renderer* renderer, const QvlManifest& m, const QvlPictureSource& pictures,
             const char* path, std::string& reason);
