#include <gtest/gtest.h>

#include <cmath>

#include "DecodedTune.h"
#include "support/music/Instruments.h"
#include "support/music/OggEncoder.h"
#include "support/music/Synth.h"

namespace {

constexpr int kRate = 44100;

Score Parse(const std::string& text) {
    Score score;
    std::string error;
    EXPECT_TRUE(ParseScore(text, &score, &error)) << error;
    return score;
}

// Four seconds whose last chord rings past the end of the loop, through
// every effect.
const char kRinging[] =
    "tempo 120\nsteps 4\n"
    "instrument pad pad volume=1 echo=0.5 reverb=0.5\n"
    "instrument bell bell volume=0.7 pan=0.5 echo=0.4\n"
    "instrument kit drums\n"
    "pattern chords\n  c4+e4+g4:8 a3+c4+e4:8 f3+a3+c4:8 g3+b3+d4:8\nend\n"
    "pattern tune\n  -:20 e5:4 g5:4 c6:4\nend\n"
    "pattern beat\n  k:4 h:4 s:4 h:4\nend\n"
    "track pad chords\ntrack bell tune\ntrack kit beat*2\n";

}  // namespace

TEST(SynthTest, EveryVoiceStartsAndEndsAtSilence) {
    const InstrumentKind kinds[] = {InstrumentKind::kPluck, InstrumentKind::kBell,
                                    InstrumentKind::kLead,  InstrumentKind::kBrass,
                                    InstrumentKind::kWhistle, InstrumentKind::kBass,
                                    InstrumentKind::kPad};
    std::vector<float> left, right;
    for (InstrumentKind kind : kinds) {
        for (int pitch : {28, 60, 96}) {
            SCOPED_TRACE(testing::Message() << "kind " << int(kind) << " pitch " << pitch);
            Voice v;
            v.kind = kind;
            v.pitch = pitch;
            v.velocity = 1.0;
            v.seconds = 0.5;
            RenderVoice(v, kRate, &left, &right);
            ASSERT_EQ(left.size(), size_t(VoiceLength(v, kRate)));
            // A voice that jumps in or out clicks on every note.
            EXPECT_LT(std::fabs(left.front()), 0.01);
            EXPECT_LT(std::fabs(left.back()), 0.01);
            EXPECT_LT(std::fabs(right.back()), 0.01);
            EXPECT_GT(Rms(left), 0.01);
            EXPECT_LT(Peak(left), 2.0);
            for (float x : left) ASSERT_TRUE(std::isfinite(x));
        }
    }
    for (int hit = 0; hit < kDrumHitCount; ++hit) {
        SCOPED_TRACE(testing::Message() << "drum " << hit);
        Voice v;
        v.kind = InstrumentKind::kDrums;
        v.pitch = hit;
        v.velocity = 1.0;
        RenderVoice(v, kRate, &left, &right);
        EXPECT_LT(std::fabs(left.front()), 0.01);
        EXPECT_LT(std::fabs(left.back()), 0.01);
        EXPECT_GT(Rms(left), 0.005);
    }
}

TEST(SynthTest, SineIsAccurateEverywhere) {
    for (double c = -3.0; c < 3.0; c += 0.0137)
        ASSERT_NEAR(SineCycles(c), std::sin(6.283185307179586 * c), 1e-6) << c;
}

TEST(SynthTest, LoopRingsOverItsStartWithoutASeam) {
    StereoLoop loop = RenderScore(Parse(kRinging), kRate);
    ASSERT_EQ(loop.size(), size_t(4 * kRate));
    // The last chord's release, the echo and the reverb go on over the
    // start: the first samples are not silent...
    std::vector<float> head(loop.left.begin(), loop.left.begin() + 400);
    EXPECT_GT(Rms(head), 0.002);
    // ...and continue the last ones.
    EXPECT_LT(SeamJumpRatio(loop.left), 4.0);
    EXPECT_LT(SeamJumpRatio(loop.right), 4.0);
    EXPECT_LT(SeamSlopeRatio(loop.left), 4.0);

    // The measure does catch a cut: a held chord stopped short.
    StereoLoop held = RenderScore(
        Parse("instrument pad pad\npattern p\n  c4+e4+g4:16\nend\ntrack pad p\n"), kRate);
    std::vector<float> cut(held.left.begin(), held.left.begin() + kRate / 2 + 123);
    EXPECT_GT(SeamJumpRatio(cut) + SeamSlopeRatio(cut), 10.0);
    EXPECT_LT(SeamJumpRatio(held.left), 4.0);
}

TEST(SynthTest, MasterKeepsPeaksBelowFullScale) {
    // Everything loud at once.
    Score score = Parse(
        "instrument a brass volume=2\ninstrument b pad volume=2\ninstrument c bass volume=2\n"
        "instrument k drums volume=2\n"
        "pattern p\n  c3+e3+g3+c4+e4+g4+c5:16!\nend\npattern d\n  k+s+x+t!:16\nend\n"
        "track a p\ntrack b p\ntrack c p-12\ntrack k d\n");
    StereoLoop loop = RenderScore(score, kRate);
    EXPECT_LT(Peak(loop.left), 0.8);
    EXPECT_LT(Peak(loop.right), 0.8);
    EXPECT_GT(Rms(loop.left), 0.05);
}

TEST(SynthTest, EncodingIsRepeatableAndKeepsTheLoopLength) {
    Score score = Parse(kRinging);
    StereoLoop a = RenderScore(score, kRate), b = RenderScore(score, kRate);
    EXPECT_TRUE(a.left == b.left && a.right == b.right);

    std::vector<unsigned char> first, second, other;
    std::string error;
    ASSERT_TRUE(EncodeOgg(a, kRate, 0.3, 77, "t", &first, &error)) << error;
    ASSERT_TRUE(EncodeOgg(b, kRate, 0.3, 77, "t", &second, &error)) << error;
    ASSERT_TRUE(EncodeOgg(a, kRate, 0.3, 78, "t", &other, &error)) << error;
    EXPECT_TRUE(first == second);
    EXPECT_FALSE(first == other);  // the serial number is really written

    // Exactly one loop comes back, so the player's repeat has no gap, and
    // the seam survives lossy coding.
    DecodedTune tune = DecodeOggBytes(first);
    ASSERT_TRUE(tune.error.empty()) << tune.error;
    EXPECT_EQ(tune.channels, 2);
    EXPECT_EQ(tune.rate, kRate);
    EXPECT_EQ(tune.left.size(), a.size());
    EXPECT_LT(SeamJumpRatio(tune.left), 4.0);
    EXPECT_LT(SeamSlopeRatio(tune.right), 4.0);
}

TEST(SynthTest, EncoderRefusesWhatVorbisCannotDo) {
    StereoLoop loop;
    loop.left.assign(1000, 0.0f);
    loop.right.assign(1000, 0.0f);
    std::vector<unsigned char> bytes;
    std::string error;
    EXPECT_FALSE(EncodeOgg(loop, kRate, 7.0, 1, "t", &bytes, &error));
    EXPECT_FALSE(error.empty());
}
