#include "base/Memory.h"

#include <malloc.h>

void KeepFreedMemory() {
    // Blocks up to 32 MB (the library's ceiling for this setting) come from
    // the heap rather than from mappings of their own, and the heap's top is
    // only trimmed past 256 MB.
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 256 * 1024 * 1024);
}
