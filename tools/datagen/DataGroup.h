#pragma once
// A group of generated files. Each group registers itself from its own
// source file, so adding data never means editing a shared list.
#include <string>
#include <vector>

#include "tools/datagen/OutputFolder.h"

// Where the editable sources (SVG art, scores) live: the repository's data/.
struct DataSources {
    std::string root;
    std::string Path(const std::string& relative) const { return root + "/" + relative; }
};

struct DataGroup {
    const char* name;
    int order;  // lower runs first; reviews (the contact sheet) run last
    bool (*write)(const OutputFolder& out, const DataSources& sources);
};

// Groups sorted by order, then name, so every run writes in the same order.
std::vector<DataGroup> RegisteredDataGroups();

struct DataGroupRegistrar {
    explicit DataGroupRegistrar(const DataGroup& group);
};

#define CORRALON_DATA_GROUP(id, name, order, fn) \
    static const DataGroupRegistrar id##Registrar({name, order, fn})
