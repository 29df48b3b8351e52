#include "platform/DllSection.h"

#include <cstring>

#include "base/ConfigFile.h"

DllEntry ReadDllEntry(const char* configPath, char* name, size_t size) {
    ConfigFile config;
    if (config.Open(configPath) != ConfigResult::kOk) return DllEntry::kUnreadableFile;
    DllEntry result = DllEntry::kNoEntry;
    bool inDllSection = false;
    TokenKind kind;
    char* text;
    char* value;
    while (config.NextToken(&kind, &text, &value) == ConfigResult::kOk) {
        if (kind == TokenKind::kSection) {
            inDllSection = strcmp(text, "[dll]") == 0;
        } else if (kind == TokenKind::kEntry && inDllSection && strcmp(text, "dll") == 0 && size > 0) {
            strncpy(name, value, size - 1);
            name[size - 1] = '\0';
            result = DllEntry::kFound;
        }
        delete[] text;
    }
    config.Close();
    return result;
}
