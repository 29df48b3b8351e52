// qvl info and qvl check.
#include <cstdio>

#include "sdk/Bicho.h"
#include "tools/qvl/QvlTool.h"

namespace {

const char* Text(const char* s) { return s ? s : "(none)"; }

void PrintTexture(const char* label, const QvlTextureRecord& t) {
    printf("%s handle %d  %dx%d x %d bytes  flag %d  name \"%s\"  %s %d bytes\n", label,
           t.savedHandle, t.width, t.height, t.bytesPerPixel, t.flag, t.name.c_str(),
           t.tag == 6 ? "packed" : "raw", t.packedSize);
}

int PositionOf(const QvlContents& c, int handle) {
    if (handle < 0 || static_cast<size_t>(handle) >= c.table.size()) return -1;
    return c.table[handle];
}

}  // namespace

int RunInfo(const char* path) {
    Renderer* renderer = LoadHeadless();
    if (!renderer) return 2;
    Bicho* c = nullptr;
    QvlContents contents;
    if (!ReadCreature(renderer, path, &c, contents)) {
        fprintf(stderr, "qvl: cannot open %s: %s\n", path, OpenFailure(path).c_str());
        return 2;
    }
    printf("file %s\n", path);
    printf("version %d%s\n", contents.version,
           contents.version == 1 ? "" : " (old layout, no header)");
    printf("name \"%s\"  name2 \"%s\"  name3 \"%s\"\n", Text(c->name), Text(c->name2),
           Text(c->name3));
    printf("position %g %g  velocity %g %g  extraA %g  extraB %g\n", c->x, c->y, c->velocityX,
           c->velocityY, c->extraA, c->extraB);
    for (int i = 0; i < 2; ++i) {
        if (contents.hasPicture[i])
            PrintTexture(i == 0 ? "picture A:" : "picture B:", contents.pictures[i]);
        else
            printf("picture %c: none\n", i == 0 ? 'A' : 'B');
    }
    printf("animations %d, frames %d\n", c->animationCount, c->frameCount);
    size_t frameIndex = 0;
    for (Anima* a = c->animations; a; a = a->next) {
        int count = 0;
        for (Frame* f = a->firstFrame; f; f = f->next) ++count;
        printf("animation \"%s\"  kind \"%s\"  values %d %d %d  frames %d\n", a->name, a->kind,
               a->valueA, a->valueB, a->valueC, count);
        int n = 0;
        for (Frame* f = a->firstFrame; f; f = f->next, ++n, ++frameIndex) {
            int stored = frameIndex < contents.frameHandles.size()
                             ? contents.frameHandles[frameIndex]
                             : -1;
            printf("  frame %d: texture %d (block %d)  duration %g\n", n, stored,
                   PositionOf(contents, stored), f->duration);
            printf("    sprite %g %g %g %g  anchor %g %g  hot %g %g\n", f->spriteLeft,
                   f->spriteTop, f->width, f->height, f->anchorX, f->anchorY, f->hotX, f->hotY);
            printf("    body %g %g %g %g  hit %g %g %g %g\n", f->bodyBox.left, f->bodyBox.top,
                   f->bodyBox.right, f->bodyBox.bottom, f->hitBox.left, f->hitBox.top,
                   f->hitBox.right, f->hitBox.bottom);
        }
    }
    int used = 0;
    for (int entry : contents.table) used += entry != -1;
    printf("texture table: %zu handles, %d textures\n", contents.table.size(), used);
    for (size_t i = 0; i < contents.textures.size(); ++i) {
        char label[32];
        snprintf(label, sizeof label, "texture %zu:", i);
        PrintTexture(label, contents.textures[i]);
    }
    for (const std::string& problem : contents.problems) printf("problem: %s\n", problem.c_str());
    FreeCreature(c);
    if (contents.problems.empty()) return 0;
    // What is listed above is only what could be read of a broken file.
    fprintf(stderr, "qvl: %s is broken: the problem lines above say where\n", path);
    return 1;
}

int RunCheck(const char* path) {
    Renderer* renderer = LoadHeadless();
    if (!renderer) return 2;
    QvlContents whole;
    Bicho* c = nullptr;
    if (!ReadCreature(renderer, path, &c, whole)) {
        fprintf(stderr, "qvl: cannot open %s: %s\n", path, OpenFailure(path).c_str());
        return 2;
    }
    FreeCreature(c);
    if (whole.version == 1) {
        // The selection screens read the preview: it must hold up too.
        QvlContents preview;
        Bicho* p = CreateBicho();
        p->Init(nullptr, renderer, nullptr, nullptr, nullptr, nullptr);
        ReadQvl(*p, path, QvlMode::kPreview, &preview);
        FreeCreature(p);
        for (const std::string& problem : preview.problems)
            whole.problems.push_back("preview: " + problem);
    }
    if (whole.problems.empty()) {
        printf("%s: sound (version %d)\n", path, whole.version);
        return 0;
    }
    for (const std::string& problem : whole.problems)
        fprintf(stderr, "%s: %s\n", path, problem.c_str());
    return 1;
}
