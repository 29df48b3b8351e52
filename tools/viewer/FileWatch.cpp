#include "tools/viewer/FileWatch.h"

#include <sys/stat.h>

#include "base/Files.h"

FileWatch::FileWatch(const std::string& path) : path_(path) { Look(&stamp_, &size_); }

bool FileWatch::Look(long long* stamp, long long* size) const {
    struct stat info;
    if (path_.empty() || stat(PlatformResolvePath(path_.c_str()).c_str(), &info) != 0) {
        *stamp = *size = -1;
        return false;
    }
    *stamp = static_cast<long long>(info.st_mtim.tv_sec) * 1000000000LL + info.st_mtim.tv_nsec;
    *size = static_cast<long long>(info.st_size);
    return true;
}

bool FileWatch::Changed() {
    long long stamp = -1, size = -1;
    // A file in the middle of being replaced may be missing for a moment:
    // wait until it is back rather than load nothing.
    if (!Look(&stamp, &size)) return false;
    if (stamp == stamp_ && size == size_) return false;
    stamp_ = stamp;
    size_ = size;
    return true;
}
