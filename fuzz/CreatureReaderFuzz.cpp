// libFuzzer target: any bytes as a creature file, read whole and as a
// preview, then updated, drawn and released. Leaked or doubly released
// textures abort like a crash.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "sdk/Bicho.h"
#include "creature/QvlRead.h"
#include "fuzz/FuzzRenderer.h"

namespace {

const std::string& InputPath() {
    // Memory-backed when the machine has it: the file is rewritten per input.
    // Removed at exit: /dev/shm is memory.
    static const std::string path = std::string(access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") +
                                    "/creature_fuzz_" + std::to_string(getpid()) + ".qvl";
    static const bool removedAtExit = atexit([] { unlink(InputPath().c_str()); }) == 0;
    (void)removedAtExit;
    return path;
}

volatile unsigned gSink;

void Exercise(const std::string& path, QvlMode mode) {
    FuzzRenderer renderer;
    Bicho* c = CreateBicho();
    c->Init(nullptr, &renderer, nullptr, nullptr, nullptr, nullptr);
    c->SetArenaSize(3.0f, 1.0f);
    ReadQvl(*c, path.c_str(), mode, nullptr);
    unsigned sum = static_cast<unsigned>(c->frameCount + c->animationCount);
    for (Anima* a = c->animations; a; a = a->next) {
        for (const char* s = a->name; s && *s; ++s) sum += static_cast<unsigned char>(*s);
        for (Frame* f = a->firstFrame; f; f = f->next) sum += static_cast<unsigned>(f->texture);
    }
    for (const char* s = c->name; s && *s; ++s) sum += static_cast<unsigned char>(*s);
    c->SetGhostTime(0.1f);
    c->Update(0, 0.05f);
    c->Draw(0.0f, 0.0f, 0.05f);
    c->DrawBoxes(0.0f, 0.0f);
    c->GoToFrame(c->CountFrames() - 1);
    c->Release();
    DestroyBicho(c);
    gSink = sum + renderer.Checksum();
    if (renderer.Live() != 0 || renderer.BadReleases() != 0) {
        fprintf(stderr, "texture leak %zu or bad release %d\n", renderer.Live(),
                renderer.BadReleases());
        abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string& path = InputPath();
    FILE* file = fopen(path.c_str(), "wb");
    if (!file) return 0;
    if (size) fwrite(data, 1, size, file);
    fclose(file);
    Exercise(path, QvlMode::kWhole);
    Exercise(path, QvlMode::kPreview);
    return 0;
}
