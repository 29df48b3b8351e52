#pragma once
// One picture of the viewer: ground line, the creature, its boxes and the
// text about it.
class Bicho;
class Renderer;
class Playback;

struct ViewerStatus {
    const char* path = "";
    bool loaded = false;
    bool boxes = false;
    int reloads = 0;
};

void DrawViewerScene(Renderer* renderer, Bicho* creature, const Playback& playback,
                     const ViewerStatus& status, float dt);
