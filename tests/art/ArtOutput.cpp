#include "ArtOutput.h"

#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include <cstdlib>

int RunGenerator(const std::string& folder) {
    const std::string command = "'" CORRALON_GAME_DIR "/corralon-datagen' '" + folder +
                                "' '" CORRALON_SOURCE_DIR "/data' 2>/dev/null";
    const int status = system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

namespace {

// What the output depends on: the generator and the sources' times.
std::string StampNow() {
    std::string stamp;
    struct stat st;
    if (stat(CORRALON_GAME_DIR "/corralon-datagen", &st) == 0)
        stamp += std::to_string(st.st_mtime) + " " + std::to_string(st.st_size) + "\n";
    FILE* list = popen("find '" CORRALON_SOURCE_DIR "/data' -type f -printf '%T@ %p\\n' | sort", "r");
    if (list) {
        char line[1024];
        while (fgets(line, sizeof line, list)) stamp += line;
        pclose(list);
    }
    return stamp;
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

const std::string& ArtFolder() {
    // One run serves every test process of a build: ctest starts each test
    // on its own, and a run takes seconds. It is made again whenever the
    // generator or a source changed.
    static std::string folder;
    if (!folder.empty()) return folder;
    const std::string shared = CORRALON_TEST_BIN_DIR "/art-run";
    const std::string stamp = StampNow();
    if (ReadAll(shared + "/stamp.txt") == stamp) return folder = shared;
    std::string fresh = CORRALON_TEST_BIN_DIR "/art-run-XXXXXX";
    if (!mkdtemp(&fresh[0])) return folder;
    // Other groups may fail on a machine without their tools; the pictures
    // are checked file by file.
    RunGenerator(fresh);
    std::ofstream(fresh + "/stamp.txt", std::ios::binary) << stamp;
    // Replace the shared run; if another test process got there first, its
    // run is just as good, else keep ours.
    const std::string old = fresh + ".old";
    rename(shared.c_str(), old.c_str());
    if (rename(fresh.c_str(), shared.c_str()) == 0) {
        folder = shared;
        if (system(("rm -rf '" + old + "'").c_str()) != 0)
            fprintf(stderr, "could not remove %s\n", old.c_str());
    } else {
        folder = fresh;
    }
    return folder;
}

bool LoadArt(const std::string& name, bool keyed, Picture* picture, int keyR, int keyG,
             int keyB) {
    std::string path = ArtFolder() + "/" + name;
    for (char& c : path)
        if (c == '\\') c = '/';
    return LoadPicture(path.c_str(), keyed, keyR, keyG, keyB, picture);
}

int CoveredIn(const Picture& p, int x0, int y0, int x1, int y1) {
    int count = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (Covered(p, x, y)) ++count;
    return count;
}
