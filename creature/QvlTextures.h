#pragma once
// Texture records of the creature file: sanity of their size and creation
// through the renderer.
#include <cstddef>
#include <vector>

#include "creature/QvlFormat.h"
#include "creature/QvlRead.h"

class QvlReader;
class Renderer;
class QvlProblems;

// width x height x bytesPerPixel when every factor is sane, else -1.
long QvlPixelBytes(int width, int height, int bytesPerPixel);

// The fields up to and including the name (handle, width, height, bpp, flag,
// name).
void ReadTextureHead(QvlReader& reader, QvlTextureRecord& record);

// What the texture bodies of one file share: buffers reused between records
// and the pixel bytes the file may still have decoded.
struct QvlTextureScratch {
    std::vector<unsigned char> packed;
    std::vector<unsigned char> pixels;
    long budget = kQvlMaxDecodedBytes;
};

// Reads the pixels of a picture record or a raw/packed texture body and
// creates the texture (0 when refused). With `decode` false the body is
// skipped. Returns false when the file cannot be followed any further.
bool ReadTextureBody(QvlReader& reader, Renderer* renderer, QvlTextureRecord& record, bool decode,
                     QvlProblems& problems, QvlTextureScratch& scratch);

enum class QvlInflated { kExact, kBroken, kShort, kLong };

// Inflates `packed` into exactly `size` bytes of `out`. The buffer grows with
// what the stream really yields, so a stream that breaks early never costs
// the size it claims.
QvlInflated QvlInflate(const unsigned char* packed, size_t packedSize, size_t size,
                       std::vector<unsigned char>& out);
