// The background picture: an uncompressed 24-bit BMP cut into 256 x 256
// textures. Pictures come from modders, so the header is checked against
// the file before a single pixel is read.
#include <cstdint>
#include <cstdio>
#include <vector>

#include "base/Files.h"
#include "base/Log.h"
#include "fight/Fondo.h"

namespace {

// The classic header's size; newer headers (124 bytes from image editors)
// put the pixels further on, as the file header's offset field says.
const long kHeaderBytes = 54;

uint32_t Le32(const unsigned char* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

long FileSize(FILE* file) {
    if (fseek(file, 0, SEEK_END) != 0) return -1;
    long size = ftell(file);
    if (fseek(file, 0, SEEK_SET) != 0) return -1;
    return size;
}

int Refuse(FILE* file, const char* format, const char* path) {
    if (file) fclose(file);
    LogPrintf(format, path);
    return Fondo::kImageRefused;
}

const char kCut[] = "     Fondo: La imagen de fondo esta cortada:  %s\n";

}  // namespace

int Fondo::LoadImage(const char* path, int* columns, int* rows, TextureHandle** tiles) {
    *columns = 0;
    *rows = 0;
    *tiles = nullptr;
    FILE* file = path ? PlatformOpenFile(path, "rb") : nullptr;
    if (!file)
        return Refuse(nullptr, "     Fondo: No se puede abrir la imagen de fondo:  %s\n",
                      path ? path : "");
    unsigned char header[kHeaderBytes];
    long size = FileSize(file);
    if (size < kHeaderBytes || fread(header, 1, sizeof header, file) != sizeof header)
        return Refuse(file, kCut, path);
    // Bits per pixel read together with the low half of the compression
    // field: a 24-bit picture with a compression code still fails here.
    if (Le32(header + 28) != 24)
        return Refuse(file, "     Fondo: La imagen de fondo debe ser de 24 bpp:  %s\n", path);
    if (Le32(header + 30) != 0)
        return Refuse(file, "     Fondo: La imagen de fondo NO debe estar comprimida:  %s\n", path);
    int32_t width = static_cast<int32_t>(Le32(header + 18));
    int32_t height = static_cast<int32_t>(Le32(header + 22));
    if ((width & 0xff) != 0 || (height & 0xff) != 0)
        return Refuse(file,
                      "     Fondo: La imagen de fondo debe tener dimensiones multiplo de 256:  %s\n",
                      path);
    // A negative height would be a top-down picture; zero sides tile nothing.
    if (width <= 0 || height <= 0 || width > kMaxPictureSide || height > kMaxPictureSide)
        return Refuse(file,
                      "     Fondo: La imagen de fondo debe medir de 256 a 16384 pixeles de lado:  %s\n",
                      path);
    // Pixels start where the file header says; an offset inside the header
    // or past the end is a damaged file, not a picture.
    const int64_t pixelOffset = Le32(header + 10);
    if (pixelOffset < kHeaderBytes || pixelOffset > size) return Refuse(file, kCut, path);
    int64_t pixelBytes = static_cast<int64_t>(width) * height * 3;
    if (size - pixelOffset < pixelBytes) return Refuse(file, kCut, path);

    const int cols = width / kTileSide;
    const int rws = height / kTileSide;
    TextureHandle* made = new TextureHandle[static_cast<size_t>(cols) * rws]();
    std::vector<unsigned char> line(kTileSide * 3);
    std::vector<unsigned char> tile(kTileSide * kTileSide * 3);
    // Where the last line read ended: the lines of a picture one tile wide
    // follow each other, and seeking anyway costs two system calls a line.
    long at = -1;
    for (int c = 0; c < cols; ++c) {
        for (int r = 0; r < rws; ++r) {  // r counts tile rows from the bottom, as stored
            // Stored lines run bottom-up; a texture takes its rows from the
            // top, so the band's lowest line is the tile's last row.
            for (int y = 0; y < kTileSide; ++y) {
                int64_t pixel = static_cast<int64_t>(r * kTileSide + y) * width + c * kTileSide;
                const long want = static_cast<long>(pixelOffset + pixel * 3);
                bool read = (want == at || fseek(file, want, SEEK_SET) == 0) &&
                            fread(line.data(), 1, line.size(), file) == line.size();
                at = want + static_cast<long>(line.size());
                if (!read) {
                    // The file shrank under us: give back what was made.
                    for (int i = 0; i < cols * rws; ++i)
                        if (made[i] && renderer) renderer->ReleaseTexture(made[i]);
                    delete[] made;
                    return Refuse(file, kCut, path);
                }
                unsigned char* out = tile.data() + (kTileSide - 1 - y) * kTileSide * 3;
                for (int x = 0; x < kTileSide; ++x) {
                    out[x * 3 + 0] = line[x * 3 + 2];
                    out[x * 3 + 1] = line[x * 3 + 1];
                    out[x * 3 + 2] = line[x * 3 + 0];
                }
            }
            TextureHandle texture =
                renderer ? renderer->CreateTexture(tile.data(), kTileSide, kTileSide, 3,
                                                   "textura de fondo")
                         : 0;
            made[(rws - r - 1) * cols + c] = texture;
        }
    }
    fclose(file);
    *columns = cols;
    *rows = rws;
    *tiles = made;
    return kImageLoaded;
}
