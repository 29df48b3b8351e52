// Writes the seed creature files of the fuzzer into the folder given:
// current-layout files saved by Bicho::Save and one old-layout file.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "sdk/Bicho.h"
#include "fuzz/FuzzRenderer.h"

namespace {

TextureHandle Texture(FuzzRenderer& r, int w, int h, int bpp, int seed) {
    std::vector<unsigned char> pixels(static_cast<size_t>(w) * h * bpp);
    for (size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = static_cast<unsigned char>((i % 7 == 0) ? seed : i / 3);
    return r.CreateTexture(pixels.data(), w, h, bpp, "seed");
}

void SaveSeed(const std::string& path, int animations, int frames, bool pictures, bool shared,
              int side = 8) {
    FuzzRenderer r;
    Bicho* c = CreateBicho();
    c->Init(nullptr, &r, nullptr, nullptr, nullptr, nullptr);
    c->SetName("SEMILLA");
    if (pictures) {
        c->SetPictureA(Texture(r, 4, 3, 3, 1));
        c->SetPictureB(Texture(r, 2, 2, 4, 2));
    }
    TextureHandle common = Texture(r, 8, 8, 4, 3);
    const char* names[] = {"ANI_BASE1", "ANI_PUNCH1", "ANI_DOWN", "ANI_RIGHT",
                           "ANI_COMBO1", "ANI_LOSEFULL", "ANI_WINFULL", "ANI_PUNCH1_OUCH"};
    for (int a = 0; a < animations; ++a) {
        c->AddAnimation(a, -a, 7, a == 1 ? "acciones" : "", names[a % 8]);
        for (int f = 0; f < frames; ++f) {
            TextureHandle t = shared ? common : Texture(r, side, side / 2 + f, 4, a * frames + f);
            c->AddFrame(0.15f, 0.3f, static_cast<int>(t), 0, 0, 0.3f, 0.3f, 0.04f, 0.015f, 0.28f,
                        0.295f, 0, 0, 0.2f, 0.2f, 0.1f, 0.2f, 0.05f);
        }
    }
    if (c->Save(path.c_str()) != 0) fprintf(stderr, "cannot write %s\n", path.c_str());
    c->Release();
    DestroyBicho(c);
}

void Put(std::string& out, const void* p) { out.append(static_cast<const char*>(p), 4); }
void PutInt(std::string& out, int v) { Put(out, &v); }
void PutFloat(std::string& out, float v) { Put(out, &v); }
void PutString(std::string& out, const char* s) {
    PutInt(out, static_cast<int>(strlen(s) + 1));
    out.append(s, strlen(s) + 1);
}

void OldSeed(const std::string& path) {
    std::string f;
    for (int i = 0; i < 6; ++i) PutFloat(f, 0.1f * i);
    PutInt(f, 1);
    PutInt(f, 2);
    PutInt(f, 3);
    PutString(f, "acciones");
    PutString(f, "ANI_BASE1");
    PutInt(f, 0);
    for (int frame = 0; frame < 2; ++frame) {
        PutFloat(f, 0.15f);
        PutFloat(f, 0.3f);
        PutInt(f, 5 + frame);
        for (int i = 0; i < 13; ++i) PutFloat(f, 0.02f * i);
        PutInt(f, frame == 0);
    }
    PutInt(f, 2);
    for (int handle = 5; handle < 7; ++handle) {
        for (int v : {handle, 2, 2, 3, 0}) PutInt(f, v);
        PutString(f, "vieja");
        f.append(12, static_cast<char>(handle));
    }
    FILE* file = fopen(path.c_str(), "wb");
    if (!file) return;
    fwrite(f.data(), 1, f.size(), file);
    fclose(file);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    std::string dir = argv[1];
    SaveSeed(dir + "/small.qvl", 1, 1, false, false);
    SaveSeed(dir + "/pictures.qvl", 2, 2, true, false);
    SaveSeed(dir + "/shared.qvl", 3, 3, false, true);
    SaveSeed(dir + "/empty_animation.qvl", 2, 0, true, false);
    // Many texture blocks, so that one mutation can forge a size in each.
    SaveSeed(dir + "/many_textures.qvl", 6, 8, true, false, 4);
    SaveSeed(dir + "/larger_textures.qvl", 1, 3, false, false, 32);
    OldSeed(dir + "/old.qvl");
    return 0;
}
