#pragma once
// The tests' renderer: it keeps every call in order with its arguments and
// keeps textures the way a real renderer does (created pixels handed back,
// loaded pictures known by path, releases checked), so a test can ask what
// was drawn, with what and where. Handles count up from 1 for every kind of
// texture.
#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "sdk/Renderer.h"

struct RendererCall {
    std::string op;           // the operation's name: "DrawImage", "DrawTextCentered", ...
    std::vector<float> args;  // its numbers in argument order, colours included
    TextureHandle texture = 0;
    std::string text;         // a drawn text or a picture's path
    std::vector<float> quad;  // DrawParticleBatch: x, y of each corner of its first triangles
    int triangles = 0;

    float x() const { return args[0]; }
    float y() const { return args[1]; }
    float w() const { return args[2]; }  // a text's scale
    float h() const { return args[3]; }
    float u0() const { return args[4]; }
    float v0() const { return args[5]; }
    float u1() const { return args[6]; }
    float v1() const { return args[7]; }
    float alpha() const { return args.back(); }
    // Red, green, blue, wherever the operation keeps its colour.
    float Colour(int channel) const {
        const size_t at = IsText() ? 3
                          : (op == "DrawImage" || op == "DrawImagePart") ? 8
                          : op == "SetClearColor" ? 0
                                                  : 4;
        return args[at + channel];
    }
    float r() const { return Colour(0); }
    float g() const { return Colour(1); }
    float b() const { return Colour(2); }
    bool IsText() const { return op == "DrawText" || op == "DrawTextCentered"; }
};

class RecordingRenderer : public Renderer {
public:
    struct Texture {
        std::string path;  // empty for a created texture
        int width = 0, height = 0, bytesPerPixel = 0;
        std::string name;
        std::vector<unsigned char> pixels;
    };

    std::vector<RendererCall> calls;
    std::map<TextureHandle, Texture> live;    // made and not yet released
    std::vector<TextureHandle> created;       // CreateTexture's, in order
    std::vector<std::string> loadOrder;       // paths loaded, in order
    std::map<std::string, TextureHandle> loaded;  // path -> its latest handle
    std::vector<std::string> keyed;           // keyed loads, "path r g b"
    std::vector<TextureHandle> released;
    int badReleases = 0;  // releases of a handle that is not live
    int presents = 0;
    TextureHandle font = 0;
    int fontReleases = 0;
    float viewScale = 70.0f;

    void Forget() { calls.clear(); }

    // Queries.
    std::vector<RendererCall> Named(const std::string& op) const {
        std::vector<RendererCall> out;
        for (const RendererCall& c : calls)
            if (c.op == op) out.push_back(c);
        return out;
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> out;
        for (const RendererCall& c : calls)
            if (c.IsText()) out.push_back(c.text);
        return out;
    }
    const RendererCall* FindText(const std::string& text) const {
        for (const RendererCall& c : calls)
            if (c.IsText() && c.text == text) return &c;
        return nullptr;
    }
    bool Shows(const std::string& text) const { return FindText(text) != nullptr; }
    // The first fully opaque text drawn at (x, y), or "".
    std::string TextAt(float x, float y) const {
        for (const RendererCall& c : calls)
            if (c.IsText() && c.x() == x && c.y() == y && c.alpha() == 1.0f) return c.text;
        return "";
    }
    TextureHandle Handle(const std::string& path) const {
        auto it = loaded.find(path);
        return it == loaded.end() ? 0 : it->second;
    }
    bool Released(const std::string& path) const {
        const TextureHandle t = Handle(path);
        for (TextureHandle r : released)
            if (t && r == t) return true;
        return false;
    }
    // The pictures and picture parts drawn with a texture, or with the one
    // loaded from `path`.
    std::vector<RendererCall> ImagesOf(TextureHandle texture) const {
        std::vector<RendererCall> out;
        for (const RendererCall& c : calls)
            if ((c.op == "DrawImage" || c.op == "DrawImagePart") && texture && c.texture == texture)
                out.push_back(c);
        return out;
    }
    std::vector<RendererCall> ImagesOf(const std::string& path) const { return ImagesOf(Handle(path)); }
    // Calls of one kind at a place.
    int At(const std::string& op, float x, float y) const {
        int n = 0;
        for (const RendererCall& c : calls)
            n += c.op == op && c.args.size() > 1 && std::abs(c.x() - x) < 1e-4f &&
                 std::abs(c.y() - y) < 1e-4f;
        return n;
    }

