#include "tools/viewer/ViewerOptions.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

bool ParseViewerOptions(int argc, char** argv, ViewerOptions* options, std::string* error) {
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (strcmp(arg, "--boxes") == 0) {
            options->boxes = true;
        } else if (strcmp(arg, "--spar") == 0) {
            if (i + 2 >= argc) {
                *error = "--spar needs two creature files";
                return false;
            }
            options->spar = true;
            options->sparPaths[0] = argv[++i];
            options->sparPaths[1] = argv[++i];
        } else if (strcmp(arg, "--renderer") == 0 || strcmp(arg, "--frames") == 0) {
            if (i + 1 >= argc) {
                *error = std::string(arg) + " needs a value";
                return false;
            }
            const char* value = argv[++i];
            if (arg[2] == 'r') {
                options->rendererName = value;
                continue;
            }
            char* end = nullptr;
            errno = 0;
            long frames = strtol(value, &end, 10);
            if (errno || !end || *end || frames < 0) {
                *error = std::string("bad frame count: ") + value;
                return false;
            }
            options->frames = frames;
        } else if (arg[0] == '-' && arg[1] == '-') {
            *error = std::string("unknown option: ") + arg;
            return false;
        } else if (options->creaturePath.empty()) {
            options->creaturePath = arg;
        } else {
            *error = "only one creature file";
            return false;
        }
    }
    if (options->spar && !options->creaturePath.empty()) {
        *error = "--spar takes no other creature file";
        return false;
    }
    if (!options->spar && options->creaturePath.empty()) {
        *error = "no creature file";
        return false;
    }
    return true;
}
