#pragma once
// What the file-reader fuzz targets share: a private working folder and a
// way to put the input where the reader looks for it.
#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

inline char* FuzzFolder() {
    static char folder[64] = "";
    return folder;
}

// Enters a fresh folder under /dev/shm (or /tmp) with the given subfolders;
// the folder goes when the fuzzer exits (after a finding it stays).
inline void EnterFuzzFolder(const char* const* folders, int count) {
    char* folder = FuzzFolder();
    snprintf(folder, 64, "%s", "/dev/shm/corralon_fuzz_XXXXXX");
    if (!mkdtemp(folder)) {
        snprintf(folder, 64, "%s", "/tmp/corralon_fuzz_XXXXXX");
        if (!mkdtemp(folder)) abort();
    }
    if (chdir(folder) != 0) abort();
    atexit([] {
        nftw(FuzzFolder(), [](const char* path, const struct stat*, int, struct FTW*) {
            return remove(path);
        }, 16, FTW_DEPTH | FTW_PHYS);
    });
    for (int i = 0; i < count; ++i)
        if (mkdir(folders[i], 0755) != 0 && errno != EEXIST) abort();
}

// The game appends to logs/log.txt; one input's lines are enough.
inline void ClearFuzzLog() { unlink("logs/log.txt"); }

inline void WriteFuzzFile(const char* path, const uint8_t* data, size_t size) {
    FILE* file = fopen(path, "wb");
    if (!file) abort();
    if (size && fwrite(data, 1, size, file) != size) abort();
    fclose(file);
}
