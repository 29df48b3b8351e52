#pragma once
// A renderer without a window: draws nothing, keeps textures in memory and
// records every call, so the game and its tools run with no display.
#include <string>

#include "sdk/Renderer.h"
#include "plugins/renderer_common/TextureTable.h"

class CallLog;

class HeadlessRenderer : public Renderer {
public:
    explicit HeadlessRenderer(CallLog* log) : log_(log) {}

    CORRALON_RENDERER_OVERRIDES

    // Longest piece of a drawn text kept in a recorded line.
    static constexpr size_t kMaxRecordedText = 1024;

private:
    void Record(const std::string& line);
    void RecordText(const char* operation, float x, float y, float scale, float r, float g,
                    float b, float a, const std::string& text);
    TextureHandle LoadPictureTexture(const char* path, bool keyed, int r, int g, int b);

    CallLog* log_;
    TextureTable textures_;
    float viewScale_ = 70.0f;
    // After a failed Init every call is still recorded but does nothing and
    // answers 0, like a renderer without its window.
    bool failed_ = false;
    // CORRALON_HEADLESS_TEXTURE_COUNT=1: the game log gets the live texture
    // count whenever it changes, so a long run can be checked for leaks
    // without a trace of every call.
    bool logTextureCount_ = false;
    int loggedTextureCount_ = -1;
    unsigned long presents_ = 0;
};
