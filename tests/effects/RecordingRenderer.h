#pragma once
// A renderer that keeps every call the particle system makes, in order, with
// its arguments, so tests can check what was drawn and how.
#include <string>
#include <vector>

#include "support/testing/NullRenderer.h"

struct RecordedCall {
    std::string op;
    std::vector<float> args;   // numbers in argument order
    TextureHandle texture = 0;
    std::string text;          // a path
    std::vector<float> quad;   // DrawParticleBatch: 4 corners x, y of both triangles
    int triangles = 0;
};

class RecordingRenderer : public NullRenderer {
public:
    std::vector<RecordedCall> calls;
    std::vector<std::string> released;  // paths of released textures, by handle
    std::vector<std::string> loaded;    // paths by handle - 1

    std::vector<RecordedCall> Named(const std::string& op) const {
        std::vector<RecordedCall> out;
        for (const RecordedCall& c : calls)
            if (c.op == op) out.push_back(c);
        return out;
    }
    TextureHandle HandleOf(const std::string& path) const {
        for (size_t i = 0; i < loaded.size(); ++i)
            if (loaded[i] == path) return static_cast<TextureHandle>(i + 1);
        return 0;
    }

    void SetOverlayMode(int enable, int blend) override {
        Add("SetOverlayMode", {static_cast<float>(enable), static_cast<float>(blend)});
    }
    void DrawImage(float x, float y, float w, float h, TextureHandle texture, float r, float g,
                   float b, float a) override {
        Add("DrawImage", {x, y, w, h, r, g, b, a}, texture);
    }
    void DrawParticleBatch(const TriangleRecord* first) override {
        RecordedCall call;
        call.op = "DrawParticleBatch";
        for (const TriangleRecord* t = first; t && call.triangles < 8; t = t->next) {
            ++call.triangles;
            for (int v = 0; v < 3; ++v) {
                call.quad.push_back(t->position[v][0]);
                call.quad.push_back(t->position[v][1]);
                call.args.push_back(t->position[v][2]);
                call.args.push_back(t->texCoord[v][0]);
                call.args.push_back(t->texCoord[v][1]);
                call.args.push_back(t->color[v][0]);
                call.args.push_back(t->color[v][1]);
                call.args.push_back(t->color[v][2]);
            }
            call.args.push_back(t->alpha);
        }
        calls.push_back(call);
    }
    void BindTexture(TextureHandle texture) override { Add("BindTexture", {}, texture); }
    TextureHandle LoadTexture(const char* path) override { return Load("LoadTexture", path); }
    TextureHandle LoadTextureKeyed(const char* path, int r, int g, int b) override {
        TextureHandle handle = Load("LoadTextureKeyed", path);
        calls.back().args = {static_cast<float>(r), static_cast<float>(g), static_cast<float>(b)};
        return handle;
    }
    int CountTextures() override { return static_cast<int>(loaded.size()) + 1; }
    void ReleaseTexture(TextureHandle texture) override {
        if (texture >= 1 && texture <= loaded.size()) released.push_back(loaded[texture - 1]);
    }

private:
    void Add(const char* op, std::vector<float> args, TextureHandle texture = 0) {
        RecordedCall call;
        call.op = op;
        call.args = std::move(args);
        call.texture = texture;
        calls.push_back(call);
    }
    TextureHandle Load(const char* op, const char* path) {
        loaded.push_back(path ? path : "");
        RecordedCall call;
        call.op = op;
        call.text = loaded.back();
        call.texture = static_cast<TextureHandle>(loaded.size());
        calls.push_back(call);
        return call.texture;
    }
};
