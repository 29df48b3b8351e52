#include <gtest/gtest.h>

#include "base/Random.h"
#include "base/Library.h"

namespace {

TEST(Random, FirstDrawsMatchTheClassicSequence) {
    // The sequence every program with a fresh state 1 produces.
    const int expected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464};
    Random r;
    for (int value : expected) EXPECT_EQ(value, r.Next());
}

TEST(Random, DrawsStayInRangeAndCoverIt) {
    Random r;
    int lowest = Random::kMax, highest = 0;
    for (int i = 0; i < 200000; ++i) {
        int v = r.Next();
        ASSERT_GE(v, 0);
        ASSERT_LE(v, Random::kMax);
        if (v < lowest) lowest = v;
        if (v > highest) highest = v;
    }
    EXPECT_LT(lowest, 10);
    EXPECT_GT(highest, Random::kMax - 10);
}

TEST(Random, UniformIsTheDrawOver32767) {
    Random a, b;
    for (int i = 0; i < 1000; ++i) {
        float u = a.Uniform();
        EXPECT_FLOAT_EQ(static_cast<float>(b.Next()) / 32767.0f, u);
        EXPECT_GE(u, 0.0f);
        EXPECT_LE(u, 1.0f);
    }
}

TEST(Random, InstancesAreIndependentAndGameRandomIsOne) {
    Random a, b;
    a.Next();
    a.Next();
    EXPECT_EQ(41, b.Next());  // b is untouched by a's draws
    Random& game = GameRandom();
    EXPECT_EQ(&game, &GameRandom());
    Random copy = game;
    EXPECT_EQ(copy.Next(), GameRandom().Next());
}

TEST(Random, APlugInHasAGeneratorOfItsOwn) {
    void* library = PlatformLoadLibrary(CORRALON_TEST_BIN_DIR "/RandomPlugin.so");
    ASSERT_NE(nullptr, library) << PlatformLibraryError();
    auto draw = reinterpret_cast<int (*)()>(PlatformGetSymbol(library, "RandomPluginDraw"));
    ASSERT_NE(nullptr, draw);
    for (int i = 0; i < 5; ++i) GameRandom().Next();
    Random fresh;
    EXPECT_EQ(fresh.Next(), draw());  // untouched by the program's draws
    EXPECT_EQ(fresh.Next(), draw());
    PlatformFreeLibrary(library);
}

}  // namespace
