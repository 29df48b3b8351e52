#pragma once
// Every file of the game is opened here. Paths are written the Windows way
// ("cfg\\config.cfg"); backslashes become '/', and when the exact name does
// not exist each path element is matched without regard to letter case.
#include <cstddef>
#include <cstdio>
#include <string>

// The path as it exists on disk, or, for a file still to be created, with
// its existing folders resolved and the last element as written.
std::string PlatformResolvePath(const char* path);

// errno after PlatformOpenFile refused to read something that is not a
// regular file (a named pipe, a device).
constexpr int kErrorNotRegularFile = 10000;

// fopen with the path resolved as above; the "t" of text modes is dropped.
// A folder is never opened (null, as on Windows); reading modes open only
// regular files. On failure errno tells why.
FILE* PlatformOpenFile(const char* path, const char* mode);

// The system's text for an errno value, kErrorNotRegularFile included.
const char* PlatformErrorText(int error);

// Writes `size` bytes to a sibling temporary file of this process's own
// (made exclusively; those of writers that died are removed), flushes it to
// disk and renames it over `path`, so the file is either the old one or the whole new
// one. A symbolic link is followed: the file it points at is replaced and
// the link stays. Returns 1 on success, 0 on failure (the old file is left
// untouched, errno tells why).
int PlatformWriteFileAtomic(const char* path, const void* data, size_t size);

bool PlatformFileExists(const char* path);
