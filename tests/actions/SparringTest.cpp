// The viewer's sparring front end on the game's fight: two frogs loaded from
// their files, a keyboard fed by a script, no window.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <set>
#include <string>

#include "fight/Fondo.h"
#include "fight/GestionJuego.h"
#include "input/TecladoDI.h"
#include "platform/KeyboardSource.h"
#include "support/testing/RecordingRenderer.h"
#include "tests/actions/ActionTestSupport.h"
#include "tools/viewer/Sparring.h"

namespace {

const float kDt = 1.0f / 60.0f;
const int kEscapeCode = 0x01;
const int kF2Code = 0x3C;
const int kF5Code = 0x3F;
const int kF9Code = 0x43;

class ScriptedKeys : public KeyboardSource {
public:
    explicit ScriptedKeys(std::function<void(long, uint8_t*)> script) : script_(script) {}
    bool Read(uint8_t state[kKeyStateSize]) override {
        script_(frame_++, state);
        return true;
    }

private:
    std::function<void(long, uint8_t*)> script_;
    long frame_ = 0;
};

// Everything a frame drew but its texts (the notices differ), one line a call.
std::string Pictures(const RecordingRenderer& r) {
    std::string out;
    for (const RendererCall& c : r.calls) {
        if (c.op.compare(0, 8, "DrawText") == 0) continue;
        out += c.op + " " + std::to_string(c.texture) + " " + std::to_string(c.triangles);
        for (float v : c.args) out += " " + std::to_string(v);
        for (float v : c.quad) out += " " + std::to_string(v);
        out += "\n";
    }
    return out;
}

// The sprite outlines drawn (red, taller than a marker): the box view draws
// one per creature and nothing else draws any.
int Outlines(const RecordingRenderer& r) {
    int n = 0;
    for (const RendererCall& c : r.Named("DrawFrame"))
        n += c.args[4] == 1 && c.args[5] == 0 && c.args[6] == 0 && c.h() > 0.05f;
    return n;
}

class SparringFrontEnd : public ::testing::Test {
protected:
    void SetUp() override {
        InstallBehaviour("Bichos/rana.so", "rana.so");
        WriteCreature("rana.qvl", FrogAnimations(), "RANA");
        setup.fighters[0] = setup.fighters[1] = "rana.qvl";
    }
    void TearDown() override {
        delete sparring;
        delete keyboard;
    }
    // Keys held on the frames listed for each DIK code.
    void Start(std::function<void(long, uint8_t*)> script) {
        keyboard = new TecladoDI(new ScriptedKeys(script));
        ASSERT_EQ(1, keyboard->Init(nullptr, nullptr));
        sparring = new Sparring(&renderer, keyboard, &sound, &arena.particles, setup);
        sparring->Start();
        ASSERT_TRUE(FightLoaded(sparring->Controller()));
    }

