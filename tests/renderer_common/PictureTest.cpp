#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "plugins/renderer_common/Picture.h"

namespace {

const std::string kDir = std::string(CORRALON_TEST_BIN_DIR) + "/picture_test";

std::string PathOf(const char* name) { return kDir + "/" + name; }

class PictureTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string command = "mkdir -p '" + kDir + "'";
        ASSERT_EQ(system(command.c_str()), 0);
    }
};

// A 3 x 2 picture: top row red, key green, blue; bottom row white, black, key green.
const unsigned char kColours[2][3][3] = {
    {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}},
    {{255, 255, 255}, {0, 0, 0}, {0, 255, 0}},
};

void FillSample(SDL_Surface* s) {
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) {
            const unsigned char* c = kColours[y][x];
            Uint32 value = SDL_MapRGBA(s->format, c[0], c[1], c[2], 0);
            unsigned char* p = static_cast<unsigned char*>(s->pixels) + y * s->pitch +
                               x * s->format->BytesPerPixel;
            switch (s->format->BytesPerPixel) {
                case 1: *p = static_cast<unsigned char>(value); break;
                case 3: memcpy(p, &value, 3); break;
                case 4: memcpy(p, &value, 4); break;
            }
        }
}

std::string WriteSample(const char* name, Uint32 format) {
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, 3, 2, 32, format);
    EXPECT_NE(s, nullptr);
    if (format == SDL_PIXELFORMAT_INDEX8) {
        SDL_Color palette[6] = {{255, 0, 0, 255},     {0, 255, 0, 255}, {0, 0, 255, 255},
                                {255, 255, 255, 255}, {0, 0, 0, 255},   {10, 20, 30, 255}};
        SDL_SetPaletteColors(s->format->palette, palette, 0, 6);
    }
    FillSample(s);
    std::string path = PathOf(name);
    EXPECT_EQ(SDL_SaveBMP(s, path.c_str()), 0);
    SDL_FreeSurface(s);
    return path;
}

void ExpectSample(const Picture& p, bool keyed) {
    ASSERT_EQ(p.width, 3);
    ASSERT_EQ(p.height, 2);
    ASSERT_EQ(p.bytesPerPixel, 4);
    ASSERT_EQ(p.pixels.size(), 24u);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) {
            const unsigned char* got = &p.pixels[(y * 3 + x) * 4];
            const unsigned char* want = kColours[y][x];
            SCOPED_TRACE(testing::Message() << "pixel " << x << "," << y);
            EXPECT_EQ(got[0], want[0]);
            EXPECT_EQ(got[1], want[1]);
            EXPECT_EQ(got[2], want[2]);
            bool isKey = want[0] == 0 && want[1] == 255 && want[2] == 0;
            EXPECT_EQ(got[3], keyed && isKey ? 0 : 255);
        }
}

void WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes) {
    FILE* f = fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    if (!bytes.empty()) fwrite(bytes.data(), 1, bytes.size(), f);
    fclose(f);
}

std::vector<unsigned char> ReadBytes(const std::string& path) {
    std::vector<unsigned char> bytes;
    FILE* f = fopen(path.c_str(), "rb");
    if (!f) return bytes;
    int c;
    while ((c = fgetc(f)) != EOF) bytes.push_back(static_cast<unsigned char>(c));
    fclose(f);
    return bytes;
}

}  // namespace

TEST_F(PictureTest, ReadsEveryBmpDepthAsRgbaTopDown) {
    struct Case {
        const char* name;
        Uint32 format;
    } cases[] = {{"rgb24.bmp", SDL_PIXELFORMAT_BGR24},
                 {"argb32.bmp", SDL_PIXELFORMAT_ARGB8888},
                 {"index8.bmp", SDL_PIXELFORMAT_INDEX8}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string path = WriteSample(c.name, c.format);
        Picture plain;
        ASSERT_TRUE(LoadPicture(path.c_str(), false, 0, 255, 0, &plain));
        ExpectSample(plain, false);
        Picture keyed;
        ASSERT_TRUE(LoadPicture(path.c_str(), true, 0, 255, 0, &keyed));
        ExpectSample(keyed, true);
    }
}

