#include "plugins/renderer_gl/ScreenshotFiles.h"

#include <cstdlib>

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>

#include "base/Files.h"
#include "base/UserFolders.h"

const char kScreenshotFolder[] = "screenshots";

namespace {
const int kLastNumber = 9999;
}

bool EnsureScreenshotFolder(const char* folder) {
    const std::string path = PlatformResolvePath(folder);
    struct stat info;
    if (stat(path.c_str(), &info) == 0) return S_ISDIR(info.st_mode);
    // An install's pictures folder may itself be missing on a fresh account.
    return PlatformMakeFolders(path) == 1;
}

std::string NextScreenshotPath(const char* folder, int* counter) {
    if (*counter < 1) *counter = 1;
    for (; *counter <= kLastNumber; ++*counter) {
        char name[512];
        snprintf(name, sizeof(name), "%s\\krellin%04d.png", folder, *counter);
        if (!PlatformFileExists(name)) {
            ++*counter;
            return name;
        }
    }
    return std::string();
}

std::vector<long> ScreenshotPresents(const char* list) {
    std::vector<long> presents;
    while (list && *list) {
        char* end = nullptr;
        const long n = strtol(list, &end, 10);
        if (end == list || n <= 0 || (!presents.empty() && n <= presents.back())) break;
        presents.push_back(n);
        list = *end == ',' ? end + 1 : end;
        if (*end != ',') break;
    }
    return presents;
}
