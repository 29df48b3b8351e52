// Rounds of a fight: set-up, who gets a round, the round-end phases, the
// bonus, pause and quitting, and the arcade ladder at the end of a match.
#include "fight/RoundBonus.h"

#include <algorithm>
#include <climits>
#include "sdk/InterfazAcciones.h"
#include "tests/fight/FightSupport.h"

namespace {

TEST_F(FightTest, LoadFightLogsAndPlacesBothFightersOnTheStage) {
    Load();
    // The stage and the creatures log their own lines in between.
    const std::string log = TestFolder::Read("logs/log.txt");
    size_t at = 0;
    for (const char* line : {"     Fondo: Cargando fondo fondos\\granja\\granja.txt\n",
                             "     Fondo: Cargado fondo fondos\\granja\\granja.txt\n",
                             "     Bichos: Cargando Bicho Bichos\\uno\\uno.qvl\n",
                             "     Bichos: Cargado Bicho Bichos\\uno\\uno.qvl\n",
                             "     Bichos: Cargando Bicho Bichos\\dos\\dos.qvl\n",
                             "     Bichos: Cargado Bicho Bichos\\dos\\dos.qvl\n"}) {
        at = log.find(line, at);
        ASSERT_NE(at, std::string::npos) << line << " in order in\n" << log;
    }
    const GeometriaFondo& g = *fight.stage->geometry;
    const float startX[2] = {g.pollo1x, g.pollo2x};
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(F(i).GetX(), startX[i]);
        EXPECT_EQ(F(i).GetY(), g.suelo);
        EXPECT_EQ(F(i).GetGround(), g.suelo);
        EXPECT_EQ(F(i).GetLife(), 10.0f);
        EXPECT_EQ(F(i).GetMaxLife(), 10.0f);
        EXPECT_EQ(F(i).GetPower(), 0.0f);
        EXPECT_EQ(F(i).GetMaxPower(), 10.0f);
        EXPECT_EQ(F(i).GetPlayerNumber(), i + 1);
        EXPECT_EQ(F(i).opponent, fight.fighters[1 - i]);
        EXPECT_EQ(F(i).GetFacing(), i == 0 ? 1 : -1);
    }
    EXPECT_EQ(fight.stage->fighter0, fight.fighters[0]);
    EXPECT_EQ(fight.stage->fighter1, fight.fighters[1]);
    EXPECT_EQ(particles.GetFloor(), g.suelo);
}

// Player 2's character names the stage.
TEST_F(FightTest, TheStageComesFromPlayerTwosCharacter) {
    ASSERT_EQ(mkdir("fondos", 0755), 0);
    TestFolder::Write("fondos/fondos.txt",
                      "[fondos]\nfondo = fondos\\uno.txt\nfondo = fondos\\dos.txt\n"
                      "[personajes]\ndos = fondos\\dos.txt\nuno = fondos\\uno.txt\n");
    struct Case {
        const char* player2;
        const char* stage;
    } cases[] = {
        {"Bichos\\dos\\dos.qvl", "fondos\\dos.txt"},
        {"Bichos/uno.qvl", "fondos\\uno.txt"},
        {"Bichos\\nadie.qvl", "fondos\\uno.txt"},  // no entry: the first
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.player2);
        FreeFight(fight);
        free(settings.player2Name);
        settings.player2Name = strdup(c.player2);
        TestFolder::Write("logs/log.txt", "");
        Load();
        EXPECT_NE(TestFolder::Read("logs/log.txt")
                      .find(std::string("     Fondo: Cargando fondo ") + c.stage + "\n"),
                  std::string::npos);
    }
}

TEST_F(FightTest, BothDownInOneFrameGiveOneRoundToTheOpponentOfTheFirstHandled) {
    int carried = 0;  // a new match goes on from where the last one left off
    for (int framesBefore : {0, 1, 2, 3}) {
        SCOPED_TRACE(framesBefore);
        Load();
        EXPECT_EQ(fight.state.firstMover, carried);
        for (int i = 0; i < framesBefore; ++i) Frame();
        const int first = fight.state.firstMover;
        EXPECT_EQ(first, (carried + framesBefore) % 2);
        SetLives(0.0f, 0.0f);
        Frame();
        EXPECT_TRUE(fight.state.roundOver);
        EXPECT_EQ(F(1 - first).GetRoundsWon(), 1);
        EXPECT_EQ(F(first).GetRoundsWon(), 0);
        EXPECT_EQ(fight.state.firstMover, 1 - first);
        carried = fight.state.firstMover;
    }
}

