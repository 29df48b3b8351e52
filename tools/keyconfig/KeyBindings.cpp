#include "tools/keyconfig/KeyBindings.h"

#include <cstdio>

#include "base/Files.h"
#include "platform/KeyNames.h"

const char kKeyBindingsPath[] = "cfg\\tecladoDI.cfg";

namespace {
constexpr uint8_t kUp = 0xC8, kDown = 0xD0, kLeft = 0xCB, kRight = 0xCD;
constexpr uint8_t kRControl = 0x9D;
constexpr uint8_t kW = 0x11, kS = 0x1F, kA = 0x1E, kD = 0x20, kTab = 0x0F;
}  // namespace

KeyBindings DefaultKeyBindings() {
    KeyBindings b;
    const uint8_t moves[kPlayerCount][4] = {{kUp, kDown, kLeft, kRight}, {kW, kS, kA, kD}};
    const uint8_t actions[kPlayerCount] = {kRControl, kTab};
    for (int p = 0; p < kPlayerCount; ++p) {
        for (int i = 0; i < 4; ++i) b.keys[p][i] = moves[p][i];
        for (int i = 4; i < kBindingsPerPlayer; ++i) b.keys[p][i] = actions[p];
    }
    return b;
}

int ReadKeyBindings(const char* path, KeyBindings* bindings) {
    if (!bindings) return 0;
    FILE* file = PlatformOpenFile(path, "rb");
    if (!file) return 0;
    int read = 0;
    for (int p = 0; p < kPlayerCount; ++p) {
        for (int i = 0; i < kBindingsPerPlayer; ++i) {
            int c = fgetc(file);
            if (c == EOF) {
                fclose(file);
                return read;
            }
            // A code no key gives could never be pressed: as the game does,
            // that binding keeps its default.
            if (KeyTableIndex(c) >= 0 || c == kDikMediaSelect)
                bindings->keys[p][i] = static_cast<uint8_t>(c);
            ++read;
        }
    }
    fclose(file);
    return read;
}

int WriteKeyBindings(const char* path, const KeyBindings& bindings) {
    uint8_t bytes[kBindingsFileSize];
    for (int p = 0; p < kPlayerCount; ++p)
        for (int i = 0; i < kBindingsPerPlayer; ++i)
            bytes[p * kBindingsPerPlayer + i] = bindings.keys[p][i];
    return PlatformWriteFileAtomic(path, bytes, sizeof bytes);
}

bool IsKeyBound(const KeyBindings& bindings, uint8_t code) {
    for (int p = 0; p < kPlayerCount; ++p)
        for (int i = 0; i < kBindingsPerPlayer; ++i)
            if (bindings.keys[p][i] == code) return true;
    return false;
}