    // The operations.
    int Init(WindowHandle*, InstanceHandle) override { return Add("Init", {}), 1; }
    void Shutdown() override { Add("Shutdown", {}); }
    void QueryView(float* a, float* b, float* c) override {
        for (float* p : {a, b, c})
            if (p) *p = 0.0f;
        Add("QueryView", {});
    }
    float GetViewScale() override { return viewScale; }
    void SetViewScale(float scale) override {
        viewScale = scale;
        Add("SetViewScale", {scale});
    }
    void SetClearColor(float r, float g, float b, float a) override {
        Add("SetClearColor", {r, g, b, a});
    }
    void SetOverlayMode(int enable, int blend) override {
        Add("SetOverlayMode", {static_cast<float>(enable), static_cast<float>(blend)});
    }
    void SetRenderFlags(int a, int b) override {
        Add("SetRenderFlags", {static_cast<float>(a), static_cast<float>(b)});
    }
    void Present() override {
        ++presents;
        Add("Present", {});
    }
    void SetArrowTexture(TextureHandle t) override { Add("SetArrowTexture", {}, t); }
    void SetFontTexture(TextureHandle t) override {
        font = t;
        Add("SetFontTexture", {}, t);
    }
    void ReleaseFont() override {
        ++fontReleases;
        Add("ReleaseFont", {});
    }
    void DrawText(float x, float y, float s, float r, float g, float b, float a, const char* f,
                  ...) override {
        va_list args;
        va_start(args, f);
        Text("DrawText", {x, y, s, r, g, b, a}, f, args);
        va_end(args);
    }
    void DrawTextCentered(float x, float y, float s, float r, float g, float b, float a,
                          const char* f, ...) override {
        va_list args;
        va_start(args, f);
        Text("DrawTextCentered", {x, y, s, r, g, b, a}, f, args);
        va_end(args);
    }
    void DrawLine(float x1, float y1, float x2, float y2, float r, float g, float b,
                  float a) override {
        Add("DrawLine", {x1, y1, x2, y2, r, g, b, a});
    }
    void DrawFrame(float x, float y, float w, float h, float r, float g, float b,
                   float a) override {
        Add("DrawFrame", {x, y, w, h, r, g, b, a});
    }
    void FillRect(float x, float y, float w, float h, float r, float g, float b,
                  float a) override {
        Add("FillRect", {x, y, w, h, r, g, b, a});
    }
    void DrawImage(float x, float y, float w, float h, TextureHandle t, float r, float g, float b,
                   float a) override {
        Add("DrawImage", {x, y, w, h, 0, 0, 1, 1, r, g, b, a}, t);
    }
    void DrawImagePart(float x, float y, float w, float h, float u0, float v0, float u1, float v1,
                       TextureHandle t, float r, float g, float b, float a) override {
        Add("DrawImagePart", {x, y, w, h, u0, v0, u1, v1, r, g, b, a}, t);
    }
    void DrawParticleBatch(const TriangleRecord* first) override {
        RendererCall call;
        call.op = "DrawParticleBatch";
        // At most 8 triangles: a broken list that loops must not hang a test.
        for (const TriangleRecord* t = first; t && call.triangles < 8; t = t->next) {
            ++call.triangles;
            for (int v = 0; v < 3; ++v) {
                call.quad.push_back(t->position[v][0]);
                call.quad.push_back(t->position[v][1]);
                call.args.insert(call.args.end(),
                                 {t->position[v][2], t->texCoord[v][0], t->texCoord[v][1],
                                  t->color[v][0], t->color[v][1], t->color[v][2]});
            }
            call.args.push_back(t->alpha);
        }
        calls.push_back(call);
    }
    void BindTexture(TextureHandle t) override { Add("BindTexture", {}, t); }
    TextureHandle LoadTexture(const char* path) override { return Load("LoadTexture", path, {}); }
    TextureHandle LoadTextureKeyed(const char* path, int r, int g, int b) override {
        keyed.push_back(std::string(path) + " " + std::to_string(r) + " " + std::to_string(g) +
                        " " + std::to_string(b));
        return Load("LoadTextureKeyed", path,
                    {static_cast<float>(r), static_cast<float>(g), static_cast<float>(b)});
    }
    TextureHandle CreateTexture(const unsigned char* pixels, int width, int height, int bpp,
                                const char* name) override {
        const TextureHandle h = next_++;
        Texture& t = live[h];
        t.width = width;
        t.height = height;
        t.bytesPerPixel = bpp;
        t.name = name ? name : "";
        const size_t size = static_cast<size_t>(width) * height * bpp;
        if (pixels)
            t.pixels.assign(pixels, pixels + size);
        else
            t.pixels.assign(size, 0);
        created.push_back(h);
        Add("CreateTexture", {static_cast<float>(width), static_cast<float>(height)}, h);
        return h;
    }
    void GetTextureInfo(TextureHandle texture, int* height, int* width, int* bpp, const char** name,
                        int* flag) override {
        auto it = live.find(texture);
        const Texture none;
        const Texture& t = it == live.end() ? none : it->second;
        if (height) *height = t.height;
        if (width) *width = t.width;
        if (bpp) *bpp = t.bytesPerPixel;
        if (name) *name = it == live.end() ? "" : it->second.name.c_str();
        if (flag) *flag = 0;
    }
    void GetTextureData(TextureHandle texture, unsigned char* pixels) override {
        auto it = live.find(texture);
        if (it != live.end() && pixels)
            std::copy(it->second.pixels.begin(), it->second.pixels.end(), pixels);
    }
    int CountTextures() override { return static_cast<int>(next_); }
    void ReleaseTexture(TextureHandle texture) override {
        released.push_back(texture);
        if (live.erase(texture) == 0) ++badReleases;
        Add("ReleaseTexture", {}, texture);
    }

private:
    void Add(const char* op, std::vector<float> args, TextureHandle texture = 0) {
        RendererCall call;
        call.op = op;
        call.args = std::move(args);
        call.texture = texture;
        calls.push_back(std::move(call));
    }
    void Text(const char* op, std::vector<float> args, const char* format, va_list list) {
        char text[512];
        vsnprintf(text, sizeof text, format ? format : "", list);
        Add(op, std::move(args));
        calls.back().text = text;
    }
    TextureHandle Load(const char* op, const char* path, std::vector<float> args) {
        const TextureHandle h = next_++;
        live[h].path = path ? path : "";
        loadOrder.push_back(live[h].path);
        loaded[live[h].path] = h;
        Add(op, std::move(args), h);
        calls.back().text = live[h].path;
        return h;
    }
    TextureHandle next_ = 1;
};