struct OutcomeCase {
    const char* name;
    bool unlimited;
    float clockPastLimit;  // round clock minus round time
    float life0, life1;
    bool over;
    int won0, won1;
};

TEST_F(FightTest, RoundsEndByTimeOverOrKnockOut) {
    const OutcomeCase cases[] = {
        {"time over, more life wins", false, 0.5f, 6.0f, 4.0f, true, 1, 0},
        {"time over, player 2 ahead", false, 0.5f, 2.0f, 4.0f, true, 0, 1},
        {"time over, equal life", false, 0.5f, 5.0f, 5.0f, true, 0, 0},
        {"time over with a knock-out", false, 0.5f, 0.0f, 4.0f, true, 0, 1},
        {"clock at the limit", false, 0.0f, 6.0f, 4.0f, false, 0, 0},
        {"unlimited time", true, 500.0f, 6.0f, 4.0f, false, 0, 0},
        {"unlimited time, knock-out", true, 500.0f, 6.0f, 0.0f, true, 1, 0},
    };
    for (const OutcomeCase& c : cases) {
        SCOPED_TRACE(c.name);
        settings.unlimitedTime = c.unlimited;
        Load();
        fight.display.roundClock = settings.roundTime + c.clockPastLimit;
        SetLives(c.life0, c.life1);
        Frame(0.0f);
        EXPECT_EQ(fight.state.roundOver, c.over);
        EXPECT_EQ(F(0).GetRoundsWon(), c.won0);
        EXPECT_EQ(F(1).GetRoundsWon(), c.won1);
    }
}

struct PhaseCase {
    const char* name;
    float life0, life1;
    bool knockOut1;  // else time over
    bool arcade;
    std::vector<int> phases;
};

TEST_F(FightTest, RoundEndPhasesFollowTheOutcome) {
    const PhaseCase cases[] = {
        {"perfect", 10.0f, 0.0f, true, false, {0, 1, 2, 4}},
        {"perfect in arcade", 10.0f, 0.0f, true, true, {0, 1, 2, 3, 4}},
        {"knock-out with a scratch", 9.0f, 0.0f, true, false, {0, 2, 4}},
        {"full life on time", 10.0f, 5.0f, false, false, {0, 2, 4}},
        {"player 2 perfect, arcade", 0.0f, 10.0f, true, true, {0, 1, 2, 4}},
        {"draw in arcade", 5.0f, 5.0f, false, true, {0, 2, 4}},
    };
    settings.roundsToWin = 5;
    for (const PhaseCase& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.arcade) run.Start("UNO");
        Load();
        if (!c.knockOut1) fight.display.roundClock = settings.roundTime + 1.0f;
        SetLives(c.life0, c.life1);
        Frame();
        ASSERT_TRUE(fight.state.roundOver);
        EXPECT_EQ(PlayOutRoundEnd(), c.phases);
        EXPECT_FALSE(fight.state.roundOver);
        run.Reset();
    }
}

TEST_F(FightTest, EqualLifeOnTimeShowsTristeEmpateAndTheNextRoundStarts) {
    Load();
    fight.display.roundClock = settings.roundTime + 1.0f;
    SetLives(5.0f, 5.0f);
    Frame();
    Frame(5.01f);
    ASSERT_EQ(fight.state.phase, 2);
    Frame(1.0f);
    EXPECT_EQ(renderer.TextAt(0.5f, 0.3f), "TRISTE");
    EXPECT_EQ(renderer.TextAt(0.5f, 0.5f), "EMPATE");
    Frame(1.01f);
    Frame(4.01f);
    EXPECT_FALSE(fight.state.roundOver);
    EXPECT_EQ(fight.state.phase, 0);
    EXPECT_EQ(fight.state.fightClock, 0.0f);
    EXPECT_EQ(fight.state.phaseTimer, 5.0f);
    EXPECT_TRUE(FightLoaded(fight));
    EXPECT_EQ(state, GameState::kFight);
    EXPECT_EQ(fight.display.roundClock, 0.0f);
    EXPECT_EQ(F(0).GetRoundsWon() + F(1).GetRoundsWon(), 0);
    EXPECT_EQ(F(0).GetLife(), 10.0f);  // the restart reset both
    EXPECT_EQ(ViewScales(renderer).back(), 70.0f);
}

