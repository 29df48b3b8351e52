#include "creature/QvlTextures.h"

#include <zlib.h>

#include <algorithm>

#include "creature/QvlFormat.h"
#include "creature/QvlProblems.h"
#include "creature/QvlReader.h"
#include "sdk/Renderer.h"

long QvlPixelBytes(int width, int height, int bytesPerPixel) {
    if (width <= 0 || height <= 0 || bytesPerPixel <= 0) return -1;
    if (width > kQvlMaxSide || height > kQvlMaxSide || bytesPerPixel > kQvlMaxBytesPerPixel)
        return -1;
    return static_cast<long>(width) * height * bytesPerPixel;
}

void ReadTextureHead(QvlReader& reader, QvlTextureRecord& record) {
    record.savedHandle = reader.Int();
    record.width = reader.Int();
    record.height = reader.Int();
    record.bytesPerPixel = reader.Int();
    record.flag = reader.Int();
    char name[kQvlStringBuffer];
    reader.String(name, sizeof name);
    record.name = name;
}

QvlInflated QvlInflate(const unsigned char* packed, size_t packedSize, size_t size,
                       std::vector<unsigned char>& out) {
    // Most sprites fit the first step; a buffer kept from an earlier texture
    // is used whole since it is already paid for. Bytes it already holds are
    // overwritten, not cleared first: only growth is zero-filled.
    const size_t kFirstStep = 256 * 1024;
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK) return QvlInflated::kBroken;
    stream.next_in = const_cast<Bytef*>(packed);
    stream.avail_in = static_cast<uInt>(packedSize);
    size_t room = std::min(size, std::max(kFirstStep, out.capacity()));
    if (out.size() < room) out.resize(room);
    size_t have = 0;
    QvlInflated result = QvlInflated::kBroken;
    for (;;) {
        if (have == room) {
            if (have == size) {
                // Full: the stream must end here without one byte more.
                unsigned char extra;
                stream.next_out = &extra;
                stream.avail_out = 1;
                int z = inflate(&stream, Z_FINISH);
                if (stream.avail_out == 0)
                    result = QvlInflated::kLong;
                else if (z == Z_STREAM_END)
                    result = QvlInflated::kExact;
                break;
            }
            room = std::min(size, room * 2);
            if (out.size() < room) out.resize(room);
        }
        stream.next_out = out.data() + have;
        stream.avail_out = static_cast<uInt>(room - have);
        int z = inflate(&stream, Z_NO_FLUSH);
        have = room - stream.avail_out;
        if (z == Z_STREAM_END) {
            result = have == size ? QvlInflated::kExact : QvlInflated::kShort;
            break;
        }
        // Room left but no progress: the stored bytes ran out mid-stream.
        if (z != Z_OK && !(z == Z_BUF_ERROR && stream.avail_out == 0)) break;
        if (z == Z_OK && stream.avail_out != 0 && stream.avail_in == 0) break;
    }
    inflateEnd(&stream);
    out.resize(have);
    return result;
}

namespace {

void Refuse(QvlProblems& problems, const QvlTextureRecord& r) {
    problems.Report("     Bicho: Carga de datos, textura rechazada %dx%dx%d: %s\n", r.width,
                    r.height, r.bytesPerPixel, r.name.c_str());
}

// Moves past a body that will not become a texture.
bool Skip(QvlReader& reader, long bytes) { return reader.Seek(reader.Tell() + bytes); }

}  // namespace

bool ReadTextureBody(QvlReader& reader, Renderer* renderer, QvlTextureRecord& record, bool decode,
                     QvlProblems& problems, QvlTextureScratch& scratch) {
    if (!reader.Ok()) return false;
    long size = QvlPixelBytes(record.width, record.height, record.bytesPerPixel);
    bool empty = record.width == 0 || record.height == 0 || record.bytesPerPixel == 0;
    // Only 3 and 4 bytes per pixel make a texture in either renderer.
    bool drawable = record.bytesPerPixel == 3 || record.bytesPerPixel == 4;
    long body = size;  // stored bytes of the body, -1 when unknown
    if (record.tag == kTagPackedTexture) {
        int32_t stored = reader.Int();
        if (!reader.Ok() || stored < 0 || stored > reader.Remaining()) {
            reader.Fail();
            return false;
        }
        record.packedSize = stored;
        body = stored;
    } else if (size >= 0) {
        record.packedSize = static_cast<int>(size);
    }
    if (body < 0) {
        // Raw pixels of an unknown size: nothing leads to the next field.
        if (empty) return true;
        Refuse(problems, record);
        reader.Fail();
        return false;
    }
    if (!decode) return Skip(reader, body);
    if (size < 0 || !drawable) {
        if (!empty) Refuse(problems, record);
        return Skip(reader, body);
    }
    if (size > scratch.budget) {
        problems.Report(
            "     Bicho: Carga de datos, el fichero pasa de %ld bytes de pixels, textura "
            "rechazada %dx%dx%d: %s\n",
            kQvlMaxDecodedBytes, record.width, record.height, record.bytesPerPixel,
            record.name.c_str());
        return Skip(reader, body);
    }
    std::vector<unsigned char>& pixels = scratch.pixels;
    if (record.tag == kTagPackedTexture) {
        // A size no stream of this length can reach is refused unread.
        if (size > body * kZlibMaxRatio) {
            Refuse(problems, record);
            return Skip(reader, body);
        }
        scratch.packed.resize(static_cast<size_t>(body));
        if (!reader.Bytes(scratch.packed.data(), scratch.packed.size())) return false;
        QvlInflated inflated = QvlInflate(scratch.packed.data(), scratch.packed.size(),
                                          static_cast<size_t>(size), pixels);
        if (inflated == QvlInflated::kBroken) {
            problems.Report(
                "     Bicho: Carga de datos, Descompresion de textura fallida, el fichero no es "
                "valido\n");
            return true;
        }
        if (inflated != QvlInflated::kExact) {
            Refuse(problems, record);
            return true;
        }
    } else {
        pixels.resize(static_cast<size_t>(size));
        if (!reader.Bytes(pixels.data(), pixels.size())) return false;
    }
    scratch.budget -= size;
    if (renderer) {
        record.created = renderer->CreateTexture(pixels.data(), record.width, record.height,
                                                 record.bytesPerPixel, record.name.c_str());
        if (!record.created)
            problems.Report(
                "     Bicho: Carga de datos, el renderer no ha creado la textura %dx%dx%d: %s\n",
                record.width, record.height, record.bytesPerPixel, record.name.c_str());
    }
    return true;
}
