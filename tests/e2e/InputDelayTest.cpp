// Frames from a key going down to the first drawing it changes. The game
// polls, updates and draws in one pass, so the change belongs in the very
// frame whose session line holds the key. Each probe replays a session with
// the key and without it; the first call that differs is the key's doing.
#include <gtest/gtest.h>

#include <sstream>

#include "tests/e2e/GameRun.h"

namespace {

// Both sessions of a probe have the pad, so keys and pad share the prefix.
const char kMenu[] = "0.1 +PAD1=Mando%20de%20prueba\n0.1 +ESCAPE\n0.1 -ESCAPE\n0.1 *12\n";
// Arcade, the first creature, and the fight under way after its splash.
const char kFight[] =
    "0.1 +PAD1=Mando%20de%20prueba\n0.1 +ESCAPE\n0.1 -ESCAPE\n0.1 *3\n"
    "0.1 +INSERT\n0.1 -INSERT\n0.1 +INSERT\n0.1 -INSERT\n0.1 *3\n0.1 +INSERT\n0.1 -INSERT\n0.1 *140\n";

struct Probe {
    const char* name;
    const char* prefix;
    const char* key;   // session token, down with '+' and up with '-'
    const char* call;  // what the key changes: a menu item's look, a fighter's picture
};

const Probe kProbes[] = {
    {"MenuMoveKeyboard", kMenu, "DOWN", "DrawTextCentered"},
    {"MenuMovePad", kMenu, "PAD1:DOWN", "DrawTextCentered"},
    {"PunchKeyboard", kFight, "INSERT", "DrawImage"},
    {"PunchPad", kFight, "PAD1:PUNCH1", "DrawImage"},
};

void PrintTo(const Probe& probe, std::ostream* out) { *out << probe.name; }

int Frames(const std::string& session) {
    std::istringstream in(session);
    int frames = 0;
    for (std::string line; std::getline(in, line);) {
        size_t star = line.find('*');
        frames += star == std::string::npos ? 1 : std::stoi(line.substr(star + 1));
    }
    return frames;
}

// The calls of every presented frame; frame 0 is the logo, frame n the
// session's line n.
std::vector<std::vector<std::string>> Replay(const std::string& session) {
    GameRun game;
    game.UseRenderer("Headless.dll");
    game.Write("session.txt", session);
    game.Start({}, {"CORRALON_REPLAY=" + game.Path("session.txt"),
                    "CORRALON_HEADLESS_TRACE=" + game.Path("trace.txt")});
    EXPECT_EQ(game.Wait(60.0), 0);
    std::vector<std::vector<std::string>> frames(1);
    std::istringstream in(game.Read("trace.txt"));
    for (std::string line; std::getline(in, line);) {
        frames.back().push_back(line);
        if (line == "Present") frames.emplace_back();
    }
    return frames;
}

std::string Field(const std::string& call, size_t n) {
    std::istringstream in(call);
    std::string field;
    while (in >> field && n--) {
    }
    return field;
}

class InputDelay : public ::testing::TestWithParam<Probe> {};

TEST_P(InputDelay, TheKeyShowsInItsOwnFrame) {
    const Probe& probe = GetParam();
    const std::string key = std::string(probe.key);
    const int down = Frames(probe.prefix) + 1;
    const auto quiet = Replay(std::string(probe.prefix) + "0.1 *5\n");
    const auto pressed = Replay(std::string(probe.prefix) + "0.1 +" + key + "\n0.1 -" + key + "\n0.1 *3\n");
    ASSERT_GT(quiet.size(), static_cast<size_t>(down + 1));
    ASSERT_EQ(quiet.size(), pressed.size());

    size_t frame = 0, call = 0;
    while (frame < quiet.size() && quiet[frame] == pressed[frame]) ++frame;
    ASSERT_LT(frame, quiet.size()) << "the key changed nothing drawn";
    while (quiet[frame][call] == pressed[frame][call]) ++call;
    EXPECT_EQ(static_cast<int>(frame) - down, 0) << "frames of delay";

    const std::string& before = quiet[frame][call];
    const std::string& after = pressed[frame][call];
    EXPECT_EQ(Field(before, 0), probe.call) << before;
    EXPECT_EQ(Field(after, 0), probe.call) << after;
    if (Field(before, 0) == "DrawTextCentered")  // the same item, drawn as highlighted or not
        EXPECT_EQ(before.substr(before.find('"')), after.substr(after.find('"'))) << before << "\n" << after;
    else  // the fighter's picture: another frame of its animation
        EXPECT_NE(Field(before, 5), Field(after, 5)) << before << "\n" << after;
}

INSTANTIATE_TEST_SUITE_P(Probes, InputDelay, ::testing::ValuesIn(kProbes),
                         [](const ::testing::TestParamInfo<Probe>& info) { return info.param.name; });

}  // namespace
