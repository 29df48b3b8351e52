// Reading a creature manifest and building the creature file from it.
#include "tools/qvl/QvlManifest.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "base/ConfigFile.h"
#include "creature/QvlFormat.h"
#include "sdk/Bicho.h"
#include "sdk/Renderer.h"

namespace {

void Floats(const char* text, float* out, int count) {
    char* end = nullptr;
    for (int i = 0; i < count; ++i) {
        out[i] = strtof(text, &end);
        text = end;
    }
}

// A count or handle; -1 when it is no number or beyond int.
int Count(const char* text) {
    char* end = nullptr;
    errno = 0;
    long value = strtol(text, &end, 10);
    if (end == text || errno != 0 || value < INT_MIN || value > INT_MAX) return -1;
    return static_cast<int>(value);
}

// Recreates every texture under its own handle: the headless renderer hands
// out the lowest free handle from 1, so gaps are filled with stand-ins that
// no frame uses (they show as -1 in the table, as in the original).
bool MakeTextures(Renderer* r, const QvlManifest& m, const QvlPictureSource& pictures,
                  std::vector<TextureHandle>& made, std::string& reason) {
    // The reader's limits, checked before anything is made for them.
    if (m.textureCount < 0 || m.textureCount > kQvlMaxHandles) {
        reason = "textureCount " + std::to_string(m.textureCount) + " is outside 0 to " +
                 std::to_string(kQvlMaxHandles);
        return false;
    }
    std::vector<const QvlTextureEntry*> byHandle(
        static_cast<size_t>(m.textureCount > 1 ? m.textureCount : 1), nullptr);
    std::vector<const QvlTextureEntry*> all;
    for (const QvlTextureEntry& t : m.textures) all.push_back(&t);
    for (int i = 0; i < 2; ++i)
        if (m.hasPicture[i]) all.push_back(&m.pictures[i]);
    for (const QvlTextureEntry* t : all) {
        if (t->handle < 1 || t->handle >= kQvlMaxHandles) {
            reason = "texture handle " + std::to_string(t->handle) + " is outside 1 to " +
                     std::to_string(kQvlMaxHandles - 1);
            return false;
        }
        if (static_cast<size_t>(t->handle) >= byHandle.size()) byHandle.resize(t->handle + 1, nullptr);
        byHandle[t->handle] = t;
        if (t->flag != 0)
            fprintf(stderr, "qvl: texture flag %d of %s is not kept (the renderer sets 0)\n",
                    t->flag, t->file.c_str());
    }
    const unsigned char standIn[3] = {255, 0, 255};
    long decoded = 0;
    for (size_t h = 1; h < byHandle.size(); ++h) {
        TextureHandle handle;
        if (byHandle[h]) {
            BmpImage image;
            if (!pictures(*byHandle[h], image, reason)) return false;
            size_t need = static_cast<size_t>(image.width) * image.height * image.bytesPerPixel;
            if (image.width < 1 || image.height < 1 || image.pixels.size() < need) {
                reason = "the picture of " + byHandle[h]->file + " is empty or short";
                return false;
            }
            decoded += static_cast<long>(need);
            if (decoded > kQvlMaxDecodedBytes) {
                reason = "the pictures hold more than " +
                         std::to_string(kQvlMaxDecodedBytes >> 20) +
                         " MB of pixels, more than a creature file may";
                return false;
            }
            handle = r->CreateTexture(image.pixels.data(), image.width, image.height,
                                      image.bytesPerPixel, byHandle[h]->name.c_str());
        } else {
            handle = r->CreateTexture(standIn, 1, 1, 3, "");
        }
        made.push_back(handle);
        if (handle != h) {
            reason = "the renderer gave handle " + std::to_string(handle) + " for " + std::to_string(h);
            return false;
        }
    }
    return true;
}

// Textures that no frame or picture took (stand-ins, unused entries) are
// still the renderer's; the creature's release left them behind.
void ReleaseLeftovers(Renderer* r, const std::vector<TextureHandle>& made) {
    for (TextureHandle h : made) {
        int width = 0;
        r->GetTextureInfo(h, nullptr, &width, nullptr, nullptr, nullptr);
        if (width > 0) r->ReleaseTexture(h);
    }
}

}  // namespace

