// The frog's two sound effects.
#include "tools/datagen/DataGroup.h"
#include "tools/datagen/Samples.h"

namespace {
bool WriteSoundEffects(const OutputFolder& out, const DataSources&) {
    return WriteFrogSamples(out.root().c_str()) == 1;
}
}  // namespace
CORRALON_DATA_GROUP(soundEffects, "sound effects", 30, WriteSoundEffects);