    Arena arena;
    RecordingRenderer renderer;
    RecordingSonido sound;
    SparringSetup setup;
    TecladoDI* keyboard = nullptr;
    Sparring* sparring = nullptr;
};

TEST_F(SparringFrontEnd, ADemoMatchPlaysToItsEndAndTheNextOneStarts) {
    setup.gameMode = 3;
    setup.roundsToWin = 1;
    setup.roundTime = 5.0f;
    Start([](long, uint8_t*) {});
    EXPECT_STREQ("rana.qvl", sparring->Settings().player2Name);
    const int menuRequests = sparring->MenuRequests();
    int frames = 0;
    while (sparring->Matches() < 2 && frames < 60 * 60) {
        ASSERT_TRUE(sparring->Frame(kDt));
        ++frames;
    }
    ASSERT_EQ(2, sparring->Matches()) << "after " << frames << " frames";
    EXPECT_EQ(menuRequests + 1, sparring->MenuRequests());
    // One round decides: the round clock, the wait before it and the round end.
    EXPECT_EQ(1, std::max(sparring->LastRounds(0), sparring->LastRounds(1)));
    EXPECT_GT(frames, 60 * 8);
    FightController& fight = sparring->Controller();
    ASSERT_TRUE(FightLoaded(fight));
    EXPECT_FLOAT_EQ(10.0f, fight.fighters[1]->GetLife());
    EXPECT_EQ(0, fight.fighters[0]->GetRoundsWon());
    EXPECT_EQ(0, fight.state.phase);
}

TEST_F(SparringFrontEnd, ArcadeSparringIsALadderRunSoTheScoreShows) {
    setup.gameMode = 0;
    Start([](long, uint8_t*) {});
    const GestionJuego& run = *sparring->Controller().context.run;
    EXPECT_TRUE(run.IsActive());
    EXPECT_STREQ(run.PlayerName(), "RANA");
}

TEST_F(SparringFrontEnd, F2DrawsEveryBoxOnlyWhileOn) {
    TestFolder::Write("campo.txt", "[fondo]\nsuelo = 0.7\n[actor]\nbicho = rana.qvl\nx = 0.5\n");
    setup.stage = "campo.txt";
    Start([](long frame, uint8_t* state) {
        if (frame == 10 || frame == 11 || frame == 40) state[kF2Code] = kKeyDown;
    });
    FightController& fight = sparring->Controller();
    EXPECT_FLOAT_EQ(0.7f, fight.fighters[0]->GetY());
    ASSERT_EQ(1, fight.stage->actorCount);
    std::vector<int> outlines;
    for (int i = 0; i < 60; ++i) {
        renderer.Forget();
        ASSERT_TRUE(sparring->Frame(kDt));
        outlines.push_back(Outlines(renderer));
    }
    for (int i = 0; i < 60; ++i) {
        // Held over two frames it toggles once; both fighters and the actor.
        if (i >= 10 && i < 40)
            EXPECT_EQ(3, outlines[i]) << "frame " << i;
        else
            EXPECT_EQ(0, outlines[i]) << "frame " << i;
    }
    EXPECT_FALSE(fight.showBoxes);
}

// F5 keeps the fight, F9 puts it back, twice: the frame after each F9 draws
// exactly what the frame after F5 drew (fighters, actor, particles, bars,
// clock), though the fight had moved on.
TEST_F(SparringFrontEnd, F9PutsBackTheFightF5Kept) {
    TestFolder::Write("campo.txt", "[fondo]\nsuelo = 0.7\n[actor]\nbicho = rana.qvl\nx = 0.5\n");
    setup.stage = "campo.txt";
    setup.gameMode = 3;
    const long keep = 240, backs[2] = {420, 600};
    Start([&](long frame, uint8_t* state) {
        if (frame == keep) state[kF5Code] = kKeyDown;
        if (frame == backs[0] || frame == backs[1]) state[kF9Code] = kKeyDown;
    });
    std::vector<std::string> frames;
    for (long i = 0; i <= backs[1]; ++i) {
        renderer.Forget();
        ASSERT_TRUE(sparring->Frame(kDt));
        frames.push_back(Pictures(renderer));
    }
    EXPECT_NE(frames[keep], frames[backs[0] - 1]) << "the fight did not move on";
    EXPECT_EQ(frames[keep], frames[backs[0]]);
    EXPECT_EQ(frames[keep], frames[backs[1]]);
}

TEST_F(SparringFrontEnd, EscapeInThePauseLeaves) {
    Start([](long frame, uint8_t* state) {
        if (frame == 5 || frame == 9) state[kEscapeCode] = kKeyDown;
    });
    for (int i = 0; i < 9; ++i) ASSERT_TRUE(sparring->Frame(kDt)) << "frame " << i;
    EXPECT_TRUE(sparring->Controller().state.paused);
    EXPECT_FALSE(sparring->Frame(kDt));
    EXPECT_EQ(1, sparring->Matches());
}

std::string RunViewer(const std::string& args, int* status, const std::string& env = "") {
    const std::string command = "SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy " + env + " '" +
                                CORRALON_GAME_DIR "/viewer' --renderer '" CORRALON_GAME_DIR
                                "/Headless.dll' " + args + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return "";
    std::string output;
    char line[512];
    while (fgets(line, sizeof line, pipe)) output += line;
    *status = pclose(pipe);
    return output;
}

TEST(SparringProgram, RunsTheFightOnTwoCreatureFilesAndSaysHow) {
    Arena arena;
    InstallBehaviour("Bichos/rana.so", "rana.so");
    WriteCreature("rana.qvl", FrogAnimations(), "RANA");
    int status = -1;
    std::string output = RunViewer("--frames 120 --mode demo --spar rana.qvl rana.qvl", &status);
    EXPECT_EQ(0, status) << output;
    EXPECT_NE(std::string::npos, output.find("viewer: sparring rana.qvl against rana.qvl: ok"))
        << output;
    EXPECT_NE(std::string::npos, output.find("viewer: 1 matches started")) << output;
    output = RunViewer("--help", &status);
    EXPECT_EQ(0, status) << output;
    EXPECT_NE(std::string::npos, output.find("A finished match starts the next one")) << output;
}

// A recorded match replays to the same picture: the replay draws every frame
// of the recorded run call for call (then the frame that finds the end).
TEST(SparringProgram, AReplayedMatchRepeatsTheRecordedOne) {
    Arena arena;
    InstallBehaviour("Bichos/rana.so", "rana.so");
    WriteCreature("rana.qvl", FrogAnimations(), "RANA");
    auto read = [](const char* path) {
        std::ifstream in(path, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    };
    int status = -1;
    std::string output = RunViewer("--frames 300 --mode demo --spar rana.qvl rana.qvl",
                                   &status, "CORRALON_RECORD=match.txt CORRALON_HEADLESS_TRACE=live.txt");
    ASSERT_EQ(0, status) << output;
    output = RunViewer("--mode demo --spar rana.qvl rana.qvl", &status,
                       "CORRALON_REPLAY=match.txt CORRALON_HEADLESS_TRACE=replay.txt");
    ASSERT_EQ(0, status) << output;
    const std::string live = read("live.txt"), replay = read("replay.txt");
    ASSERT_GT(live.size(), 1000u);
    // Every frame of the recorded run, up to its last Present.
    const std::string drawn = live.substr(0, live.rfind("Present\n"));
    size_t same = 0;
    while (same < drawn.size() && same < replay.size() && drawn[same] == replay[same]) ++same;
    EXPECT_EQ(same, drawn.size()) << "the replay drew something else:\n"
                                  << drawn.substr(same > 300 ? same - 300 : 0, 600) << "\n---\n"
                                  << replay.substr(same > 300 ? same - 300 : 0, 600);
}

}  // namespace
