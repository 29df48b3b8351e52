#pragma once
// Fixed values of the creature file.
#include <cstdint>

enum QvlTag : int32_t {
    kTagData = 1,
    kTagAnimation = 2,
    kTagFrame = 3,
    kTagRawTexture = 4,
    kTagTable = 5,
    kTagPackedTexture = 6,
};

const int kQvlVersion = 1;
const char kQvlHeaderFormat[] = "Bicho del Brocanto Arena, version: %d\n";
const char kQvlHeaderPrefix[] = "Bicho del Brocanto Arena, version:";
const int kQvlHeaderPrefixLength = 34;
const int kQvlStringBuffer = 256;  // texts of the file fit this with their zero byte
const int kQvlMaxSide = 4096;
const int kQvlMaxBytesPerPixel = 4;
// Pixel bytes one file may decode, pictures included. The creatures of the
// game use a few megabytes; this leaves room for two textures of the largest
// size and keeps a forged file from taking the machine's memory.
const long kQvlMaxDecodedBytes = 128L << 20;
// Entries of the texture table, so texture handles, one file may have (a
// table of 4 MB); the creatures of the game use a few dozen.
const int kQvlMaxHandles = 1 << 20;
// deflate cannot yield more than this many bytes per stored byte.
const long kZlibMaxRatio = 1032;
