#pragma once
// What the stage tests stand on: the recording renderer,
// a sound object that keeps the music asked for, pictures made to measure
// and a stage loaded inside a private working folder.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "fight/Fondo.h"
#include "sdk/GameSettings.h"
#include "sdk/Sonido.h"
#include "support/testing/MusicRecordingSound.h"
#include "support/testing/RecordingRenderer.h"
#include "tests/TestFolder.h"

// Stored pixel (x, y), y counted from the bottom as BMP rows are stored:
// blue, green, red bytes that say where they came from.
inline unsigned char StoredBlue(int x, int) { return static_cast<unsigned char>(x); }
inline unsigned char StoredGreen(int, int y) { return static_cast<unsigned char>(y); }
inline unsigned char StoredRed(int x, int y) { return static_cast<unsigned char>((x / 256) * 16 + y / 256); }

struct BmpShape {
    int32_t width = 512;
    int32_t height = 256;
    uint32_t bpp = 24;
    uint32_t compression = 0;
    long cut = 0;  // bytes missing at the end
    uint32_t pixelOffset = 54;  // 138 for an editor's 124-byte header
};

inline std::string MakeBmp(const BmpShape& s) {
    std::string b(54, '\0');
    auto put = [&b](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) b[at + i] = static_cast<char>(v >> (8 * i));
    };
    b[0] = 'B';
    b[1] = 'M';
    put(10, s.pixelOffset);
    put(14, s.pixelOffset >= 138 ? 124 : 40);
    put(18, static_cast<uint32_t>(s.width));
    put(22, static_cast<uint32_t>(s.height));
    put(26, 1 | s.bpp << 16);
    put(30, s.compression);
    if (s.pixelOffset > 54 && s.pixelOffset < 4096) b.resize(s.pixelOffset, '\x5A');
    if (s.width > 0 && s.height > 0 && s.width <= 4096 && s.height <= 4096 && s.bpp == 24)
        for (int y = 0; y < s.height; ++y)
            for (int x = 0; x < s.width; ++x) {
                b += static_cast<char>(StoredBlue(x, y));
                b += static_cast<char>(StoredGreen(x, y));
                b += static_cast<char>(StoredRed(x, y));
            }
    b.resize(b.size() - static_cast<size_t>(s.cut));
    return b;
}

// A private working folder with a logs folder, a renderer and a sound.
class StageTest : public ::testing::Test {
protected:
    TestFolder folder;
    RecordingRenderer renderer;
    MusicRecordingSound sound;
    GameSettings settings;
    Fondo stage;

    void SetUp() override { ASSERT_EQ(mkdir("logs", 0755), 0); }
    void TearDown() override {
        stage.Release();
        EXPECT_EQ(renderer.badReleases, 0);
        EXPECT_TRUE(renderer.live.empty()) << renderer.live.size() << " textures left";
    }
    static std::string Log() { return TestFolder::Read("logs/log.txt"); }
    void LoadText(const std::string& text) {
        TestFolder::Write("escena.txt", text);
        stage.Load("escena.txt", &renderer, nullptr, &sound, &settings);
    }
};
