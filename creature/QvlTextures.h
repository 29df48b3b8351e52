#pragma once
// Texture records of the creature file: sanity of their size and creation
// through the renderer.
#include <cstddef>
#include <vector>

#include "creature/QvlRead.h"

class QvlReader;
class Renderer;
class QvlProblems;

// width x height x bytesPerPixel when every factor is sane, else -1.
long QvlPixelBytes(int width, int height, int bytesPerPixel);

// The fields up to and including the name (handle, width, height, bpp, flag,
// name).
void ReadTextureHead(QvlReader& reader, QvlTextureRecord& record);

// Reads the pixels of a picture record or a raw/packed texture body and
// creates the texture (0 when refused). `scratch` buffers are reused between
// calls. With `decode` false the body is skipped. Returns false when the file
// cannot be followed any further.
bool ReadTextureBody(QvlReader& reader, Renderer* renderer, QvlTextureRecord& record, bool decode,
                     QvlProblems& problems, std::vector<unsigned char>& packed,
                     std::vector<unsigned char>& pixels);
