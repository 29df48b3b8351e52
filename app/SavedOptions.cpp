#include "app/SavedOptions.h"

#include <cstdio>
#include <cstring>

#include "base/Files.h"

const char kSavedOptionsPath[] = "cfg\\config.cfg";

namespace {

uint32_t LoadU32(const unsigned char* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

void StoreU32(unsigned char* p, uint32_t v) {
    p[0] = static_cast<unsigned char>(v);
    p[1] = static_cast<unsigned char>(v >> 8);
    p[2] = static_cast<unsigned char>(v >> 16);
    p[3] = static_cast<unsigned char>(v >> 24);
}

}  // namespace

void ReadSavedOptions(const char* path, GameSettings* settings) {
    FILE* file = PlatformOpenFile(path, "rb");
    if (!file) return;
    unsigned char bytes[kSavedOptionsSize];
    size_t got = fread(bytes, 1, sizeof bytes, file);
    fclose(file);
    // Each field is taken only when the file holds all of its bytes.
    if (got >= 1) settings->unlimitedTime = bytes[0];
    if (got >= 5) {
        uint32_t bits = LoadU32(bytes + 1);
        memcpy(&settings->roundTime, &bits, 4);
    }
    if (got >= 6) settings->randomBackground = bytes[5];
    if (got >= 10) settings->roundsToWin = static_cast<int32_t>(LoadU32(bytes + 6));
}

int WriteSavedOptions(const char* path, const GameSettings& settings) {
    unsigned char bytes[kSavedOptionsSize];
    bytes[0] = settings.unlimitedTime;
    uint32_t bits;
    memcpy(&bits, &settings.roundTime, 4);
    StoreU32(bytes + 1, bits);
    bytes[5] = settings.randomBackground;
    StoreU32(bytes + 6, static_cast<uint32_t>(settings.roundsToWin));
    return PlatformWriteFileAtomic(path, bytes, sizeof bytes);
}
