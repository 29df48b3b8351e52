#pragma once
// The shared log: one open, one write and one close per call, so the file is
// complete up to the last line even after a crash. Without the logs folder
// nothing is written. Every plug-in links its own copy.

extern const char kLogPath[];  // "logs\\log.txt"

int LogReset(const char* path);
int LogPrintf(const char* path, const char* format, ...)
    __attribute__((format(printf, 2, 3)));
