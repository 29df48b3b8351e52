#include "creature/ActionLibrary.h"

#include <cstring>
#include <map>
#include <string>

#include "creature/AccionesNulas.h"
#include "base/Plugin.h"

namespace {

// The one registry of the program. It keeps exactly one loader reference per
// library: a repeated bind hands its extra reference straight back, so the
// library really leaves memory when its last object is released.
struct LibraryEntry {
    int count = 0;
    std::string path;
};

struct Registry {
    std::map<const void*, void*> libraryOf;
    std::map<void*, LibraryEntry> libraries;
};

Registry& TheRegistry() {
    static Registry registry;
    return registry;
}

const size_t kPathBuffer = 1024;

const char kMissingLibrary[] =
    "     Interfaz Acciones: No se ha podido cargar la DLL de acciones del bicho:  %s\n";

}  // namespace

InterfazAcciones* LoadActionLibrary(const char* path) {
    PluginObject<InterfazAcciones> plugin =
        LoadPlugin<InterfazAcciones>(path, "CreateActionInstance", kMissingLibrary);
    InterfazAcciones* object = plugin.object;
    if (!object) return new AccionesNulas();
    void* library = plugin.library;
    Registry& registry = TheRegistry();
    if (registry.libraries.count(library))
        PlatformFreeLibrary(library);  // the registry already holds one reference
    registry.libraryOf[object] = library;
    LibraryEntry& entry = registry.libraries[library];
    if (entry.count == 0) entry.path = path;
    ++entry.count;
    return object;
}

void ReleaseActionLibrary(const void* object) {
    Registry& registry = TheRegistry();
    auto it = registry.libraryOf.find(object);
    if (it == registry.libraryOf.end()) return;
    void* library = it->second;
    registry.libraryOf.erase(it);
    auto entry = registry.libraries.find(library);
    if (entry == registry.libraries.end()) return;
    if (--entry->second.count > 0) return;
    registry.libraries.erase(entry);
    PlatformFreeLibrary(library);
}

const char* const* ActionLibraryAnimations(const void* object) {
    Registry& registry = TheRegistry();
    auto it = registry.libraryOf.find(object);
    if (it == registry.libraryOf.end()) return nullptr;
    auto list = reinterpret_cast<ActionAnimationsFn>(
        PlatformGetSymbol(it->second, "ActionAnimations"));
    return list ? list() : nullptr;
}

namespace {

int NoStateSize(const InterfazAcciones*) { return 0; }
int SaveNoState(const InterfazAcciones*, unsigned char*, int capacity) {
    return capacity >= 0 ? 0 : -1;
}
int RestoreNoState(InterfazAcciones*, const unsigned char*, int size) { return size == 0 ? 0 : -1; }
int NoSharedSize() { return 0; }
int SaveNoShared(unsigned char*, int capacity) { return capacity >= 0 ? 0 : -1; }
int RestoreNoShared(const unsigned char*, int size) { return size == 0 ? 0 : -1; }

const ActionStateOperations kNoState = {NoStateSize,  SaveNoState,     RestoreNoState,
                                        NoSharedSize, SaveNoShared,    RestoreNoShared};

}  // namespace

const ActionStateOperations* ActionLibraryState(const InterfazAcciones* object) {
    if (dynamic_cast<const AccionesNulas*>(object)) return &kNoState;
    Registry& registry = TheRegistry();
    auto it = registry.libraryOf.find(object);
    if (it == registry.libraryOf.end()) return nullptr;
    auto state = reinterpret_cast<ActionStateFn>(PlatformGetSymbol(it->second, "ActionState"));
    return state ? state() : nullptr;
}

int ActionLibraryCount(const char* path) {
    if (!path) return 0;
    for (const auto& entry : TheRegistry().libraries)
        if (entry.second.path == path) return entry.second.count;
    return 0;
}

void ActionLibraryPaths(const char* creaturePath, char* library, char* directory) {
    library[0] = '\0';
    directory[0] = '\0';
    if (!creaturePath) return;
    size_t length = strnlen(creaturePath, kPathBuffer - 1);
    memcpy(library, creaturePath, length);
    library[length] = '\0';
    size_t start = length >= 3 ? length - 3 : 0;
    const char dll[] = "dll";
    for (size_t i = start; i < length; ++i) library[i] = dll[i - start];
    memcpy(directory, library, length + 1);
    char* cut = nullptr;
    for (char* c = directory; *c; ++c)
        if (*c == '\\' || *c == '/') cut = c;
    if (cut)
        cut[1] = '\0';
    else
        directory[0] = '\0';
}
