#include "platform/CommandLine.h"

#include <cstring>

std::string PlatformCommandLine(int argc, char** argv) {
    std::string line;
    for (int i = 0; i < argc; ++i) {
        if (!argv || !argv[i]) break;
        if (i > 0) line += ' ';
        // A program path with blanks is quoted, as Windows does, so the
        // switch parser can still find where the name ends.
        if (i == 0 && strchr(argv[i], ' ')) {
            line += '"';
            line += argv[i];
            line += '"';
        } else {
            line += argv[i];
        }
    }
    return line;
}
