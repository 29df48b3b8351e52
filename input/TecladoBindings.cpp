#include "input/TecladoBindings.h"

#include <cstdio>

#include "base/Files.h"
#include "platform/KeyNames.h"
#include "sdk/InputBits.h"

const char kBindingsPath[] = "cfg\\tecladoDI.cfg";

const uint32_t kBindingBits[kBindingCount] = {
    kInputUp,     kInputDown,   kInputLeft,   kInputRight,  kInputPunch1,
    kInputKick1,  kInputPunch2, kInputKick2,  kInputPunch3, kInputKick3};

namespace {
// UP DOWN LEFT RIGHT INSERT DELETE HOME END PRIOR NEXT / W S A D R F T G Y H
const uint8_t kDefaults[2][kBindingCount] = {
    {0xC8, 0xD0, 0xCB, 0xCD, 0xD2, 0xD3, 0xC7, 0xCF, 0xC9, 0xD1},
    {0x11, 0x1F, 0x1E, 0x20, 0x13, 0x21, 0x14, 0x22, 0x15, 0x23},
};
}  // namespace

int BindingIndexOfBit(uint32_t bit) {
    for (int i = 0; i < kBindingCount; ++i)
        if (kBindingBits[i] == bit) return i;
    return -1;
}

void SetDefaultBindings(uint8_t bindings[2][kBindingCount]) {
    for (int p = 0; p < 2; ++p)
        for (int i = 0; i < kBindingCount; ++i) bindings[p][i] = kDefaults[p][i];
}

int ReadBindings(const char* path, uint8_t bindings[2][kBindingCount]) {
    FILE* file = PlatformOpenFile(path, "rb");
    if (!file) return -1;
    int count = 0;
    while (count < kBindingFileSize) {
        int c = fgetc(file);
        if (c == EOF) break;
        bindings[count / kBindingCount][count % kBindingCount] = static_cast<uint8_t>(c);
        ++count;
    }
    // A longer file is not a key file written by the game or Quillet.
    if (count == kBindingFileSize && fgetc(file) != EOF) count = kBindingFileSize + 1;
    fclose(file);
    return count;
}

std::string CheckBindings(int count, uint8_t bindings[2][kBindingCount]) {
    if (count > kBindingFileSize) {
        SetDefaultBindings(bindings);
        return "mas de 20 bytes, se usan las teclas por defecto";
    }
    // A code no key of the table gives cannot be pressed: the menus would
    // stop answering.
    int refused = 0;
    for (int i = 0; i < kBindingFileSize; ++i) {
        uint8_t& code = bindings[i / kBindingCount][i % kBindingCount];
        if (KeyTableIndex(code) < 0 && code != kDikMediaSelect) {
            code = kDefaults[i / kBindingCount][i % kBindingCount];
            ++refused;
        }
    }
    std::string problem;
    if (count < kBindingFileSize)
        problem = std::to_string(count) + " bytes de 20, el resto por defecto";
    if (refused > 0)
        problem += (problem.empty() ? "" : "; ") + std::to_string(refused) +
                   " teclas fuera de la tabla, esas por defecto";
    return problem;
}

int WriteBindings(const char* path, const uint8_t bindings[2][kBindingCount]) {
    uint8_t bytes[kBindingFileSize];
    for (int i = 0; i < kBindingFileSize; ++i) bytes[i] = bindings[i / kBindingCount][i % kBindingCount];
    return PlatformWriteFileAtomic(path, bytes, sizeof bytes);
}
