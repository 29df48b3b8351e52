#include "platform/CommandLine.h"

std::string PlatformCommandLine(int argc, char** argv) {
    std::string line;
    for (int i = 0; i < argc; ++i) {
        if (!argv || !argv[i]) break;
        if (i > 0) line += ' ';
        line += argv[i];
    }
    return line;
}
