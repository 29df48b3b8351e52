#include "base/Log.h"

#include <cstdarg>
#include <cstdio>

#include "base/Files.h"

const char kLogPath[] = "logs\\log.txt";

int LogReset() {
    FILE* file = PlatformOpenFile(kLogPath, "wb");
    if (!file) return 0;
    fclose(file);
    return 1;
}

int LogPrintf(const char* format, ...) {
    FILE* file = PlatformOpenFile(kLogPath, "at+");
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
