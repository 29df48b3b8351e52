#pragma once
// Every operation of the renderer interface once, each reduced to one
// number that is 0 when the operation answered nothing and wrote nothing.
// Used to check that a renderer without a started window stays inert.
#include <cmath>
#include <functional>
#include <vector>

#include "sdk/Renderer.h"

struct RendererOperation {
    const char* name;
    std::function<double(Renderer*)> answer;
};

inline const std::vector<RendererOperation>& AllRendererOperations() {
    static const unsigned char kPixels[4 * 4 * 4] = {1, 2, 3, 4};
    static const TriangleRecord kTriangle = {};
    static const std::vector<RendererOperation> operations = {
        {"CreateTexture", [](Renderer* r) { return double(r->CreateTexture(kPixels, 4, 4, 4, "x")); }},
        {"LoadTexture", [](Renderer* r) { return double(r->LoadTexture("bmp\\nada.bmp")); }},
        {"LoadTextureKeyed",
         [](Renderer* r) { return double(r->LoadTextureKeyed("bmp\\nada.bmp", 255, 0, 255)); }},
        {"CountTextures", [](Renderer* r) { return double(r->CountTextures()); }},
        {"GetTextureInfo",
         [](Renderer* r) {
             int h = -1, w = -1, bpp = -1, flag = -1;
             const char* name = nullptr;
             r->GetTextureInfo(1, &h, &w, &bpp, &name, &flag);
             r->GetTextureInfo(1, nullptr, nullptr, nullptr, nullptr, nullptr);
             return double(std::abs(h) + std::abs(w) + std::abs(bpp) + std::abs(flag)) +
                    (name && *name == '\0' ? 0.0 : 1.0);
         }},
        {"GetTextureData",
         [](Renderer* r) {
             unsigned char out[4 * 4 * 4] = {};
             r->GetTextureData(1, out);
             r->GetTextureData(1, nullptr);
             int sum = 0;
             for (unsigned char c : out) sum += c;
             return double(sum);
         }},
        {"SetViewScale", [](Renderer* r) { r->SetViewScale(90.0f); return 0.0; }},
        {"GetViewScale", [](Renderer* r) { return double(r->GetViewScale()); }},
        {"QueryView",
         [](Renderer* r) {
             float a = -1, b = -1, c = -1;
             r->QueryView(&a, &b, &c);
             r->QueryView(nullptr, nullptr, nullptr);
             return double(std::fabs(a) + std::fabs(b) + std::fabs(c));
         }},
        {"SetClearColor", [](Renderer* r) { r->SetClearColor(1, 0, 0, 1); return 0.0; }},
        {"SetOverlayMode", [](Renderer* r) { r->SetOverlayMode(1, 3); return 0.0; }},
        {"SetRenderFlags", [](Renderer* r) { r->SetRenderFlags(1, 1); return 0.0; }},
        {"SetArrowTexture", [](Renderer* r) { r->SetArrowTexture(1); return 0.0; }},
        {"SetFontTexture", [](Renderer* r) { r->SetFontTexture(1); return 0.0; }},
        {"BindTexture", [](Renderer* r) { r->BindTexture(1); return 0.0; }},
        {"DrawText", [](Renderer* r) { r->DrawText(0, 0, 1, 1, 1, 1, 1, "HOLA %d", 3); return 0.0; }},
        {"DrawTextCentered",
         [](Renderer* r) { r->DrawTextCentered(0.5f, 0, 1, 1, 1, 1, 1, "HOLA"); return 0.0; }},
        {"DrawLine", [](Renderer* r) { r->DrawLine(0, 0, 1, 1, 1, 1, 1, 1); return 0.0; }},
        {"DrawFrame", [](Renderer* r) { r->DrawFrame(0, 0, 1, 1, 1, 1, 1, 1); return 0.0; }},
        {"FillRect", [](Renderer* r) { r->FillRect(0, 0, 1, 1, 1, 1, 1, 1); return 0.0; }},
        {"DrawImage", [](Renderer* r) { r->DrawImage(0, 0, 1, 1, 1, 1, 1, 1, 1); return 0.0; }},
        {"DrawImagePart",
         [](Renderer* r) { r->DrawImagePart(0, 0, 1, 1, 0, 0, 1, 1, 1, 1, 1, 1, 1); return 0.0; }},
        {"DrawParticleBatch", [](Renderer* r) { r->DrawParticleBatch(&kTriangle); return 0.0; }},
        {"Present", [](Renderer* r) { r->Present(); return 0.0; }},
        {"ReleaseFont", [](Renderer* r) { r->ReleaseFont(); return 0.0; }},
        {"ReleaseTexture", [](Renderer* r) { r->ReleaseTexture(1); return 0.0; }},
        {"Shutdown", [](Renderer* r) { r->Shutdown(); return 0.0; }},
    };
    return operations;
}
