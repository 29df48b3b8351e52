#pragma once
// Binding a plug-in: its library, its factory function and the object the
// factory makes. Every plug-in kind (renderer, sound, behaviour) goes
// through here so a broken library is handled, and logged, one way.
#include "base/Library.h"
#include "base/Log.h"

template <typename T>
struct PluginObject {
    T* object = nullptr;
    // Holds one load reference while `object` lives; null on failure.
    void* library = nullptr;
    // On failure: whether the library itself opened (then it lacked the
    // factory, or the factory made nothing).
    bool libraryOpened = false;
};

// Loads the library at `path` and calls its `factory`, a T* (*)(). On any
// failure nothing stays loaded and `failureLine`, when given, is logged
// with the path as its one %s.
template <typename T>
PluginObject<T> LoadPlugin(const char* path, const char* factory, const char* failureLine = nullptr) {
    PluginObject<T> plugin;
    void* library = PlatformLoadLibrary(path);
    plugin.libraryOpened = library != nullptr;
    auto create = reinterpret_cast<T* (*)()>(PlatformGetSymbol(library, factory));
    plugin.object = create ? create() : nullptr;
    if (plugin.object) {
        plugin.library = library;
        return plugin;
    }
    if (failureLine) {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
        LogPrintf(failureLine, path ? path : "");
#pragma GCC diagnostic pop
    }
    PlatformFreeLibrary(library);
    return plugin;
}
