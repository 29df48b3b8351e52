#include "base/Files.h"

#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <cstring>

#include "base/UserFolders.h"

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

std::string ResolveOnDisk(const std::string& path) {
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

// A user's file of an install (see UserFolders.h) or the path itself. A
// read takes the user's copy when there is one, else the data folder's.
std::string Resolve(const char* path, bool writing) {
    if (!path) return std::string();
    std::string user;
    bool dataFallback = false;
    if (!UserPathFor(path, &user, &dataFallback)) return ResolveOnDisk(path);
    if (user.empty()) return dataFallback && !writing ? ResolveOnDisk(path) : std::string();
    const std::string resolved = ResolveOnDisk(user);
    if (writing || !dataFallback || Exists(resolved)) return resolved;
    return ResolveOnDisk(path);
}

}  // namespace

std::string PlatformResolvePath(const char* path) { return Resolve(path, false); }

FILE* PlatformOpenFile(const char* path, const char* mode) {
    if (!path || !mode) return nullptr;
    char plainMode[8];
    size_t n = 0;
    for (const char* m = mode; *m && n + 1 < sizeof plainMode; ++m)
        if (*m != 't') plainMode[n++] = *m;
    plainMode[n] = '\0';
    const bool writing = plainMode[0] != 'r' || strchr(plainMode, '+');
    const std::string resolved = Resolve(path, writing);
    struct stat st;
    if (plainMode[0] == 'r') {
        // Data is read from regular files only: a named pipe would block the
        // open, a device reads forever or as empty. O_NONBLOCK keeps the open
        // itself from waiting on a pipe's writer.
        int fd = open(resolved.c_str(),
                      (strchr(plainMode, '+') ? O_RDWR : O_RDONLY) | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) return nullptr;
        bool known = fstat(fd, &st) == 0;
        if (!known || !S_ISREG(st.st_mode)) {
            int why = !known ? errno : S_ISDIR(st.st_mode) ? EISDIR : kErrorNotRegularFile;
            close(fd);
            errno = why;
            return nullptr;
        }
        fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
        FILE* file = fdopen(fd, plainMode);
        if (!file) close(fd);
        return file;
    }
    FILE* file = fopen(resolved.c_str(), plainMode);
    // Linux lets a folder be opened for reading; Windows does not, and every
    // reader here expects a missing file rather than an empty one.
    if (file && fstat(fileno(file), &st) == 0 && S_ISDIR(st.st_mode)) {
        fclose(file);
        errno = EISDIR;
        return nullptr;
    }
    return file;
}

const char* PlatformErrorText(int error) {
    return error == kErrorNotRegularFile ? "not a regular file" : strerror(error);
}

bool PlatformFileExists(const char* path) { return path && Exists(PlatformResolvePath(path)); }

namespace {

// Temporary files of saves are "<target>.new.<pid>": each writer its own,
// made exclusively, so two copies of the game never share or truncate one.
std::string TempName(const std::string& target, long pid) {
    return target + ".new." + std::to_string(pid);
}

// Removes temporary files of `target` left by writers that died: only
// regular files of this user whose process no longer exists.
void RemoveDeadWritersFiles(const std::string& target) {
    size_t slash = target.rfind('/');
    std::string folder = slash == std::string::npos ? "." : target.substr(0, slash + 1);
    std::string prefix = (slash == std::string::npos ? target : target.substr(slash + 1)) + ".new.";
    DIR* dir = opendir(folder.c_str());
    if (!dir) return;
    while (struct dirent* entry = readdir(dir)) {
        if (strncmp(entry->d_name, prefix.c_str(), prefix.size()) != 0) continue;
        const char* digits = entry->d_name + prefix.size();
        char* end = nullptr;
        long pid = strtol(digits, &end, 10);
        if (end == digits || *end != '\0' || pid <= 0 || pid == getpid()) continue;
        if (kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH) continue;
        std::string leftover = (slash == std::string::npos ? "" : folder) + entry->d_name;
        struct stat st;
        if (lstat(leftover.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == getuid())
            unlink(leftover.c_str());
    }
    closedir(dir);
}

}  // namespace

int PlatformWriteFileAtomic(const char* path, const void* data, size_t size) {
    if (!path) return 0;
    const std::string resolved = Resolve(path, true);
    if (resolved.empty()) {  // an install's file with no user folder to go to
        errno = ENOENT;
        return 0;
    }
    std::string target = FollowLinks(resolved);
    if (target.empty()) {
        errno = ELOOP;
        return 0;
    }
    RemoveDeadWritersFiles(target);
    std::string temp = TempName(target, getpid());
    int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0 && errno == EEXIST) {
        // Our own pid: a file of an earlier process that had it, or of an
        // earlier save of this one that could not be removed.
        struct stat st;
        if (lstat(temp.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == getuid())
            unlink(temp.c_str());
        fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    }
    if (fd < 0) return 0;
    const char* bytes = static_cast<const char*>(data);
    size_t done = 0;
    int error = 0;
    while (done < size && !error) {
        ssize_t w = write(fd, bytes + done, size - done);
        if (w < 0 && errno == EINTR) continue;
        if (w <= 0) error = w < 0 ? errno : ENOSPC;
        else done += static_cast<size_t>(w);
    }
    if (!error && fsync(fd) != 0) error = errno;
    if (close(fd) != 0 && !error) error = errno;
    if (!error && rename(temp.c_str(), target.c_str()) != 0) error = errno;
    if (error) {
        unlink(temp.c_str());
        errno = error;
        return 0;
    }
    return 1;
}
