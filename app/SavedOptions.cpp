#include "app/SavedOptions.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "base/Files.h"
#include "base/Log.h"

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

// Hand-edited or damaged files must not reach the menus and be saved again:
// a value the game has no meaning for falls back to its default.
void Refuse(const char* path, const char* field, const char* value, const char* fallback) {
    LogPrintf("     Graficos: %s: %s = %s no vale, se usa %s\n", path, field, value,
              fallback);
}

uint8_t Flag(const char* path, const char* field, uint8_t value, uint8_t fallback) {
    if (value <= 1) return value;
    char text[16], kept[16];
    snprintf(text, sizeof text, "%u", value);
    snprintf(kept, sizeof kept, "%u", fallback);
    Refuse(path, field, text, kept);
    return fallback;
}

}  // namespace

void ReadSavedOptions(const char* path, GameSettings* settings) {
    FILE* file = PlatformOpenFile(path, "rb");
    if (!file) return;
    unsigned char bytes[kSavedOptionsSize];
    size_t got = fread(bytes, 1, sizeof bytes, file);
    fclose(file);
    // Each field is taken only when the file holds all of its bytes.
    const GameSettings defaults;
    if (got >= 1)
        settings->unlimitedTime = Flag(path, "unlimitedTime", bytes[0], defaults.unlimitedTime);
    if (got >= 5) {
        uint32_t bits = LoadU32(bytes + 1);
        float roundTime;
        memcpy(&roundTime, &bits, 4);
        if (std::isfinite(roundTime) && roundTime > 0.0f) {
            settings->roundTime = roundTime;
        } else {
            char text[32], kept[32];
            snprintf(text, sizeof text, "%g", roundTime);
            snprintf(kept, sizeof kept, "%g", defaults.roundTime);
            Refuse(path, "roundTime", text, kept);
            settings->roundTime = defaults.roundTime;
        }
    }
    if (got >= 6)
        settings->randomBackground =
            Flag(path, "randomBackground", bytes[5], defaults.randomBackground);
    if (got >= 10) {
        uint32_t rounds = LoadU32(bytes + 6);
        if (rounds >= 1 && rounds <= 3) {
            settings->roundsToWin = static_cast<int32_t>(rounds);
        } else {
            char text[16], kept[16];
            snprintf(text, sizeof text, "%u", rounds);
            snprintf(kept, sizeof kept, "%d", defaults.roundsToWin);
            Refuse(path, "roundsToWin", text, kept);
            settings->roundsToWin = defaults.roundsToWin;
        }
    }
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
