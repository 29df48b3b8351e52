#include "tools/datagen/DataGroup.h"

#include <algorithm>
#include <cstring>

namespace {
std::vector<DataGroup>& Groups() {
    static std::vector<DataGroup> groups;
    return groups;
}
}  // namespace

DataGroupRegistrar::DataGroupRegistrar(const DataGroup& group) { Groups().push_back(group); }

std::vector<DataGroup> RegisteredDataGroups() {
    std::vector<DataGroup> sorted = Groups();
    std::sort(sorted.begin(), sorted.end(), [](const DataGroup& a, const DataGroup& b) {
        if (a.order != b.order) return a.order < b.order;
        return strcmp(a.name, b.name) < 0;
    });
    return sorted;
}
