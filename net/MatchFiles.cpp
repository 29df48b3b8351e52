#include "net/MatchFiles.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>

#include "base/StateBuffer.h"

namespace {

// Sound files and pictures of the menus are not the match's.
const char* const kFolders[] = {"Bichos", "fondos"};
constexpr int kDeepest = 4;

uint64_t FileDigest(const std::string& path) {
    FILE* f = fopen(path.c_str(), "rb");
    if (!f) return 0;
    std::vector<unsigned char> bytes;
    unsigned char block[65536];
    for (size_t n; (n = fread(block, 1, sizeof block, f)) > 0;) bytes.insert(bytes.end(), block, block + n);
    fclose(f);
    return StateChecksum(bytes.data(), bytes.size());
}

void Collect(const std::string& folder, int depth, std::vector<std::string>* names) {
    if (depth > kDeepest) return;
    DIR* dir = opendir(folder.c_str());
    if (!dir) return;
    while (dirent* e = readdir(dir)) {
        const std::string name = e->d_name;
        if (name == "." || name == "..") continue;
        const std::string path = folder + "/" + name;
        struct stat st;
        if (stat(path.c_str(), &st) != 0) continue;
        if (S_ISDIR(st.st_mode))
            Collect(path, depth + 1, names);
        else if (S_ISREG(st.st_mode))
            names->push_back(path);
    }
    closedir(dir);
}

}  // namespace

std::vector<NetFile> MatchFiles() {
    std::vector<std::string> names;
    for (const char* folder : kFolders) Collect(folder, 0, &names);
    std::sort(names.begin(), names.end());
    if (names.size() > kNetMaxFiles) names.resize(kNetMaxFiles);
    std::vector<NetFile> files;
    for (const std::string& name : names) files.push_back({name, FileDigest(name)});
    return files;
}

std::string FirstFileDifference(const std::vector<NetFile>& own, const std::vector<NetFile>& other) {
    for (const NetFile& f : own) {
        auto it = std::find_if(other.begin(), other.end(),
                               [&f](const NetFile& o) { return o.name == f.name; });
        if (it == other.end()) return "el otro no tiene " + f.name;
        if (it->digest != f.digest) return f.name + " es distinto";
    }
    for (const NetFile& o : other) {
        auto it = std::find_if(own.begin(), own.end(),
                               [&o](const NetFile& f) { return f.name == o.name; });
        if (it == own.end()) return "aqui no esta " + o.name;
    }
    return "";
}
