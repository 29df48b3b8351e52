// A plug-in that draws from its own generator.
#include "base/Random.h"

extern "C" __attribute__((visibility("default"))) int RandomPluginDraw() {
    return GameRandom().Next();
}
