// corralon-datagen <game folder>: writes the game's generated data files.
#include <cstdio>

#include "tools/datagen/Arrows.h"
#include "tools/datagen/ConfigFiles.h"
#include "tools/datagen/Fonts.h"
#include "tools/datagen/OutputFolder.h"

namespace {

struct DataGroup {
    const char* name;
    bool (*write)(const OutputFolder& out);
};

// One entry per group of files; each group reports its own failures.
const DataGroup kGroups[] = {
    {"configuration files", WriteConfigFiles},
    {"font", WriteFonts},
    {"arrows", WriteArrows},
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 || !argv[1][0]) {
        fprintf(stderr, "usage: corralon-datagen <game folder>\n");
        return 2;
    }
    OutputFolder out(argv[1]);
    int failures = 0;
    for (const DataGroup& group : kGroups) {
        if (!group.write(out)) {
            fprintf(stderr, "corralon-datagen: the %s could not be written\n", group.name);
            ++failures;
        }
    }
    return failures ? 1 : 0;
}
