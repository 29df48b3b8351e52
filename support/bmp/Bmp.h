#pragma once
// Uncompressed 24- and 32-bit BMP files, for the tools that write pictures
// (the data generator, qvl extract) and read them back (qvl build, the
// contact sheet). In memory a picture is rows top to bottom, R G B (A); the
// file keeps them bottom-up, blue first, rows padded to 4 bytes.
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

// What a reader takes beyond plain bottom-up BI_RGB files.
struct BmpReadRules {
    int maxSide = 8192;
    bool topDown = false;    // negative heights
    bool bitfields = false;  // 32-bit BI_BITFIELDS, taken as B G R A
};

// False with a reason (naming `name`) for anything the rules do not take.
bool DecodeBmp(const std::vector<unsigned char>& data, const std::string& name,
               const BmpReadRules& rules, BmpImage& image, std::string& reason);
bool ReadBmp(const std::string& path, const BmpReadRules& rules, BmpImage& image,
             std::string& reason);
