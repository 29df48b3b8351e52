#include "creature/QvlTextures.h"

#include <zlib.h>

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

namespace {

void Refuse(QvlProblems& problems, const QvlTextureRecord& r) {
    problems.Report("     Bicho: Carga de datos, textura rechazada %dx%dx%d: %s\n", r.width,
                    r.height, r.bytesPerPixel, r.name.c_str());
}

}  // namespace

bool ReadTextureBody(QvlReader& reader, Renderer* renderer, QvlTextureRecord& record, bool decode,
                     QvlProblems& problems, std::vector<unsigned char>& packed,
                     std::vector<unsigned char>& pixels) {
    if (!reader.Ok()) return false;
    long size = QvlPixelBytes(record.width, record.height, record.bytesPerPixel);
    bool empty = record.width == 0 || record.height == 0 || record.bytesPerPixel == 0;
    if (record.tag == kTagPackedTexture) {
        int32_t stored = reader.Int();
        if (!reader.Ok() || stored < 0 || stored > reader.Remaining()) {
            reader.Fail();
            return false;
        }
        record.packedSize = stored;
        if (size < 0 || !decode) {
            if (size < 0 && !empty) Refuse(problems, record);
            return reader.Seek(reader.Tell() + stored);
        }
        packed.resize(static_cast<size_t>(stored));
        if (!reader.Bytes(packed.data(), packed.size())) return false;
        pixels.assign(static_cast<size_t>(size), 0);
        uLongf produced = static_cast<uLongf>(size);
        int result = uncompress(pixels.data(), &produced, packed.data(),
                                static_cast<uLong>(packed.size()));
        if (result != Z_OK) {
            problems.Report(
                "     Bicho: Carga de datos, Descompresion de textura fallida, el fichero no es "
                "valido\n");
        } else if (produced != static_cast<uLongf>(size)) {
            Refuse(problems, record);
            return true;
        }
    } else {
        // Raw pixels: their size is the only way to the next field.
        if (size < 0) {
            if (!empty) {
                Refuse(problems, record);
                reader.Fail();
                return false;
            }
            return true;
        }
        record.packedSize = static_cast<int>(size);
        if (!decode) return reader.Seek(reader.Tell() + size);
        pixels.resize(static_cast<size_t>(size));
        if (!reader.Bytes(pixels.data(), pixels.size())) return false;
    }
    if (renderer)
        record.created = renderer->CreateTexture(pixels.data(), record.width, record.height,
                                                 record.bytesPerPixel, record.name.c_str());
    return true;
}
