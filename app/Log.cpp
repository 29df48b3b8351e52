#include "app/Log.h"

#include <cstdarg>
#include <cstdio>

#include "platform/Files.h"

const char kLogPath[] = "logs\\log.txt";

int LogReset(const char* path) {
    FILE* file = PlatformOpenFile(path, "wb");
    if (!file) return 0;
    fclose(file);
    return 1;
}

int LogPrintf(const char* path, const char* format, ...) {
    FILE* file = PlatformOpenFile(path, "at+");
    if (!file) return 0;
    if (format) {
        va_list args;
        va_start(args, format);
        vfprintf(file, format, args);
        va_end(args);
    }
    fclose(file);
    return 1;
}
