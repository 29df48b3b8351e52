// libFuzzer target: the stage file reader, the stage list and the picture
// tiler. An input is stage text, optionally followed by "\nBMP\n" and the
// bytes of a picture; the text is also the stage list. A picture whose
// header reserved byte (offset 6) is odd gets its pixels repeated up to the
// size its header claims (at most 512 x 512: four tiles show all the
// tiling does, and sixteen made every execution twice as slow), so small
// inputs reach the tiling and not only the refusals. Leaked or doubly
// released textures abort like a crash.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "fight/Fondo.h"
#include "fuzz/FuzzInput.h"
#include "fuzz/FuzzRenderer.h"
#include "sdk/Bicho.h"
#include "sdk/GameSettings.h"

namespace {

const char kSeparator[] = "\nBMP\n";
const int64_t kMaxPaddedPixels = 512 * 512;

int32_t Le32(const uint8_t* p) {
    return static_cast<int32_t>(static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
                                static_cast<uint32_t>(p[2]) << 16 |
                                static_cast<uint32_t>(p[3]) << 24);
}

void WritePicture(const uint8_t* data, size_t size) {
    // Kept from one input to the next: a fresh picture-sized buffer each time
    // cost more in page faults than the rest of the padding.
    static std::string bytes;
    bytes.assign(data ? reinterpret_cast<const char*>(data) : "", data ? size : 0);
    if (size >= 54 && (data[6] & 1)) {
        int64_t w = Le32(data + 18), h = Le32(data + 22);
        if (w > 0 && h > 0 && w * h <= kMaxPaddedPixels) {
            size_t want = 54 + static_cast<size_t>(w * h * 3);
            // The given pixels over and over, a whole copy at a time; none
            // given, a ramp of byte values.
            static const std::string ramp = [] {
                std::string r(256, '\0');
                for (int i = 0; i < 256; ++i) r[i] = static_cast<char>(i);
                return r;
            }();
            const char* pixels = size > 54 ? reinterpret_cast<const char*>(data) + 54 : ramp.data();
            size_t given = size > 54 ? size - 54 : ramp.size();
            while (bytes.size() < want)
                bytes.append(pixels, std::min(given, want - bytes.size()));
        }
    }
    WriteFuzzFile("p.bmp", reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

volatile unsigned gSink;

void Check(FuzzRenderer& renderer) {
    if (renderer.Live() != 0 || renderer.BadReleases() != 0) {
        fprintf(stderr, "texture leak %zu or bad release %d\n", renderer.Live(),
                renderer.BadReleases());
        abort();
    }
}

void ExerciseStage() {
    FuzzRenderer renderer(false);
    GameSettings settings;
    Bicho* fighters[2] = {CreateBicho(), CreateBicho()};
    {
        Fondo stage;
        for (Bicho* f : fighters) f->Init(nullptr, &renderer, nullptr, nullptr, &settings, &stage);
        stage.Load("f.txt", &renderer, nullptr, nullptr, &settings);
        if (!stage.geometry) abort();  // the fight relies on a geometry
        stage.SetFighters(fighters[0], fighters[1]);
        stage.RestartRound();
        stage.Draw(0.02f);
        settings.freezeTime = 1.0f;
        stage.Draw(0.02f);
        gSink = static_cast<unsigned>(stage.actorCount + stage.geometry->columns) +
                static_cast<unsigned>(stage.camX == stage.camX);
        stage.Release();
    }
    for (Bicho* f : fighters) {
        f->Release();
        DestroyBicho(f);
    }
    Check(renderer);
}

void ExerciseTiler() {
    FuzzRenderer renderer(false);
    Fondo stage;
    stage.renderer = &renderer;
    int columns = -1, rows = -1;
    TextureHandle* tiles = nullptr;
    int result = stage.LoadImage("p.bmp", &columns, &rows, &tiles);
    if (result == Fondo::kImageLoaded) {
        if (columns <= 0 || rows <= 0 || !tiles) abort();
        for (int i = 0; i < columns * rows; ++i) renderer.ReleaseTexture(tiles[i]);
    } else if (result != Fondo::kImageRefused || columns || rows || tiles) {
        abort();
    }
    delete[] tiles;
    Check(renderer);
}

void ExerciseList() {
    char path[Fondo::kPathSize];
    strcpy(path, kDefaultStageFile);
    ChooseStage(nullptr, path);
    ChooseStage("rana", path);
    gSink = static_cast<unsigned>(strlen(path));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The inputs' relative paths land in a working folder of its own, with
    // a logs folder as in the game: without one every log line (a broken
    // actor's creature file reports many) searched the folder for it.
    static const char* const folders[] = {"fondos", "logs"};
    EnterFuzzFolder(folders, 2);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const uint8_t* picture = static_cast<const uint8_t*>(
        memmem(data, size, kSeparator, sizeof kSeparator - 1));
    size_t textSize = picture ? static_cast<size_t>(picture - data) + 1 : size;
    if (picture) picture += sizeof kSeparator - 1;
    size_t pictureSize = picture ? size - static_cast<size_t>(picture - data) : 0;
    ClearFuzzLog();
    WriteFuzzFile("f.txt", data, textSize);
    WriteFuzzFile("fondos/fondos.txt", data, textSize);
    WritePicture(picture, pictureSize);
    ExerciseStage();
    ExerciseTiler();
    ExerciseList();
    return 0;
}
