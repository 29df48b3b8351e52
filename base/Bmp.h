#pragma once
// BMP files: the one reader of the renderers' pictures and of the tools (the
// data generator, qvl, the contact sheet), and the writer of the tools. In
// memory a picture is rows top to bottom, R G B (A); the file keeps them
// bottom-up, blue first, rows padded to 4 bytes. (The stage's tiler reads
// its large pictures line by line itself.)
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct BmpImage {
    int width = 0;
    int height = 0;
    int bytesPerPixel = 0;  // 3 or 4
    std::vector<unsigned char> pixels;
};

// The whole file. The resolution field is the only thing writers disagree
// on: the generator stamps 72 dpi (2835 pixels a metre), qvl leaves it 0.
std::vector<unsigned char> EncodeBmp(int width, int height, int bytesPerPixel,
                                     const unsigned char* pixels, uint32_t pixelsPerMetre = 0);
// False for a picture that is not 3 or 4 bytes a pixel or whose sizes do not
// add up, or when the file cannot be written.
bool WriteBmp(const std::string& path, const BmpImage& image);

// Sides above this are refused by every reader of the game.
constexpr int kMaxBmpSide = 8192;

// What a reader takes beyond plain bottom-up 24- and 32-bit BI_RGB files.
struct BmpReadRules {
    int maxSide = kMaxBmpSide;
    bool topDown = false;    // negative heights
    bool bitfields = false;  // 16- and 32-bit BI_BITFIELDS with the header's masks
    bool palettes = false;   // 1-, 4- and 8-bit palette pictures and 16-bit ones
};

// What painting programs write, as the renderers take it.
inline BmpReadRules AnyPaintedBmp() { return BmpReadRules{kMaxBmpSide, true, true, true}; }

// 3 bytes a pixel, or 4 for a picture whose file has an alpha channel.
// False with a reason (naming `name`) for anything the rules do not take.
bool DecodeBmp(const std::vector<unsigned char>& data, const std::string& name,
               const BmpReadRules& rules, BmpImage& image, std::string& reason);
bool ReadBmp(const std::string& path, const BmpReadRules& rules, BmpImage& image,
             std::string& reason);
