#include "creature/Strings.h"

#include <cstring>

char* CopyString(const char* text) {
    if (!text) return nullptr;
    size_t length = strlen(text);
    char* copy = new char[length + 1];
    memcpy(copy, text, length + 1);
    return copy;
}

void FreeString(char*& text) {
    delete[] text;
    text = nullptr;
}
