#pragma once
// The "[dll]" section shared by cfg\motorcfg.txt and cfg\sonidocfg.txt:
// "dll = Name.dll" names the plug-in library to load.
#include <cstddef>

enum class DllEntry { kUnreadableFile, kNoEntry, kFound };

// Reads the file's "dll" entry of "[dll]" into `name` (cut to `size` - 1
// bytes); a repeated entry counts again, so the last one wins. `name` is
// left alone unless an entry is found.
DllEntry ReadDllEntry(const char* configPath, char* name, size_t size);
