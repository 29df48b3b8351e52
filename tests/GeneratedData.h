#pragma once
// The generator's output for the tests that check it. Under CTest a fixture
// runs the generator once for the whole suite (tests/GenerateData.cmake):
// a first run, and a second one written twice over its own output, for the
// tests that compare runs. A test program started by hand makes its own.
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

struct GeneratedRun {
    std::string folder;
    int status = -1;  // the generator's exit status (of its first failed run)
};

namespace generated_data_detail {

inline int Generate(const std::string& folder) {
    const std::string command = "'" CORRALON_GAME_DIR "/corralon-datagen' '" + folder +
                                "' '" CORRALON_SOURCE_DIR "/data' 2>/dev/null";
    const int status = system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Private runs of a program started by hand go when it ends.
struct PrivateFolder {
    std::string path;
    ~PrivateFolder() {
        if (!path.empty() && system(("rm -rf '" + path + "'").c_str()) != 0)
            fprintf(stderr, "could not remove %s\n", path.c_str());
    }
};

inline GeneratedRun Find(const char* name, int runs) {
    GeneratedRun run;
    if (const char* shared = getenv("CORRALON_GENERATED_DIR")) {
        run.folder = std::string(shared) + "/" + name;
        std::ifstream status(run.folder + ".status");
        if (!(status >> run.status)) run.status = -1;
        return run;
    }
    static PrivateFolder folders[2];
    PrivateFolder& mine = folders[runs == 1 ? 0 : 1];
    char pattern[] = "/tmp/corralon-generated-XXXXXX";
    if (!mkdtemp(pattern)) return run;
    mine.path = pattern;
    run.folder = mine.path;
    run.status = 0;
    for (int i = 0; i < runs; ++i) {
        const int status = Generate(run.folder);
        if (run.status == 0) run.status = status;
    }
    return run;
}

}  // namespace generated_data_detail

inline const GeneratedRun& FirstGeneratedRun() {
    static const GeneratedRun run = generated_data_detail::Find("first", 1);
    return run;
}

// Written twice into the same folder: a rerun replaces what is there.
inline const GeneratedRun& SecondGeneratedRun() {
    static const GeneratedRun run = generated_data_detail::Find("second", 2);
    return run;
}