struct BonusCase {
    float life, power;
    int lifeTerm, powerTerm, perfectTerm;
};

TEST(RoundBonusTest, TermsAreCutTowardZero) {
    const BonusCase cases[] = {
        {10.0f, 0.0f, 10000, 0, 5000},
        {10.0f, 10.0f, 10000, 1000, 5000},
        {7.5f, 2.5f, 7500, 250, 0},
        {10.0f / 3.0f, 20.0f / 3.0f, 3333, 666, 0},
        {0.0f, 0.0f, 0, 0, 0},
        // A behaviour may set a life far above its maximum: terms and total stick at the top.
        {1e12f, 1e12f, INT_MAX, INT_MAX, 0},
        {-1e12f, 0.0f, INT_MIN, 0, 0},
    };
    Bicho* fighter = CreateBicho();
    fighter->SetMaxLife(10.0f);
    fighter->SetMaxPower(10.0f);
    for (const BonusCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.life) + " " + std::to_string(c.power));
        fighter->SetLife(c.life);
        fighter->SetPower(c.power);
        const RoundBonus bonus = RoundBonusOf(fighter);
        EXPECT_EQ(bonus.life, c.lifeTerm);
        EXPECT_EQ(bonus.power, c.powerTerm);
        EXPECT_EQ(bonus.perfect, c.perfectTerm);
        const long long sum = 0LL + c.lifeTerm + c.powerTerm + c.perfectTerm;
        EXPECT_EQ(bonus.Total(), std::max<long long>(INT_MIN, std::min<long long>(INT_MAX, sum)));
    }
    DestroyBicho(fighter);
}

struct TallyCase {
    const char* name;
    float life0, power0, life1;
    bool timeOver;
    int score;
};

TEST_F(FightTest, ARoundWonInArcadeAddsTheBonusOnce) {
    const TallyCase cases[] = {
        {"full life on time", 10.0f, 0.0f, 5.0f, true, 15000},
        {"knock-out, some power", 7.5f, 2.5f, 0.0f, false, 7750},
        {"perfect with full power", 10.0f, 10.0f, 0.0f, false, 16000},
        {"player 2 wins", 2.0f, 5.0f, 6.0f, true, 0},
    };
    settings.roundsToWin = 5;
    for (const TallyCase& c : cases) {
        SCOPED_TRACE(c.name);
        run.Start("UNO");
        Load();
        if (c.timeOver) fight.display.roundClock = settings.roundTime + 1.0f;
        SetLives(c.life0, c.life1);
        F(0).SetPower(c.power0);
        Frame();
        PlayOutRoundEnd();
        EXPECT_EQ(run.Score(), c.score);
        run.Reset();
    }
}

TEST_F(FightTest, TheTallyTellsAFullLifeTimeOverWinItIsStillPerfect) {
    run.Start("UNO");
    Load();
    fight.display.roundClock = settings.roundTime + 1.0f;
    SetLives(10.0f, 5.0f);
    Frame();
    for (int i = 0; i < 20 && fight.state.phase != 3; ++i) Frame(1.0f);
    ASSERT_EQ(fight.state.phase, 3);
    Frame(4.0f);
    EXPECT_TRUE(renderer.Shows("Y UN PERFECT!!!"));
    EXPECT_FALSE(renderer.Shows("UPS, NO PERFECT"));
    EXPECT_TRUE(renderer.Shows("0015000"));
}

TEST_F(FightTest, PauseFreezesTheRoundEndUntilEnter) {
    Load();
    KnockOut(1);
    Frame(1.0f);
    const FightState before = fight.state;
    keyboard.Press(kEscapeKey);
    Frame(1.0f);
    ASSERT_TRUE(fight.state.paused);
    for (int i = 0; i < 10; ++i) Frame(1.0f);
    EXPECT_EQ(fight.state.phase, before.phase);
    EXPECT_EQ(fight.state.phaseTimer, before.phaseTimer);
    EXPECT_EQ(fight.state.fightClock, before.fightClock);
    EXPECT_EQ(renderer.TextAt(0.5f, 0.4f), "JUEGO PAUSADO");
    EXPECT_TRUE(renderer.Shows("PARA VOLVER AL JUEGO PULSE INTRO"));
    EXPECT_TRUE(renderer.Shows("PARA SALIR PULSE ESCAPE"));

    keyboard.Press(kEnterKey);
    Frame(1.0f);  // still a paused frame
    EXPECT_FALSE(fight.state.paused);
    EXPECT_EQ(fight.state.phaseTimer, before.phaseTimer);
    Frame(1.0f);
    EXPECT_EQ(fight.state.phaseTimer, before.phaseTimer - 1.0f);
}

