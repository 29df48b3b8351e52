// A minimal PNG writer: one IDAT chunk, no filtering, zlib for the rest.
#include <zlib.h>

#include <cstdint>
#include <vector>

#include "base/Files.h"
#include "plugins/renderer_common/Picture.h"

namespace {

void PutU32(std::vector<unsigned char>* out, uint32_t v) {
    out->push_back(static_cast<unsigned char>(v >> 24));
    out->push_back(static_cast<unsigned char>(v >> 16));
    out->push_back(static_cast<unsigned char>(v >> 8));
    out->push_back(static_cast<unsigned char>(v));
}

void PutChunk(std::vector<unsigned char>* out, const char type[4], const unsigned char* data,
              size_t size) {
    PutU32(out, static_cast<uint32_t>(size));
    size_t start = out->size();
    out->insert(out->end(), type, type + 4);
    if (size) out->insert(out->end(), data, data + size);
    uLong crc = crc32(0L, Z_NULL, 0);
    crc = crc32(crc, out->data() + start, static_cast<uInt>(size + 4));
    PutU32(out, static_cast<uint32_t>(crc));
}

}  // namespace

bool SavePicturePng(const char* path, const Picture& picture) {
    const int bpp = picture.bytesPerPixel;
    if (!path || (bpp != 3 && bpp != 4) || picture.width <= 0 || picture.height <= 0 ||
        picture.width > kMaxPictureSide || picture.height > kMaxPictureSide)
        return false;
    const size_t rowBytes = static_cast<size_t>(picture.width) * bpp;
    if (picture.pixels.size() < rowBytes * picture.height) return false;

    // Every row starts with filter type 0 (none).
    std::vector<unsigned char> raw;
    raw.reserve((rowBytes + 1) * picture.height);
    for (int y = 0; y < picture.height; ++y) {
        raw.push_back(0);
        const unsigned char* row = &picture.pixels[rowBytes * y];
        raw.insert(raw.end(), row, row + rowBytes);
    }
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    std::vector<unsigned char> packed(packedSize);
    if (compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()), 6) !=
        Z_OK)
        return false;

    std::vector<unsigned char> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<unsigned char> header;
    PutU32(&header, static_cast<uint32_t>(picture.width));
    PutU32(&header, static_cast<uint32_t>(picture.height));
    header.push_back(8);                     // bits per channel
    header.push_back(bpp == 4 ? 6 : 2);      // RGBA or RGB
    header.push_back(0);                     // deflate
    header.push_back(0);                     // adaptive filtering
    header.push_back(0);                     // no interlace
    PutChunk(&png, "IHDR", header.data(), header.size());
    PutChunk(&png, "IDAT", packed.data(), packedSize);
    PutChunk(&png, "IEND", nullptr, 0);
    return PlatformWriteFileAtomic(path, png.data(), png.size()) == 1;
}
