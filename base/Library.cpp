#include "base/Library.h"

#include <dlfcn.h>

#include <string>

#include "base/DataFolder.h"
#include "base/Files.h"
#include "base/UserFolders.h"

namespace {

const char kNativeSuffix[] = ".so";

void* OpenResolved(const std::string& name) {
    std::string path = PlatformResolvePath(name.c_str());
    // dlopen searches the system paths for a bare name; ours live in the
    // game folder, so always name them by path.
    if (path.find('/') == std::string::npos) path = "./" + path;
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    // An install keeps its libraries apart from the data, in the same
    // folders as the data names them ("Bichos\\rana.dll").
    if (!handle && path[0] != '/' && DataFolderIsInstalled()) {
        const std::string installed =
            PlatformResolvePath((std::string(kPluginsFromData) + "/" + name).c_str());
        if (void* other = dlopen(installed.c_str(), RTLD_NOW | RTLD_LOCAL)) handle = other;
    }
    return handle;
}

}  // namespace

void* PlatformLoadLibrary(const char* name) {
    if (!name || !*name) return nullptr;
    std::string written(name);
    if (void* handle = OpenResolved(written)) return handle;
    size_t dot = written.rfind('.');
    size_t slash = written.find_last_of("/\\");
    std::string stem =
        (dot != std::string::npos && (slash == std::string::npos || dot > slash))
            ? written.substr(0, dot)
            : written;
    return OpenResolved(stem + kNativeSuffix);
}

void* PlatformGetSymbol(void* library, const char* symbol) {
    if (!library || !symbol) return nullptr;
    return dlsym(library, symbol);
}

void PlatformFreeLibrary(void* library) {
    if (library) dlclose(library);
}

const char* PlatformLibraryError() {
    const char* text = dlerror();
    return text ? text : "";
}
