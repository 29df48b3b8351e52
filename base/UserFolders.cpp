#include "base/UserFolders.h"

#include <errno.h>
#include <strings.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

const char kInstallMarker[] = "installed.txt";

namespace {

const char kGameFolderName[] = "corralon";
const char kPicturesFolderName[] = "Corralon";

std::string Home() {
    const char* home = getenv("HOME");
    return home && home[0] == '/' ? home : "";
}

// An XDG variable counts only when absolute; else its default under home.
std::string XdgFolder(const char* variable, const char* underHome) {
    const char* value = getenv(variable);
    if (value && value[0] == '/') return value;
    const std::string home = Home();
    return home.empty() ? "" : home + "/" + underHome;
}

// XDG_PICTURES_DIR="$HOME/Pictures" from user-dirs.dirs, as xdg-user-dir
// reads it; empty when the file does not name one.
std::string PicturesFromUserDirs(const std::string& configHome, const std::string& home) {
    if (configHome.empty()) return "";
    FILE* file = fopen((configHome + "/user-dirs.dirs").c_str(), "rb");
    if (!file) return "";
    std::string found;
    char line[1024];
    while (found.empty() && fgets(line, sizeof line, file)) {
        // A line longer than the buffer is nobody's folder: skip the rest.
        if (!strchr(line, '\n') && !feof(file)) {
            int c;
            while ((c = fgetc(file)) != EOF && c != '\n') {
            }
            continue;
        }
        const char kKey[] = "XDG_PICTURES_DIR=\"";
        const char* p = line;
        while (*p == ' ' || *p == '\t') ++p;
        if (strncmp(p, kKey, sizeof kKey - 1) != 0) continue;
        p += sizeof kKey - 1;
        const char* end = strchr(p, '"');
        if (!end) continue;
        std::string value(p, end);
        if (value.compare(0, 5, "$HOME") == 0 && !home.empty()) value = home + value.substr(5);
        if (!value.empty() && value[0] == '/') found = value;
    }
    fclose(file);
    return found;
}

std::string Inside(const std::string& folder, const char* name) {
    return folder.empty() ? "" : folder + "/" + name;
}

}  // namespace

bool DataFolderIsInstalled() {
    struct stat st;
    return stat(kInstallMarker, &st) == 0 && S_ISREG(st.st_mode);
}

UserFolders CurrentUserFolders() {
    UserFolders folders;
    const std::string configHome = XdgFolder("XDG_CONFIG_HOME", ".config");
    folders.config = Inside(configHome, kGameFolderName);
    folders.state = Inside(XdgFolder("XDG_STATE_HOME", ".local/state"), kGameFolderName);
    std::string pictures = PicturesFromUserDirs(configHome, Home());
    if (pictures.empty() && !Home().empty()) pictures = Home() + "/Pictures";
    folders.pictures = Inside(pictures, kPicturesFolderName);
    return folders;
}

bool UserPathFor(const std::string& path, std::string* user, bool* dataFallback) {
    if (path.empty() || path[0] == '/' || path[0] == '\\' || !DataFolderIsInstalled()) return false;
    const size_t slash = path.find_first_of("/\\");
    const std::string first = path.substr(0, slash);
    const std::string rest = slash == std::string::npos ? "" : path.substr(slash);
    const UserFolders folders = CurrentUserFolders();
    const std::string* folder = nullptr;
    *dataFallback = false;
    if (strcasecmp(first.c_str(), "cfg") == 0) {
        folder = &folders.config;
        *dataFallback = true;
    } else if (strcasecmp(first.c_str(), "logs") == 0) {
        folder = &folders.state;
    } else if (strcasecmp(first.c_str(), "screenshots") == 0) {
        folder = &folders.pictures;
    } else {
        return false;
    }
    *user = folder->empty() ? "" : *folder + rest;
    return true;
}

int PlatformMakeFolders(const std::string& folder) {
    if (folder.empty()) {
        errno = ENOENT;
        return 0;
    }
    for (size_t at = 1; at <= folder.size(); ++at) {
        if (at < folder.size() && folder[at] != '/') continue;
        const std::string part = folder.substr(0, at);
        struct stat st;
        if (stat(part.c_str(), &st) == 0) {
            if (S_ISDIR(st.st_mode)) continue;
            errno = ENOTDIR;
            return 0;
        }
        if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return 0;
    }
    return 1;
}

std::string MakeUserFolders() {
    if (!DataFolderIsInstalled()) return "";
    const UserFolders folders = CurrentUserFolders();
    std::string failures;
    for (const std::string* folder : {&folders.config, &folders.state}) {
        if (PlatformMakeFolders(*folder)) continue;
        const std::string why = folder->empty() ? "no home folder" : strerror(errno);
        failures += (failures.empty() ? "" : ", ") + (folder->empty() ? std::string("?") : *folder) +
                    " (" + why + ")";
    }
    return failures;
}
