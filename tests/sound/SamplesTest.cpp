#include "tools/datagen/Samples.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/TempGameFolder.h"

namespace {

struct Shape {
    int peak = 0;
    double seconds = 0;
    int firstAbs = 0, lastAbs = 0;
};

Shape Measure(const std::vector<int16_t>& s) {
    Shape shape;
    for (int16_t v : s) shape.peak = std::max(shape.peak, std::abs(int(v)));
    shape.seconds = double(s.size()) / kSampleRate;
    if (!s.empty()) {
        shape.firstAbs = std::abs(int(s.front()));
        shape.lastAbs = std::abs(int(s.back()));
    }
    return shape;
}

TEST(Samples, ShortCleanAndNotClipped) {
    struct {
        const char* name;
        std::vector<int16_t> samples;
        double maxSeconds;
    } sounds[] = {{"swish", MakeSwish(), 0.5}, {"thump", MakeThump(), 0.5},
                  {"tune", MakeTestTune(), 4.0}};
    for (auto& s : sounds) {
        Shape shape = Measure(s.samples);
        EXPECT_GT(shape.peak, 16000) << s.name << " is audible";
        EXPECT_LT(shape.peak, 32000) << s.name << " stays below full scale";
        EXPECT_GT(shape.seconds, 0.1) << s.name;
        EXPECT_LT(shape.seconds, s.maxSeconds) << s.name;
        EXPECT_LT(shape.firstAbs, 200) << s.name << " starts without a click";
        EXPECT_LT(shape.lastAbs, 200) << s.name << " ends without a click";
    }
    // The thump is low, the swish is high: count sign changes.
    auto crossings = [](const std::vector<int16_t>& s) {
        int n = 0;
        for (size_t i = 1; i < s.size(); ++i) n += (s[i - 1] < 0) != (s[i] < 0);
        return n / (double(s.size()) / kSampleRate);
    };
    EXPECT_LT(crossings(MakeThump()), 400);
    EXPECT_GT(crossings(MakeSwish()), 1000);
}

TEST(Samples, FrogSamplesAreWrittenAsWav) {
    TempGameFolder folder;
    ASSERT_EQ(WriteFrogSamples(folder.path().c_str()), 1);
    for (const char* file : {"sonido/fiu.wav", "sonido/GOLPEARMADUR33.wav"}) {
        std::string wav = TempGameFolder::ReadText(file);
        ASSERT_GT(wav.size(), 44u) << file;
        EXPECT_EQ(wav.substr(0, 4), "RIFF");
        EXPECT_EQ(wav.substr(8, 8), "WAVEfmt ");
        EXPECT_EQ(wav.substr(36, 4), "data");
        uint32_t riff = 0, data = 0;
        for (int i = 3; i >= 0; --i) {
            riff = riff << 8 | static_cast<uint8_t>(wav[4 + i]);
            data = data << 8 | static_cast<uint8_t>(wav[40 + i]);
        }
        EXPECT_EQ(riff, wav.size() - 8) << file;
        EXPECT_EQ(data, wav.size() - 44) << file;
    }
    EXPECT_EQ(WriteFrogSamples("/nonexistent/folder"), 0);
}

}  // namespace
