// A plug-in that draws from its own generator.
#include "app/Random.h"

extern "C" __attribute__((visibility("default"))) int RandomPluginDraw() {
    return GameRandom().Next();
}