bool ParseQvlManifest(const std::string& path, QvlManifest& m, std::string& reason) {
    ConfigFile file;
    if (file.Open(path.c_str()) != ConfigResult::kOk) {
        reason = "cannot open " + path;
        return false;
    }
    std::string section;
    TokenKind kind;
    char* text = nullptr;
    char* value = nullptr;
    QvlTextureEntry* texture = nullptr;
    while (file.NextToken(&kind, &text, &value) == ConfigResult::kOk) {
        if (kind == TokenKind::kSection) {
            section = text;
            texture = nullptr;
            if (section == "[pictureA]" || section == "[pictureB]") {
                int which = section == "[pictureA]" ? 0 : 1;
                m.hasPicture[which] = true;
                texture = &m.pictures[which];
            } else if (section == "[textura]") {
                m.textures.emplace_back();
                texture = &m.textures.back();
            } else if (section == "[anima]") {
                m.animations.emplace_back();
            } else if (section == "[frame]") {
                if (m.animations.empty()) {
                    reason = "a [frame] before any [anima]";
                    delete[] text;
                    return false;
                }
                m.animations.back().frames.emplace_back();
            }
        } else if (kind == TokenKind::kEntry) {
            std::string key = text;
            if (section == "[bicho]") {
                const char* keys[] = {"x", "y", "velocityX", "velocityY", "extraA", "extraB"};
                for (int i = 0; i < 6; ++i)
                    if (key == keys[i]) m.data[i] = strtof(value, nullptr);
                const char* nameKeys[] = {"name", "name2", "name3"};
                for (int i = 0; i < 3; ++i)
                    if (key == nameKeys[i]) {
                        m.names[i] = value;
                        m.hasName[i] = true;
                    }
                if (key == "textureCount") m.textureCount = Count(value);
            } else if (texture) {
                if (key == "file") texture->file = value;
                if (key == "name") texture->name = value;
                if (key == "handle") texture->handle = Count(value);
                if (key == "flag") texture->flag = atoi(value);
            } else if (section == "[anima]") {
                QvlAnimaEntry& a = m.animations.back();
                if (key == "name") a.name = value;
                if (key == "kind") a.kind = value;
                if (key == "values")
                    sscanf(value, "%d %d %d", &a.values[0], &a.values[1], &a.values[2]);
            } else if (section == "[frame]") {
                QvlFrameEntry& f = m.animations.back().frames.back();
                if (key == "texture") f.texture = atoi(value);
                if (key == "anchor") Floats(value, f.v, 2);
                if (key == "sprite") Floats(value, f.v + 2, 4);
                if (key == "body") Floats(value, f.v + 6, 4);
                if (key == "hit") Floats(value, f.v + 10, 4);
                if (key == "hot") Floats(value, f.v + 14, 2);
                if (key == "duration") Floats(value, f.v + 16, 1);
            }
        }
        delete[] text;
    }
    return true;
}

int BuildQvl(Renderer* renderer, const QvlManifest& m, const QvlPictureSource& pictures,
             const char* path, std::string& reason) {
    std::vector<TextureHandle> made;
    if (!MakeTextures(renderer, m, pictures, made, reason)) {
        ReleaseLeftovers(renderer, made);
        return 1;
    }
    Bicho* c = CreateBicho();
    c->Init(nullptr, renderer, nullptr, nullptr, nullptr, nullptr);
    float* fields[] = {&c->x, &c->y, &c->velocityX, &c->velocityY, &c->extraA, &c->extraB};
    for (int i = 0; i < 6; ++i) *fields[i] = m.data[i];
    if (m.hasName[0]) c->SetName(m.names[0].c_str());
    if (m.hasName[1]) c->SetName2(m.names[1].c_str());
    if (m.hasName[2]) c->SetName3(m.names[2].c_str());
    if (m.hasPicture[0]) c->SetPictureA(static_cast<TextureHandle>(m.pictures[0].handle));
    if (m.hasPicture[1]) c->SetPictureB(static_cast<TextureHandle>(m.pictures[1].handle));
    int result = 0;
    for (const QvlAnimaEntry& a : m.animations) {
        if (c->AddAnimation(a.values[0], a.values[1], a.values[2], a.kind.c_str(),
                            a.name.c_str()) != 0) {
            reason = "animation \"" + a.name + "\" appears twice";
            result = 1;
            continue;
        }
        for (const QvlFrameEntry& f : a.frames) {
            const float* v = f.v;
            c->AddFrame(v[0], v[1], f.texture, v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9],
                        v[10], v[11], v[12], v[13], v[14], v[15], v[16]);
        }
    }
    if (c->Save(path) != 0) {
        reason = std::string("cannot write ") + path;
        result = 2;
    }
    c->Release();
    DestroyBicho(c);
    ReleaseLeftovers(renderer, made);
    return result;
}
