// corralon-datagen <game folder> [<data sources folder>]: writes the game's
// generated data files.
#include <cstdio>

#include "tools/datagen/DataGroup.h"
#include "tools/datagen/OutputFolder.h"

#ifndef CORRALON_DATA_SOURCES
#define CORRALON_DATA_SOURCES "data"
#endif

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3 || !argv[1][0]) {
        fprintf(stderr, "usage: corralon-datagen <game folder> [<data sources folder>]\n");
        return 2;
    }
    OutputFolder out(argv[1]);
    DataSources sources{argc == 3 ? argv[2] : CORRALON_DATA_SOURCES};
    int failures = 0;
    for (const DataGroup& group : RegisteredDataGroups()) {
        if (!group.write(out, sources)) {
            fprintf(stderr, "corralon-datagen: the %s could not be written\n", group.name);
            ++failures;
        }
    }
    return failures ? 1 : 0;
}
