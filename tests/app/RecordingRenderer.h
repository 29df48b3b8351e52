#pragma once
// A renderer that writes down the frame-level calls the core makes.
#include <cstdarg>
#include <cstdio>
#include <string>
#include <vector>

#include "support/testing/NullRenderer.h"

class RecordingRenderer : public NullRenderer {
public:
    std::vector<std::string> calls;

    void Shutdown() override { calls.push_back("Shutdown"); }
    void QueryView(float* a, float* b, float* c) override {
        NullRenderer::QueryView(a, b, c);
        calls.push_back("QueryView");
    }
    void SetOverlayMode(int enable, int blend) override {
        calls.push_back("SetOverlayMode " + std::to_string(enable) + " " + std::to_string(blend));
    }
    void Present() override { calls.push_back("Present"); }
    void DrawTextCentered(float x, float y, float scale, float r, float g, float b, float a,
                          const char* format, ...) override {
        char text[256];
        va_list args;
        va_start(args, format);
        vsnprintf(text, sizeof text, format, args);
        va_end(args);
        char line[400];
        snprintf(line, sizeof line, "DrawTextCentered %.2f %.2f %.2f %.0f %.0f %.0f %.0f %s", x, y,
                 scale, r, g, b, a, text);
        calls.push_back(line);
    }
};
