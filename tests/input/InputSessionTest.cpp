#include "input/InputSession.h"

#include <gtest/gtest.h>

#include <cstring>

#include "tests/TempGameFolder.h"
#include "platform/Events.h"
#include "input/KeyboardSourceSession.h"
#include "input/KeyboardSourceSessionFormat.h"
#include "input/TecladoDI.h"

namespace {

TEST(SessionLine, WritesChangesInCodeOrderAndReadsThemBack) {
    uint8_t before[kKeyStateSize] = {}, after[kKeyStateSize] = {};
    before[0x1C] = kKeyDown;               // RETURN goes up
    after[0xCB] = after[0x10] = kKeyDown;  // LEFT and Q go down
    after[0xED] = kKeyDown;                // MEDIASELECT has no name
    std::string line = FormatSessionLine(0.0166667, before, after);
    EXPECT_EQ(line, "0.016667 +Q -RETURN +LEFT +0xED");

    uint8_t keys[kKeyStateSize];
    memcpy(keys, before, sizeof keys);
    double seconds = -1;
    std::string error;
    ASSERT_EQ(ParseSessionLine(line.c_str(), &seconds, keys, &error), kSessionFrame) << error;
    EXPECT_EQ(seconds, 0.016667);
    EXPECT_EQ(memcmp(keys, after, sizeof keys), 0);
}

TEST(SessionLine, HandWrittenLines) {
    uint8_t keys[kKeyStateSize] = {};
    double seconds = 0;
    std::string error;
    EXPECT_EQ(ParseSessionLine("  0.5\t+return +dik_space +0x1e\r", &seconds, keys, &error),
              kSessionFrame);
    EXPECT_EQ(seconds, 0.5);
    EXPECT_TRUE(keys[0x1C] && keys[0x39] && keys[0x1E]);
    EXPECT_EQ(ParseSessionLine("0.02 -RETURN +RETURN -SPACE", &seconds, keys, &error), kSessionFrame);
    EXPECT_TRUE(keys[0x1C]);
    EXPECT_FALSE(keys[0x39]);
    EXPECT_EQ(ParseSessionLine("", &seconds, keys, &error), kSessionComment);
    EXPECT_EQ(ParseSessionLine("   # a note", &seconds, keys, &error), kSessionComment);
}

TEST(SessionLine, MalformedLinesChangeNothing) {
    uint8_t keys[kKeyStateSize] = {};
    keys[0x10] = kKeyDown;
    uint8_t copy[kKeyStateSize];
    memcpy(copy, keys, sizeof keys);
    for (const char* bad : {"+Q", "abc", "0.1x", "-0.1", "nan", "inf", "1e9", "0.1 Q",
                            "0.1 +NOSUCHKEY", "0.1 +0x100", "0.1 +0x00", "0.1 +0x", "0.1 -Q +",
                            "0.1 *0", "0.1 *", "0.1 *2x", "0.1 *100001", "0.1 *2 *3"}) {
        double seconds = 7;
        std::string error;
        EXPECT_EQ(ParseSessionLine(bad, &seconds, keys, &error), kSessionBad) << bad;
        EXPECT_FALSE(error.empty()) << bad;
        EXPECT_EQ(seconds, 7) << bad;
        EXPECT_EQ(memcmp(keys, copy, sizeof keys), 0) << bad;
    }
    // The message names the token at fault and, for numbers, the range.
    for (auto [bad, says] : {std::pair{"0.1 *0", "(1 to 100000) expected in '*0'"},
                             {"0.1 *2 *3", "a second repeat count '*3'"}}) {
        std::string error;
        double seconds;
        EXPECT_EQ(ParseSessionLine(bad, &seconds, keys, &error), kSessionBad);
        EXPECT_NE(error.find(says), std::string::npos) << error;
    }
}

class SessionTest : public testing::Test {
protected:
    void SetUp() override { PlatformResetClose(); }
    void TearDown() override {
        InputSessionEnd();
        PlatformResetClose();
    }
    TempGameFolder folder;
};

TEST_F(SessionTest, LiveSessionPassesTheClockThrough) {
    ASSERT_TRUE(InputSessionBegin(nullptr, nullptr));
    EXPECT_EQ(InputSessionGetMode(), kSessionLive);
    EXPECT_EQ(InputSessionFrameTime(0.0123456789), 0.0123456789);
}

TEST_F(SessionTest, RecordingReplaysTheSameTimesAndKeys) {
    ASSERT_TRUE(InputSessionBegin("session.txt", nullptr));
    ASSERT_EQ(InputSessionGetMode(), kSessionRecord);
    uint8_t state[kKeyStateSize] = {};
    std::vector<double> times;
    std::vector<std::vector<uint8_t>> seen;
    const double measured[] = {0.0161234567, 0.017, 0.0009, 0.25, 0.016};
    for (int frame = 0; frame < 5; ++frame) {
        times.push_back(InputSessionFrameTime(measured[frame]));
        memset(state, 0, sizeof state);
        if (frame == 1 || frame == 2) state[0x1C] = kKeyDown;
        if (frame >= 2) state[0xCB] = kKeyDown;
        if (frame == 3) continue;  // a frame that never polled the keyboard
        InputSessionRecordKeys(state);
        seen.push_back(std::vector<uint8_t>(state, state + kKeyStateSize));
    }
    EXPECT_NEAR(times[0], 0.0161234567, 1e-6);
    InputSessionEnd();

    std::string text = TempGameFolder::ReadText("session.txt");
    EXPECT_NE(text.find("\n0.016123\n0.017000 +RETURN\n0.000900 +LEFT\n0.250000\n0.016000 -RETURN\n"),
              std::string::npos)
        << text;

    ASSERT_TRUE(InputSessionBegin(nullptr, "session.txt"));
    ASSERT_EQ(InputSessionGetMode(), kSessionReplay);
    KeyboardSourceReplay source;
    size_t polled = 0;
    for (int frame = 0; frame < 5; ++frame) {
        EXPECT_EQ(InputSessionFrameTime(1.0), times[frame]) << frame;
        EXPECT_FALSE(PlatformCloseRequested());
        if (frame == 3) continue;
        uint8_t replayed[kKeyStateSize];
        EXPECT_TRUE(source.Read(replayed));
        EXPECT_EQ(memcmp(replayed, seen[polled++].data(), kKeyStateSize), 0) << frame;
    }
    // The end of the file: a frame without time, then the program closes.
    EXPECT_EQ(InputSessionFrameTime(1.0), 0.0);
    EXPECT_TRUE(PlatformCloseRequested());
    EXPECT_EQ(InputSessionFrameTime(1.0), 0.0);
}

TEST_F(SessionTest, ARepeatedLineRunsItsFramesWithTheSameKeys) {
    TempGameFolder::WriteBytes("r.txt", {'0', '.', '5', ' ', '*', '3', ' ', '+', 'Q', '\n',
                                         '0', '.', '1', ' ', '-', 'Q', '\n'});
    ASSERT_TRUE(InputSessionBegin(nullptr, "r.txt"));
    KeyboardSourceReplay source;
    uint8_t keys[kKeyStateSize];
    for (double expected : {0.5, 0.5, 0.5, 0.1}) {
        EXPECT_EQ(InputSessionFrameTime(1.0), expected);
        ASSERT_TRUE(source.Read(keys));
        EXPECT_EQ(keys[0x10] != 0, expected == 0.5);
    }
    EXPECT_EQ(InputSessionFrameTime(1.0), 0.0);
    EXPECT_TRUE(PlatformCloseRequested());
}

TEST_F(SessionTest, BadReplayLineIsLoggedAndEndsTheReplay) {
    TempGameFolder::WriteBytes("bad.txt", {'0', '.', '1', ' ', '+', 'Q', '\n', 'x', '\n', '0', '\n'});
    ASSERT_TRUE(InputSessionBegin(nullptr, "bad.txt"));
    EXPECT_EQ(InputSessionFrameTime(1.0), 0.1);
    EXPECT_FALSE(PlatformCloseRequested());
    EXPECT_EQ(InputSessionFrameTime(1.0), 0.0);
    EXPECT_TRUE(PlatformCloseRequested());
    std::string log = TempGameFolder::ReadText("logs/log.txt");
    EXPECT_NE(log.find("     Teclado: Sesion bad.txt, linea 2 incorrecta: frame time (0 to 3600 "
                       "seconds) expected in 'x'\n"),
              std::string::npos)
        << log;
}

// A byte-order mark opens the file; a NUL byte is refused where it stands.
TEST_F(SessionTest, ByteOrderMarkIsSkippedAndNulIsRefused) {
    const std::string text("\xEF\xBB\xBF" "0.25 +Q\n0.5 +W\0 +E\n", 21);
    TempGameFolder::WriteBytes("bom.txt", std::vector<unsigned char>(text.begin(), text.end()));
    ASSERT_TRUE(InputSessionBegin(nullptr, "bom.txt"));
    EXPECT_EQ(InputSessionFrameTime(1.0), 0.25);
    EXPECT_EQ(InputSessionFrameTime(1.0), 0.0);
    EXPECT_TRUE(PlatformCloseRequested());
    EXPECT_NE(TempGameFolder::ReadText("logs/log.txt").find("linea 2 incorrecta: NUL byte at column 7\n"),
              std::string::npos);
}

// A full disk ends the recording with one line; the game goes on live.
TEST_F(SessionTest, RecordingWriteErrorEndsTheRecording) {
    ASSERT_TRUE(InputSessionBegin("/dev/full", nullptr));
    EXPECT_EQ(InputSessionFrameTime(0.1234567), 0.1234567);  // the clock's, not the file's
    EXPECT_EQ(InputSessionFrameTime(0.1234567), 0.1234567);
    EXPECT_EQ(TempGameFolder::ReadText("logs/log.txt"),
              "     Teclado: No se puede escribir la sesion /dev/full: No space left on device, "
              "se deja de grabar\n");
}

TEST_F(SessionTest, OverlongReplayLineIsRefused) {
    std::vector<unsigned char> bytes = {'0', '.', '1'};
    for (int i = 0; i < 10000; ++i)
        for (char c : std::string(" +Q")) bytes.push_back(c);
    bytes.push_back('\n');
    TempGameFolder::WriteBytes("long.txt", bytes);
    ASSERT_TRUE(InputSessionBegin(nullptr, "long.txt"));
    EXPECT_EQ(InputSessionFrameTime(1.0), 0.0);
    EXPECT_TRUE(PlatformCloseRequested());
    EXPECT_NE(TempGameFolder::ReadText("logs/log.txt").find("line too long"), std::string::npos);
}

TEST_F(SessionTest, MissingReplayFileIsLoggedAndLeavesTheGameLive) {
    EXPECT_FALSE(InputSessionBegin(nullptr, "nothing.txt"));
    EXPECT_EQ(InputSessionGetMode(), kSessionLive);
    EXPECT_NE(TempGameFolder::ReadText("logs/log.txt").find("     Teclado: No se puede abrir la sesion nothing.txt: No such file or directory\n"),
              std::string::npos);
}

TEST_F(SessionTest, KeyboardFollowsAReplay) {
    TempGameFolder::WriteBytes("keys.txt", {});
    std::string text = "# two frames\n0.01 +INSERT +DOWN\n\n0.02 -DOWN +ESCAPE\n";
    TempGameFolder::WriteBytes("keys.txt", std::vector<unsigned char>(text.begin(), text.end()));
    ASSERT_TRUE(InputSessionBegin(nullptr, "keys.txt"));
    TecladoDI kb;  // picks the replay source itself
    ASSERT_EQ(kb.Init(nullptr, nullptr), 1);
    EXPECT_FLOAT_EQ(InputSessionFrameTime(1.0), 0.01);
    kb.Poll();
    EXPECT_EQ(kb.GetInput(0, 1, 0.01f), 0x22u);
    EXPECT_FLOAT_EQ(InputSessionFrameTime(1.0), 0.02);
    kb.Poll();
    EXPECT_EQ(kb.GetInput(0, 1, 0.02f), 0x20u);
    EXPECT_TRUE(kb.SpecialKeyOnce(5));
    kb.Shutdown();
}

}  // namespace