TEST_F(FightTest, EscapeOnThePauseScreenQuitsToTheMenu) {
    for (bool duringRoundEnd : {false, true}) {
        SCOPED_TRACE(duringRoundEnd);
        run.Start("UNO");
        run.AddScore(900);
        state = GameState::kFight;
        settings.slowMotionTime = 2.0f;
        Load();
        if (duringRoundEnd) KnockOut(1);
        keyboard.Press(kEscapeKey);
        Frame();
        EXPECT_EQ(state, GameState::kFight);
        const int returns = menuReturns;
        keyboard.Press(kEscapeKey);
        Frame();
        EXPECT_EQ(state, GameState::kMenu);
        EXPECT_FALSE(FightLoaded(fight));
        EXPECT_FALSE(run.IsActive());
        EXPECT_EQ(run.Score(), 0);
        EXPECT_EQ(menuReturns, returns + 1);
        ASSERT_FALSE(sound.music.empty());
        EXPECT_EQ(sound.music.back(), "musica\\menu.ogg");
        EXPECT_EQ(ViewScales(renderer).back(), 70.0f);
        EXPECT_EQ(settings.slowMotionTime, 0.0f);
        EXPECT_FALSE(fight.state.paused);
        EXPECT_FALSE(fight.state.roundOver);
        EXPECT_EQ(fight.state.phase, 0);
        Frame();  // a late frame without a fight does nothing
        EXPECT_EQ(state, GameState::kMenu);
    }
}

struct LadderCase {
    const char* name;
    int roundsToWin;
    const char* opponent;
    std::vector<int> roundWinners;
    bool matchOver, runActive;
    int remaining;
};

TEST_F(FightTest, TheEndOfAMatchMovesTheArcadeLadder) {
    const LadderCase cases[] = {
        {"player loses", 2, "DOS", {1, 1}, true, false, 0},
        {"player wins", 2, "DOS", {0, 1, 0}, true, true, 1},
        {"player beats own double", 2, "UNO", {0, 0}, true, false, 0},
        {"one round to win", 1, "DOS", {0}, true, true, 1},
        {"one round of two", 2, "DOS", {0}, false, true, 2},
    };
    for (const LadderCase& c : cases) {
        SCOPED_TRACE(c.name);
        settings.roundsToWin = c.roundsToWin;
        run.ClearCharacters();
        for (const char* name : {"UNO", "DOS", "TRES"}) run.AddCharacter(name);
        run.Start("UNO");
        state = GameState::kFight;
        Load();
        F(0).SetName("UNO");
        F(1).SetName(c.opponent);
        const size_t musicBefore = sound.music.size();
        for (int winner : c.roundWinners) {
            ASSERT_TRUE(FightLoaded(fight));
            KnockOut(1 - winner);
            PlayOutRoundEnd();
        }
        EXPECT_EQ(state, c.matchOver ? GameState::kMenu : GameState::kFight);
        EXPECT_EQ(FightLoaded(fight), !c.matchOver);
        EXPECT_EQ(run.IsActive(), c.runActive);
        EXPECT_EQ(run.Count(), c.remaining);
        EXPECT_EQ(sound.music.size(), musicBefore + (c.matchOver ? 1 : 0));
        FreeFight(fight);
    }
}

// Stands in for a behaviour and keeps the flags it was given.
class FlagSpy : public InterfazAcciones {
public:
    int thought;
    std::vector<int>* updates;
    FlagSpy(int think, std::vector<int>* seen) : thought(think), updates(seen) {}
    int Init(Bicho*, const char*) override { return 0; }
    int Stop() override { return 0; }
    int Reset() override { return 0; }
    float QueryA(int) override { return 1.0f; }
    float QueryB(int) override { return 1.0f; }
    int Think(float) override { return thought; }
    int UpdateFight(int flags, float) override { return updates->push_back(flags), 0; }
    int OnHit(int, int) override { return 0; }
    int UpdateAlone(int, float) override { return 0; }
    int DrawExtra(float, float, float) override { return 0; }
};

struct InputCase {
    const char* name;
    int gameMode;
    float fightClock;
    int flags0, flags1;  // what each fighter's behaviour receives
    int keyboardQueries;
};

