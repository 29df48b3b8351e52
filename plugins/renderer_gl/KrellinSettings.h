#pragma once
// The renderer's own settings, read from "cfg\krellin.txt":
//   [ventana]
//   ancho = 800
//   alto = 600
//   pantallacompleta = 0
//   vsync = 0
// A missing file or key keeps the default; a bad value is ignored.

struct KrellinSettings {
    int width = 800;
    int height = 600;
    bool fullscreen = false;
    bool vsync = false;
};

extern const char kKrellinSettingsPath[];  // "cfg\\krellin.txt"

// Returns the defaults overridden by the valid values found in `path`.
KrellinSettings ReadKrellinSettings(const char* path);
