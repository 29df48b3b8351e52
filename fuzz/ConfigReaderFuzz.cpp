// libFuzzer target: any bytes as a sectioned text file, read whole (every
// section, every entry, a lookup) and streamed token by token.
#include <cstring>

#include "base/ConfigFile.h"
#include "fuzz/FuzzInput.h"

namespace {
volatile size_t gSink;
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    EnterFuzzFolder(nullptr, 0);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    WriteFuzzFile("f.txt", data, size);
    size_t sum = 0;
    {
        ConfigFile config;
        if (config.Open("f.txt") == ConfigResult::kOk && config.Load() == ConfigResult::kOk) {
            config.First();
            do {
                sum += config.SectionIs("fondo");
                do {
                    if (const char* v = config.EntryValue()) sum += strlen(v);
                    sum += config.EntryKeyIs("bicho");
                } while (config.NextEntry() == ConfigResult::kOk);
            } while (config.NextSection() == ConfigResult::kOk);
            if (const char* v = config.GetValue("fondo", "imagen")) sum += strlen(v);
        }
    }
    {
        ConfigFile config;
        if (config.Open("f.txt") == ConfigResult::kOk) {
            TokenKind kind = TokenKind::kNone;
            char* text = nullptr;
            char* value = nullptr;
            while (config.NextToken(&kind, &text, &value) == ConfigResult::kOk) {
                // Lines that are neither section nor entry come back empty.
                if (text) sum += strlen(text) + (value ? strlen(value) : 0);
                delete[] text;
                text = nullptr;
            }
            delete[] text;
        }
    }
    gSink = sum;
    return 0;
}
