#include "tools/viewer/ViewerScene.h"

#include "sdk/Bicho.h"
#include "sdk/Renderer.h"
#include "tools/viewer/Playback.h"
#include "tools/viewer/ViewerKeys.h"

namespace {

const float kText = 0.5f;  // text scale
const float kLine = 0.03f;

const char* OrNone(const char* text) { return text ? text : "-"; }

void DrawFrameData(Renderer* r, const Frame& f, float y) {
    r->DrawText(0.02f, y, kText, 1, 1, 1, 1, "SPRITE %.3f %.3f %.3f %.3f  ANCLA %.3f %.3f",
                f.spriteLeft, f.spriteTop, f.width, f.height, f.anchorX, f.anchorY);
    r->DrawText(0.02f, y + kLine, kText, 0, 1, 0, 1, "CUERPO %.3f %.3f %.3f %.3f",
                f.bodyBox.left, f.bodyBox.top, f.bodyBox.right, f.bodyBox.bottom);
    r->DrawText(0.02f, y + 2 * kLine, kText, 0, 1, 1, 1, "GOLPE %.3f %.3f %.3f %.3f",
                f.hitBox.left, f.hitBox.top, f.hitBox.right, f.hitBox.bottom);
    r->DrawText(0.02f, y + 3 * kLine, kText, 1, 0.4f, 0.4f, 1,
                "PUNTO %.3f %.3f  DURACION %.3f  TEXTURA %d", f.hotX, f.hotY, f.duration,
                f.texture);
}

}  // namespace

void DrawViewerScene(Renderer* r, Bicho* creature, const Playback& playback,
                     const ViewerStatus& status, float dt) {
    r->SetOverlayMode(1, 1);
    const float ground = creature ? creature->GetGround() : 0.75f;
    r->DrawLine(0.0f, ground, 1.0f, ground, 0.4f, 0.4f, 0.4f, 1.0f);
    if (creature) {
        // Playback drives the frames; Draw only counts effect times down.
        creature->Draw(0.0f, 0.0f, playback.Paused() ? 0.0f : dt);
        if (status.boxes) creature->DrawBoxes(0.0f, 0.0f);
    }
    r->SetOverlayMode(1, 1);
    float y = 0.02f;
    r->DrawText(0.02f, y, kText, 1, 1, 0.3f, 1, "%s%s", status.path,
                status.loaded ? "" : "  (NO SE PUEDE LEER)");
    y += kLine;
    if (creature) {
        r->DrawText(0.02f, y, kText, 1, 1, 1, 1, "NOMBRE %s / %s / %s", OrNone(creature->GetName()),
                    OrNone(creature->GetName2()), OrNone(creature->GetName3()));
        y += kLine;
        const Anima* a = creature->GetCurrentAnimation();
        if (a) {
            r->DrawText(0.02f, y, kText, 1, 1, 1, 1,
                        "ANIMACION %d/%d %s  TIPO %s  VALORES %d %d %d", playback.AnimationIndex(),
                        playback.AnimationCount(), OrNone(a->name), OrNone(a->kind), a->valueA,
                        a->valueB, a->valueC);
        } else {
            r->DrawText(0.02f, y, kText, 1, 1, 1, 1, "SIN ANIMACIONES");
        }
        y += kLine;
        r->DrawText(0.02f, y, kText, 1, 1, 1, 1, "FRAME %d/%d%s", creature->CurrentFrameIndex(),
                    creature->CountFrames(), playback.Paused() ? "  PAUSA" : "");
        y += kLine;
        if (const Frame* f = creature->GetCurrentFrame()) DrawFrameData(r, *f, y);
    }
    r->DrawText(0.02f, 0.96f, kText, 0.7f, 0.7f, 0.7f, 1, "%s  RECARGAS %d", kViewerKeyHelp,
                status.reloads);
}
