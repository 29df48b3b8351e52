#include "tools/datagen/OutputFolder.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "base/Files.h"

namespace {

bool MakeFolders(const std::string& path) {
    for (size_t slash = path.find('/', 1); slash != std::string::npos;
         slash = path.find('/', slash + 1)) {
        std::string folder = path.substr(0, slash);
        if (mkdir(folder.c_str(), 0755) != 0 && errno != EEXIST) return false;
    }
    return true;
}

}  // namespace

bool OutputFolder::Write(const char* name, const std::vector<unsigned char>& bytes) const {
    std::string path = root_ + "/" + name;
    for (char& c : path)
        if (c == '\\') c = '/';
    if (!MakeFolders(path)) {
        fprintf(stderr, "corralon-datagen: cannot create the folders of %s: %s\n", path.c_str(),
                strerror(errno));
        return false;
    }
    if (!PlatformWriteFileAtomic(path.c_str(), bytes.data(), bytes.size())) {
        fprintf(stderr, "corralon-datagen: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

bool OutputFolder::Write(const char* name, const std::string& text) const {
    return Write(name, std::vector<unsigned char>(text.begin(), text.end()));
}
