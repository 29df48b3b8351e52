#include "base/DataFolder.h"

#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "base/UserFolders.h"

// The install's layout (packaging/Install.cmake), passed by base/'s build;
// builds that compile base/ into their own targets (fuzzing) never install.
#ifndef CORRALON_DATA_FROM_PROGRAM
#define CORRALON_DATA_FROM_PROGRAM "../share/corralon"
#define CORRALON_PLUGINS_FROM_DATA "../../lib/corralon"
#endif

const char kPluginsFromData[] = CORRALON_PLUGINS_FROM_DATA;

namespace {

const char kDataFromProgram[] = CORRALON_DATA_FROM_PROGRAM;
const char kDataWitness[] = "Bichos/bichos.txt";

std::string RealFolder(const std::string& path) {
    char real[PATH_MAX];
    return realpath(path.c_str(), real) ? std::string(real) : std::string();
}

std::string ProgramFolder() {
    char exe[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", exe, sizeof exe - 1);
    if (n <= 0) return std::string();
    const std::string path(exe, static_cast<size_t>(n));
    return path.substr(0, path.rfind('/'));
}

bool HoldsData(const std::string& folder) {
    struct stat st;
    return stat((folder + "/" + kDataWitness).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool IsGameFolder(const char* folder) {
    struct stat st;
    return stat((std::string(folder) + "/cfg").c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

bool EnterDataFolder(std::string* left, std::string* searched) {
    const std::string here = RealFolder(".");
    const std::string program = ProgramFolder();
    left->clear();
    searched->clear();
    if ((!here.empty() && here == RealFolder(program)) || IsGameFolder(".")) return true;
    if (program.empty()) {
        *searched = "(the program's folder is unknown)";
        return false;
    }
    for (const std::string& candidate : {program, program + "/" + kDataFromProgram}) {
        if (HoldsData(candidate) && chdir(candidate.c_str()) == 0) {
            *left = here;
            return true;
        }
        *searched += (searched->empty() ? "" : ", ") + candidate;
    }
    return false;
}

void EnterInstalledDataFolder(std::string* left) {
    std::string searched;
    if (EnterDataFolder(left, &searched) && !left->empty() && !DataFolderIsInstalled()) {
        if (chdir(left->c_str()) != 0) return;
        left->clear();
    }
}

std::string PathFrom(const std::string& folder, const std::string& path) {
    if (folder.empty() || path.empty() || path[0] == '/') return path;
    return folder + "/" + path;
}
