// Writing of a creature file, current layout. The file is built in memory
// and replaces the old one in one step, so a failed save leaves it intact.
#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "base/Log.h"
#include "sdk/Bicho.h"
#include "creature/QvlFormat.h"
#include "creature/QvlTextures.h"
#include "creature/QvlWriter.h"
#include "base/Files.h"

namespace {

struct TextureData {
    int width = 0, height = 0, bytesPerPixel = 0, flag = 0;
    const char* name = nullptr;
    long size = -1;
    std::vector<unsigned char> pixels;
};

TextureData Fetch(Renderer* renderer, TextureHandle texture) {
    TextureData data;
    if (!renderer) return data;
    renderer->GetTextureInfo(texture, &data.height, &data.width, &data.bytesPerPixel, &data.name,
                             &data.flag);
    data.size = QvlPixelBytes(data.width, data.height, data.bytesPerPixel);
    if (data.size > 0) {
        data.pixels.resize(static_cast<size_t>(data.size));
        renderer->GetTextureData(texture, data.pixels.data());
    }
    return data;
}

void WriteHead(QvlWriter& out, int handle, const TextureData& data) {
    out.Int(handle);
    out.Int(data.width);
    out.Int(data.height);
    out.Int(data.bytesPerPixel);
    out.Int(data.flag);
    out.String(data.name ? data.name : "", kQvlStringBuffer);
}

void WritePicture(QvlWriter& out, Renderer* renderer, bool has, TextureHandle picture) {
    TextureData data;
    if (has) data = Fetch(renderer, picture);
    // A picture the renderer cannot describe is left out rather than written
    // as a record no reader could follow.
    if (data.size <= 0) {
        out.Byte(0);
        return;
    }
    out.Byte(1);
    WriteHead(out, static_cast<int>(picture), data);
    out.Bytes(data.pixels.data(), data.pixels.size());
}

void WriteFrame(QvlWriter& out, const Frame& f, bool more) {
    size_t end = out.BeginBlock(kTagFrame);
    out.Float(f.anchorX);
    out.Float(f.anchorY);
    out.Int(f.texture);
    const float rest[] = {f.spriteLeft,    f.spriteTop,    f.width,           f.height,
                          f.bodyBox.left,  f.bodyBox.top,  f.bodyBox.right,   f.bodyBox.bottom,
                          f.hitBox.left,   f.hitBox.top,   f.hitBox.right,    f.hitBox.bottom,
                          f.hotX,          f.hotY,         f.duration};
    for (float v : rest) out.Float(v);
    out.Int(more ? 1 : 0);
    out.EndBlock(end);
}

void WriteTexture(QvlWriter& out, Renderer* renderer, int handle) {
    TextureData data = Fetch(renderer, static_cast<TextureHandle>(handle));
    size_t end = out.BeginBlock(kTagPackedTexture);
    WriteHead(out, handle, data);
    uLong n = data.size > 0 ? static_cast<uLong>(data.size) : 0;
    uLongf room = std::max<uLong>(n * 101 / 100 + 12, compressBound(n));
    std::vector<unsigned char> packed(room);
    const unsigned char* source = n ? data.pixels.data() : packed.data();
    if (compress2(packed.data(), &room, source, n, 6) != Z_OK) {
        LogPrintf("     Bicho: Compresion de textura fallida, el fichero no sera valido\n");
        room = 0;
    }
    out.Int(static_cast<int32_t>(room));
    out.Bytes(packed.data(), room);
    out.EndBlock(end);
}

}  // namespace

int Bicho::Save(const char* path) {
    QvlWriter out;
    char header[64];
    snprintf(header, sizeof header, kQvlHeaderFormat, kQvlVersion);
    out.String(header, 0);

    size_t end = out.BeginBlock(kTagData);
    const float values[] = {x, y, velocityX, velocityY, extraA, extraB};
    for (float v : values) out.Float(v);
    out.String(name, 0);
    out.String(name2, 0);
    out.String(name3, 0);
    WritePicture(out, renderer, hasPictureA, pictureA);
    WritePicture(out, renderer, hasPictureB, pictureB);
    out.EndBlock(end);

    for (Anima* a = animations; a; a = a->next) {
        end = out.BeginBlock(kTagAnimation);
        out.Int(a->valueA);
        out.Int(a->valueB);
        out.Int(a->valueC);
        out.String(a->kind, kQvlStringBuffer);
        out.String(a->name, kQvlStringBuffer);
        out.Int(a->next ? 1 : 0);
        for (Frame* f = a->firstFrame; f; f = f->next) WriteFrame(out, *f, f->next != nullptr);
        out.EndBlock(end);
    }

    int count = renderer ? renderer->CountTextures() : 0;
    if (count < 0) count = 0;
    std::vector<int> map(static_cast<size_t>(count), -1);
    std::vector<int> order;
    for (Anima* a = animations; a; a = a->next)
        for (Frame* f = a->firstFrame; f; f = f->next)
            if (f->texture >= 0 && f->texture < count && map[f->texture] == -1) {
                map[f->texture] = static_cast<int>(order.size());
                order.push_back(f->texture);
            }
    end = out.BeginBlock(kTagTable);
    out.Int(count);
    for (int entry : map) out.Int(entry);
    out.EndBlock(end);
    for (int handle : order) WriteTexture(out, renderer, handle);

    if (!path || !PlatformWriteFileAtomic(path, out.Bytes().data(), out.Size())) return 1;
    return 0;
}
