#include "app/DebugSwitch.h"

#include <cstring>

bool ParseDebugInfoSwitch(const char* commandLine) {
    if (!commandLine) return false;
    const char* p = commandLine;
    // Skip the program name: a quoted one up to its closing quote, else up
    // to the first blank; then that one character, then further blanks.
    if (*p == '"') {
        ++p;
        while (*p && *p != '"') ++p;
    } else {
        while (*p && *p != ' ') ++p;
    }
    if (*p) ++p;
    while (*p == ' ') ++p;
    if (!*p) return false;
    if (*p == '-' || *p == '/') ++p;
    return strcmp(p, "DebugInfo") == 0;
}
