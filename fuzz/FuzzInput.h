#pragma once
// What the file-reader fuzz targets share: a private working folder and a
// way to put the input where the reader looks for it.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// Enters a fresh folder under /dev/shm (or /tmp) with the given subfolders.
inline void EnterFuzzFolder(const char* const* folders, int count) {
    char pattern[] = "/dev/shm/corralon_fuzz_XXXXXX";
    char fallback[] = "/tmp/corralon_fuzz_XXXXXX";
    const char* folder = mkdtemp(pattern);
    if (!folder) folder = mkdtemp(fallback);
    if (!folder || chdir(folder) != 0) abort();
    for (int i = 0; i < count; ++i)
        if (mkdir(folders[i], 0755) != 0 && errno != EEXIST) abort();
}

inline void WriteFuzzFile(const char* path, const uint8_t* data, size_t size) {
    FILE* file = fopen(path, "wb");
    if (!file) abort();
    if (size && fwrite(data, 1, size, file) != size) abort();
    fclose(file);
}