TEST_F(PictureTest, AThirtyTwoBitPictureKeepsItsAlphaWithTheKeyOnTop) {
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, 3, 1, 32, SDL_PIXELFORMAT_ARGB8888);
    ASSERT_NE(s, nullptr);
    const Uint32 pixels[3] = {SDL_MapRGBA(s->format, 255, 0, 0, 128),
                              SDL_MapRGBA(s->format, 0, 255, 0, 255),
                              SDL_MapRGBA(s->format, 0, 0, 255, 0)};
    memcpy(s->pixels, pixels, sizeof pixels);
    const std::string path = PathOf("alpha32.bmp");
    ASSERT_EQ(SDL_SaveBMP(s, path.c_str()), 0);
    SDL_FreeSurface(s);
    Picture p;
    ASSERT_TRUE(LoadPicture(path.c_str(), true, 0, 255, 0, &p));
    EXPECT_EQ(p.pixels[3], 128);
    EXPECT_EQ(p.pixels[7], 0);  // keyed, whatever its alpha
    EXPECT_EQ(p.pixels[11], 0);
}

TEST_F(PictureTest, KeyMustMatchAllThreeChannels) {
    std::string path = WriteSample("nearkey.bmp", SDL_PIXELFORMAT_BGR24);
    Picture p;
    // Key (0, 255, 1) matches nothing in the sample: everything opaque.
    ASSERT_TRUE(LoadPicture(path.c_str(), true, 0, 255, 1, &p));
    for (size_t i = 3; i < p.pixels.size(); i += 4) EXPECT_EQ(p.pixels[i], 255);
}

TEST_F(PictureTest, BackslashPathsAndFolderCaseAreResolved) {
    WriteSample("Casing.bmp", SDL_PIXELFORMAT_BGR24);
    std::string windowsPath = std::string(CORRALON_TEST_BIN_DIR) + "\\PICTURE_TEST\\casing.BMP";
    Picture p;
    ASSERT_TRUE(LoadPicture(windowsPath.c_str(), false, 0, 0, 0, &p));
    ExpectSample(p, false);
}

TEST_F(PictureTest, MissingOrBrokenFilesFailAndLeaveOutputAlone) {
    Picture p;
    p.width = 7;
    EXPECT_FALSE(LoadPicture(PathOf("does_not_exist.bmp").c_str(), false, 0, 0, 0, &p));
    EXPECT_FALSE(LoadPicture(nullptr, false, 0, 0, 0, &p));

    std::string good = WriteSample("good.bmp", SDL_PIXELFORMAT_BGR24);
    std::vector<unsigned char> bytes = ReadBytes(good);
    ASSERT_GT(bytes.size(), 60u);

    std::vector<std::vector<unsigned char>> broken = {
        {},                                                   // empty
        {'B', 'M', 1, 2, 3},                                  // header cut short
        std::vector<unsigned char>(bytes.begin(), bytes.begin() + 40),  // info cut short
        std::vector<unsigned char>(bytes.begin(), bytes.end() - 10),    // pixels cut short
        std::vector<unsigned char>(200, 0xAB),                // not a BMP at all
    };
    for (size_t i = 0; i < broken.size(); ++i) {
        SCOPED_TRACE(i);
        std::string path = PathOf("broken.bmp");
        WriteBytes(path, broken[i]);
        EXPECT_FALSE(LoadPicture(path.c_str(), true, 0, 255, 0, &p));
        EXPECT_EQ(p.width, 7);
    }
}

TEST_F(PictureTest, RefusesOversizedPictures) {
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, kMaxPictureSide + 1, 1, 24,
                                                    SDL_PIXELFORMAT_BGR24);
    ASSERT_NE(s, nullptr);
    std::string path = PathOf("wide.bmp");
    ASSERT_EQ(SDL_SaveBMP(s, path.c_str()), 0);
    SDL_FreeSurface(s);
    Picture p;
    EXPECT_FALSE(LoadPicture(path.c_str(), false, 0, 0, 0, &p));
}
