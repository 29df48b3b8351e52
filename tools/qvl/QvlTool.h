#pragma once
// The creature tool for modders: what a file holds, whether it is sound,
// and its conversion to and from a folder of pictures and a manifest.
#include <string>
#include <vector>

#include "creature/QvlRead.h"

class Bicho;
class Renderer;

// Everything a read of a creature file shows beyond the creature itself.
struct QvlContents : public QvlObserver {
    int version = 0;
    std::vector<std::string> problems;
    bool hasPicture[2] = {false, false};
    QvlTextureRecord pictures[2];
    std::vector<int> frameHandles;
    std::vector<int> table;
    std::vector<QvlTextureRecord> textures;  // by position in the file

    void Version(int v) override { version = v; }
    void Problem(const char* text) override;
    void Picture(int which, const QvlTextureRecord& record) override;
    void FrameHandle(int handle) override { frameHandles.push_back(handle); }
    void Table(const std::vector<int>& map) override { table = map; }
    void Texture(int position, const QvlTextureRecord& record) override;
};

// The headless renderer from the folder of this program; null with a
// message on stderr when it cannot be loaded.
Renderer* LoadHeadless();

// A whole read of `path` into a new creature. False when the file cannot
// be opened.
bool ReadCreature(Renderer* renderer, const char* path, Bicho** creature, QvlContents& contents);
void FreeCreature(Bicho* creature);
// Why `path` cannot be read: the system's text, found by opening it again.
std::string OpenFailure(const char* path);

int RunInfo(const char* path);
int RunCheck(const char* path);
int RunExtract(const char* path, const std::string& folder);
int RunBuild(const std::string& folder, const char* path);

const char kManifestName[] = "manifest.txt";