TEST_F(FightTest, HumansReadTheKeyboardInScreenDirectionsAndTheComputerThinks) {
    const int kThought = kInputPunch2;
    const InputCase cases[] = {
        {"arcade", 0, 3.5f, kInputRight | kInputPunch1, kThought, 1},
        {"versus", 1, 3.5f, kInputRight | kInputPunch1, kInputRight | kInputKick1, 2},
        {"demo", 3, 3.5f, kThought, kThought, 0},
        {"before the round starts", 1, 1.0f, 0, 0, 0},
    };
    for (const InputCase& c : cases) {
        SCOPED_TRACE(c.name);
        settings.gameMode = c.gameMode;
        Load();
        std::vector<int> seen[2];
        for (int i = 0; i < 2; ++i) F(i).action = new FlagSpy(kThought, &seen[i]);
        keyboard.flags[0] = kInputRight | kInputPunch1;  // player 1 faces right
        keyboard.flags[1] = kInputLeft | kInputKick1;    // "back" for player 2 facing left
        keyboard.inputQueries[0] = keyboard.inputQueries[1] = 0;
        fight.state.fightClock = c.fightClock;
        Frame();
        ASSERT_EQ(seen[0].size(), 1u);
        ASSERT_EQ(seen[1].size(), 1u);
        EXPECT_EQ(seen[0][0], c.flags0);
        EXPECT_EQ(seen[1][0], c.flags1);
        EXPECT_EQ(keyboard.inputQueries[0] + keyboard.inputQueries[1], c.keyboardQueries);
        if (c.gameMode == 1 && c.fightClock > 3.0f) {
            EXPECT_EQ(keyboard.facingAsked[1], -1);
        }
        FreeFight(fight);
    }
}

TEST_F(FightTest, FrozenOrPausedFightersAreStillAskedButGetNothing) {
    for (bool paused : {false, true}) {
        SCOPED_TRACE(paused ? "paused" : "frozen");
        settings.gameMode = 1;
        settings.freezeTime = paused ? 0.0f : 1.0f;
        Load();
        std::vector<int> seen;
        F(1).action = new FlagSpy(0, &seen);
        keyboard.flags[1] = kInputPunch3;
        keyboard.inputQueries[0] = keyboard.inputQueries[1] = 0;
        fight.state.fightClock = 3.5f;
        if (paused) keyboard.Press(kEscapeKey);
        Frame();
        EXPECT_EQ(keyboard.inputQueries[0], 1);
        EXPECT_EQ(keyboard.inputQueries[1], 1);
        EXPECT_EQ(seen, std::vector<int>{0});
        FreeFight(fight);
    }
}

struct ScaleCase {
    float x0, x1, scale;
};

TEST_F(FightTest, TheViewNarrowsAsTheFightersClose) {
    const ScaleCase cases[] = {{0.2f, 1.2f, 70.0f}, {0.5f, 1.1f, 76.6f}, {0.7f, 0.7f, 82.0f}};
    Load();
    for (const ScaleCase& c : cases) {
        F(0).SetX(c.x0);
        F(1).SetX(c.x1);
        renderer.Forget();
        Frame();
        ASSERT_FALSE(ViewScales(renderer).empty());
        EXPECT_NEAR(ViewScales(renderer).front(), c.scale, 1e-4f) << c.x0 << " " << c.x1;
    }
}

TEST_F(FightTest, TheRoundFadesInAndTheEndFadesOut) {
    Load();
    Frame(0.25f);
    ASSERT_EQ(BlackFills(renderer).size(), 1u);
    EXPECT_FLOAT_EQ(BlackFills(renderer)[0], 0.75f);
    Frame(1.0f);
    renderer.Forget();
    Frame(0.02f);
    EXPECT_TRUE(BlackFills(renderer).empty());

    KnockOut(1);
    for (int i = 0; i < 20 && fight.state.phase != 4; ++i) Frame(1.0f);
    ASSERT_EQ(fight.state.phase, 4);
    Frame(3.0f);
    renderer.Forget();
    Frame(0.5f);  // the view widens from the timer of the frame before
    ASSERT_EQ(BlackFills(renderer).size(), 1u);
    EXPECT_FLOAT_EQ(BlackFills(renderer)[0], 0.5f);
    ASSERT_GE(ViewScales(renderer).size(), 2u);
    EXPECT_FLOAT_EQ(ViewScales(renderer)[1], 3.0f * 40.0f + ViewScales(renderer)[0]);
}

}  // namespace
