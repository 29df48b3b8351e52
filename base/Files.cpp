#include "base/Files.h"

#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstring>

namespace {

bool Exists(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0;
}

// Finds `name` in `folder` ignoring case; empty when absent.
std::string FindCaseless(const std::string& folder, const std::string& name) {
    DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
    if (!dir) return std::string();
    std::string found;
    while (struct dirent* entry = readdir(dir)) {
        if (strcasecmp(entry->d_name, name.c_str()) == 0) {
            found = entry->d_name;
            break;
        }
    }
    closedir(dir);
    return found;
}

// The file a chain of symbolic links ends at (which need not exist yet);
// empty when the chain loops or cannot be read. Players keep cfg files
// elsewhere through links, and a save must land where the link points.
std::string FollowLinks(std::string path) {
    for (int depth = 0; depth < 40; ++depth) {
        struct stat st;
        if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
        char target[PATH_MAX];
        ssize_t n = readlink(path.c_str(), target, sizeof target);
        if (n <= 0 || n >= static_cast<ssize_t>(sizeof target)) return std::string();
        std::string next(target, static_cast<size_t>(n));
        size_t slash = path.rfind('/');
        if (next[0] != '/' && slash != std::string::npos) next = path.substr(0, slash + 1) + next;
        path = next;
    }
    return std::string();
}

}  // namespace

std::string PlatformResolvePath(const char* path) {
    if (!path) return std::string();
    std::string unix(path);
    for (char& c : unix)
        if (c == '\\') c = '/';
    if (unix.empty() || Exists(unix)) return unix;

    // Walk element by element, keeping the exact name where it exists.
    std::string resolved;
    size_t pos = 0;
    if (unix[0] == '/') {
        resolved = "/";
        pos = 1;
    }
    while (pos <= unix.size()) {
        size_t slash = unix.find('/', pos);
        bool last = slash == std::string::npos;
        std::string element = unix.substr(pos, last ? std::string::npos : slash - pos);
        pos = last ? unix.size() + 1 : slash + 1;
        if (element.empty() || element == ".") {
            if (!last && !resolved.empty() && resolved.back() != '/') resolved += '/';
            continue;
        }
        std::string candidate = resolved + element;
        if (!Exists(candidate) && element != "..") {
            std::string match = FindCaseless(resolved.empty() ? "." : resolved, element);
            if (!match.empty()) candidate = resolved + match;
        }
        resolved = candidate;
        if (!last) resolved += '/';
    }
    return resolved;
}

FILE* PlatformOpenFile(const char* path, const char* mode) {
    if (!path || !mode) return nullptr;
    char plainMode[8];
    size_t n = 0;
    for (const char* m = mode; *m && n + 1 < sizeof plainMode; ++m)
        if (*m != 't') plainMode[n++] = *m;
    plainMode[n] = '\0';
    FILE* file = fopen(PlatformResolvePath(path).c_str(), plainMode);
    // Linux lets a folder be opened for reading; Windows does not, and every
    // reader here expects a missing file rather than an empty one.
    struct stat st;
    if (file && fstat(fileno(file), &st) == 0 && S_ISDIR(st.st_mode)) {
        fclose(file);
        errno = EISDIR;
        return nullptr;
    }
    return file;
}

bool PlatformFileExists(const char* path) { return path && Exists(PlatformResolvePath(path)); }

int PlatformWriteFileAtomic(const char* path, const void* data, size_t size) {
    if (!path) return 0;
    std::string target = FollowLinks(PlatformResolvePath(path));
    if (target.empty()) return 0;
    std::string temp = target + ".new";
    int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return 0;
    const char* bytes = static_cast<const char*>(data);
    size_t done = 0;
    while (done < size) {
        ssize_t w = write(fd, bytes + done, size - done);
        if (w <= 0) {
            close(fd);
            unlink(temp.c_str());
            return 0;
        }
        done += static_cast<size_t>(w);
    }
    if (fsync(fd) != 0 || close(fd) != 0) {
        unlink(temp.c_str());
        return 0;
    }
    if (rename(temp.c_str(), target.c_str()) != 0) {
        unlink(temp.c_str());
        return 0;
    }
    return 1;
}
