// qvl: the creature file tool.
#include <cstdio>
#include <cstring>
#include <string>

#include "tools/qvl/QvlTool.h"

namespace {

int Usage() {
    fprintf(stderr,
            "usage: qvl info FILE\n"
            "       qvl check FILE\n"
            "       qvl extract FILE DIR\n"
            "       qvl build DIR FILE\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return Usage();
    std::string command = argv[1];
    if (command == "info" && argc == 3) return RunInfo(argv[2]);
    if (command == "check" && argc == 3) return RunCheck(argv[2]);
    if (command == "extract" && argc == 4) return RunExtract(argv[2], argv[3]);
    if (command == "build" && argc == 4) return RunBuild(argv[2], argv[3]);
    return Usage();
}
