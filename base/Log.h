#pragma once
// The shared log, logs\log.txt: one open, one write and one close per call,
// so the file is complete up to the last line even after a crash. Without
// the logs folder nothing is written. Every plug-in links its own copy.

extern const char kLogPath[];  // "logs\\log.txt"

// Empties the log. 1 when the file could be written, 2 when it could but
// the old log had no closing lines (another copy still writing, or a
// crash), else 0.
int LogReset();
// Appends one formatted text; a null format only touches the file. Control
// bytes in %s arguments are written %XX, so only the format ends lines.
int LogPrintf(const char* format, ...) __attribute__((format(printf, 1, 2)));
