// The sync test's check on a fight run by the viewer's sparring: frogs keep
// every frame the same when run again; a behaviour that keeps state it does
// not save is caught, with the fighter that differs named in the log.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>

#include "app/SyncTest.h"
#include "base/Log.h"
#include "input/TecladoDI.h"
#include "platform/KeyboardSource.h"
#include "platform/Muting.h"
#include "support/testing/RecordingRenderer.h"
#include "tests/actions/ActionTestSupport.h"
#include "tools/viewer/Sparring.h"

namespace {

class NoKeys : public KeyboardSource {
public:
    bool Read(uint8_t*) override { return true; }
};

void InstallCreatures() {
    InstallBehaviour("Bichos/rana.so", "rana.so");
    WriteCreature("rana.qvl", FrogAnimations(), "RANA");
    for (const char* name : {"olvido", "sinestado"}) {
        const std::string library = std::string(name) == "olvido" ? CORRALON_OLVIDO_LIBRARY
                                                                   : CORRALON_SINESTADO_LIBRARY;
        std::ifstream in(library, std::ios::binary);
        std::ofstream(std::string(name) + ".so", std::ios::binary) << in.rdbuf();
        WriteCreature(std::string(name) + ".qvl", FrogAnimations(), name);
    }
}

// What a run heard and saw: samples started and calls drawn.
struct Witnessed {
    std::vector<std::string> heard;
    size_t drawn = 0;
};

// Differences found over six seconds of a demo fight (depth 0: no check),
// the log kept.
int DifferencesIn(const char* fighter, int depth, std::string* log, Witnessed* seen = nullptr) {
    Arena arena;  // the test's own folder from here on
    InstallCreatures();
    RecordingRenderer drawn;
    RecordingSonido heard;
    MutingRenderer renderer(&drawn);
    MutingSound sound(&heard);
    TecladoDI keyboard(new NoKeys());
    keyboard.Init(nullptr, nullptr);
    SparringSetup setup;
    setup.fighters[0] = fighter;
    setup.fighters[1] = "rana.qvl";
    setup.gameMode = 3;
    Sparring sparring(&renderer, &keyboard, &sound, &arena.particles, setup);
    sparring.Start();
    EXPECT_TRUE(sparring.Controller().fighters[0]->GetCurrentAnimation()) << fighter;
    GameState state = GameState::kFight;
    SyncTest check(depth, &sparring.Controller(), &state, &renderer, &sound);
    const float dt = 1.0f / 60.0f;
    mkdir("logs", 0755);
    LogReset();
    for (int frame = 0; frame < 60 * 6; ++frame) {
        if (depth) check.BeforeFrame();
        sparring.Frame(dt);
        if (depth) check.AfterPoll();
        if (depth) check.AfterFrame(dt);
    }
    *log = TestFolder::Read("logs/log.txt");
    if (depth) {
        EXPECT_GT(check.Checked(), 60 * 5);
    }
    if (seen) {
        for (const std::string& call : heard.calls)
            if (call.compare(0, 10, "PlaySample") == 0) seen->heard.push_back(call);
        seen->drawn = drawn.calls.size();
    }
    return check.Differences();
}

TEST(SyncCheck, FrogsRepeatEveryFrameAndAForgetfulBehaviourIsCaught) {
    std::string log;
    Witnessed checked, plain;
    EXPECT_EQ(0, DifferencesIn("rana.qvl", 8, &log, &checked)) << log;
    // Frames run again are neither heard nor seen a second time.
    DifferencesIn("rana.qvl", 0, &log, &plain);
    EXPECT_FALSE(plain.heard.empty());
    EXPECT_EQ(plain.heard, checked.heard);
    EXPECT_EQ(plain.drawn, checked.drawn);
    for (int depth : {1, 8}) {
        EXPECT_GT(DifferencesIn("olvido.qvl", depth, &log), 0) << "depth " << depth;
        EXPECT_NE(std::string::npos, log.find("Sincronia: diferencia en el fotograma"));
        EXPECT_NE(std::string::npos, log.find(": luchador 1\n")) << log.substr(0, 400);
    }
}

// A snapshot that is damaged, cut, of another fight or of a creature whose
// library cannot save its behaviour is refused, and the fight stays as it is.
TEST(FightSnapshot, RefusesWhatDoesNotFitAndChangesNothing) {
    Arena arena;
    InstallCreatures();
    RecordingRenderer drawn;
    RecordingSonido heard;
    TecladoDI keyboard(new NoKeys());
    keyboard.Init(nullptr, nullptr);
    SparringSetup frogs, others;
    frogs.fighters[0] = frogs.fighters[1] = "rana.qvl";
    others.fighters[0] = "olvido.qvl";
    others.fighters[1] = "rana.qvl";
    Sparring fight(&drawn, &keyboard, &heard, &arena.particles, frogs);
    fight.Start();
    for (int i = 0; i < 240; ++i) fight.Frame(1.0f / 60.0f);
    SnapshotPlan plan;
    ASSERT_TRUE(PlanSnapshots(fight.Controller(), &plan, "Prueba"));
    std::vector<unsigned char> kept;
    const size_t size = SaveFightGrowing(fight.Controller(), plan, kept);
    ASSERT_GT(size, sizeof(SnapshotHeader));
    for (int i = 0; i < 60; ++i) fight.Frame(1.0f / 60.0f);
    std::vector<unsigned char> now;
    const size_t nowSize = SaveFightGrowing(fight.Controller(), plan, now);

    std::vector<unsigned char> damaged(kept.begin(), kept.begin() + size);
    damaged[size / 2] ^= 0x40;
    EXPECT_EQ(SnapshotResult::kDamaged,
              RestoreFight(fight.Controller(), plan, damaged.data(), damaged.size()));
    EXPECT_EQ(SnapshotResult::kDamaged,
              RestoreFight(fight.Controller(), plan, kept.data(), size - 1));
    EXPECT_EQ(SnapshotResult::kDamaged, RestoreFight(fight.Controller(), plan, kept.data(), 3));

    std::vector<unsigned char> after;
    ASSERT_EQ(nowSize, SaveFightGrowing(fight.Controller(), plan, after));
    EXPECT_TRUE(std::equal(now.begin(), now.begin() + nowSize, after.begin()));
    EXPECT_EQ(SnapshotResult::kOk, RestoreFight(fight.Controller(), plan, kept.data(), size));

    // The particles and keys are shared: the other fight comes last.
    Sparring other(&drawn, &keyboard, &heard, &arena.particles, others);
    other.Start();
    SnapshotPlan otherPlan;
    ASSERT_TRUE(PlanSnapshots(other.Controller(), &otherPlan, "Prueba"));
    EXPECT_EQ(SnapshotResult::kOtherFight,
              RestoreFight(other.Controller(), otherPlan, kept.data(), size));

    others.fighters[1] = "sinestado.qvl";
    Sparring old(&drawn, &keyboard, &heard, &arena.particles, others);
    old.Start();
    EXPECT_FALSE(PlanSnapshots(old.Controller(), &otherPlan, "Prueba"));
    EXPECT_NE(std::string::npos,
              TestFolder::Read("logs/log.txt")
                  .find("Prueba: el comportamiento de sinestado.qvl no guarda su estado"));
}

}  // namespace
