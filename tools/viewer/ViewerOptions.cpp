#include "tools/viewer/ViewerOptions.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

const char kViewerUsage[] =
    "usage: viewer [--renderer NAME] [--frames N] [--boxes] FILE\n"
    "       viewer [--renderer NAME] [--frames N] [--boxes] [--mode arcade|versus|demo]\n"
    "              [--rounds N] [--time SECONDS] --spar FILE1 FILE2 [STAGE]\n"
    "FILE plays a creature's animations and reloads it when it changes.\n"
    "--spar runs the game's fight between two creature files on STAGE (a stage\n"
    "file; without it the stage list chooses with player 2's character).\n"
    "  arcade (the default): player 1 on the keyboard against the computer;\n"
    "  versus: both players on the keyboard; demo: the computer plays both.\n"
    "  A finished match starts the next one; Escape pauses, and Escape in the\n"
    "  pause leaves the viewer. F2 shows the boxes. A changed file restarts\n"
    "  the match with the new files.\n";

namespace {

bool ReadNumber(const char* value, double lowest, double* out) {
    char* end = nullptr;
    errno = 0;
    const double number = strtod(value, &end);
    if (errno || !end || end == value || *end || !(number >= lowest)) return false;
    *out = number;
    return true;
}

bool ReadMode(const char* value, int* mode) {
    if (strcmp(value, "arcade") == 0) *mode = 0;
    else if (strcmp(value, "versus") == 0) *mode = 1;
    else if (strcmp(value, "demo") == 0) *mode = 3;
    else return false;
    return true;
}

}  // namespace

bool ParseViewerOptions(int argc, char** argv, ViewerOptions* options, std::string* error) {
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (strcmp(arg, "--help") == 0) {
            options->help = true;
        } else if (strcmp(arg, "--boxes") == 0) {
            options->boxes = true;
        } else if (strcmp(arg, "--spar") == 0) {
            if (i + 2 >= argc) {
                *error = "--spar needs two creature files";
                return false;
            }
            options->spar = true;
            options->sparring.fighters[0] = argv[++i];
            options->sparring.fighters[1] = argv[++i];
            if (i + 1 < argc && strncmp(argv[i + 1], "--", 2) != 0)
                options->sparring.stage = argv[++i];
        } else if (strcmp(arg, "--renderer") == 0 || strcmp(arg, "--frames") == 0 ||
                   strcmp(arg, "--mode") == 0 || strcmp(arg, "--rounds") == 0 ||
                   strcmp(arg, "--time") == 0) {
            if (i + 1 >= argc) {
                *error = std::string(arg) + " needs a value";
                return false;
            }
            const char* value = argv[++i];
            double number = 0.0;
            bool good = true;
            if (strcmp(arg, "--renderer") == 0) {
                options->rendererName = value;
            } else if (strcmp(arg, "--mode") == 0) {
                good = ReadMode(value, &options->sparring.gameMode);
            } else if (strcmp(arg, "--time") == 0) {
                good = ReadNumber(value, 1.0, &number);
                options->sparring.roundTime = static_cast<float>(number);
            } else {
                good = ReadNumber(value, arg[2] == 'f' ? 0.0 : 1.0, &number) &&
                       number == static_cast<long>(number) && number < 1e9;
                if (arg[2] == 'f') options->frames = static_cast<long>(number);
                else options->sparring.roundsToWin = static_cast<int>(number);
            }
            if (!good) {
                *error = std::string("bad value for ") + arg + ": " + value;
                return false;
            }
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
    if (options->help) return true;
    options->sparring.boxes = options->boxes;
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
