#include "plugins/renderer_gl/KrellinSettings.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "base/ConfigFile.h"

const char kKrellinSettingsPath[] = "cfg\\krellin.txt";

namespace {

const char kSection[] = "[ventana]";
const int kMinSide = 64;
const int kMaxSide = 16384;

// A whole decimal number within [low, high], or false.
bool ParseInt(const char* text, int low, int high, int* out) {
    if (!text || !*text) return false;
    errno = 0;
    char* end = nullptr;
    long value = strtol(text, &end, 10);
    if (errno != 0 || end == text || *end != '\0') return false;
    if (value < low || value > high) return false;
    *out = static_cast<int>(value);
    return true;
}

}  // namespace

KrellinSettings ReadKrellinSettings(const char* path) {
    KrellinSettings settings;
    ConfigFile file;
    if (file.Open(path) != ConfigResult::kOk || file.Load() != ConfigResult::kOk) return settings;
    int value = 0;
    if (ParseInt(file.GetValue(kSection, "ancho"), kMinSide, kMaxSide, &value))
        settings.width = value;
    if (ParseInt(file.GetValue(kSection, "alto"), kMinSide, kMaxSide, &value))
        settings.height = value;
    if (ParseInt(file.GetValue(kSection, "pantallacompleta"), 0, 1, &value))
        settings.fullscreen = value == 1;
    if (ParseInt(file.GetValue(kSection, "vsync"), 0, 1, &value)) settings.vsync = value == 1;
    return settings;
}
