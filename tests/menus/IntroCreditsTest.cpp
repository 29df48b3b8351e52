// The intro's story and the credits' scroll, frame by frame.
#include "menus/CreditEntries.h"
#include "platform/Events.h"
#include "tests/menus/MenuSupport.h"

namespace {

const char* const kIntroFiles[] = {
    "bmp\\quarvell.bmp", "bmp\\loflipo.bmp", "bmp\\huevohi.bmp", "bmp\\burbuja.bmp",
    "bmp\\cuernos.bmp",  "bmp\\circle.bmp",  "bmp\\rayos.bmp",   "bmp\\star.bmp",
    "bmp\\rayos.bmp",    "bmp\\Brocanto.bmp", "bmp\\Truvaldino.bmp"};

bool IsDrawing(const RendererCall& c) { return c.op != "SetOverlayMode"; }

class IntroTest : public MenuTest {
protected:
    std::vector<TextureHandle> handles;  // the intro's pictures, in loading order

    void SetUp() override {
        MenuTest::SetUp();
        state = GameState::kIntro;
        const size_t before = renderer.loadOrder.size();
        menu->LoadIntro();
        ASSERT_EQ(renderer.loadOrder.size(), before + 11);
        handles.assign(std::begin(menu->intro.pictures), std::end(menu->intro.pictures));
    }
    void Step(float dt) {
        renderer.Forget();
        menu->IntroFrame(&state, dt);
    }
    // One frame that ends exactly at t.
    void StepTo(float before, float t) {
        menu->intro.clock = before;
        Step(t - before);
    }
};

TEST_F(IntroTest, LoadsInOrderAndEscapeOnTheFirstFrameGoesToTheMenu) {
    const std::vector<std::string> loaded(renderer.loadOrder.end() - 11, renderer.loadOrder.end());
    EXPECT_EQ(loaded, std::vector<std::string>(std::begin(kIntroFiles), std::end(kIntroFiles)));
    EXPECT_EQ(renderer.presents, 1);  // the logo, shown while the rest load
    ASSERT_EQ(Drawn(renderer).size(), 1u);
    EXPECT_EQ(Drawn(renderer)[0].texture, handles.front());
    EXPECT_FLOAT_EQ(Drawn(renderer)[0].w(), 1.0f);
    keyboard.PressSpecial(kSpecialEscape);
    menu->tree.idleTime = 3.0f;
    Step(0.02f);
    EXPECT_EQ(state, GameState::kMenu);
    EXPECT_EQ(sound.music, std::vector<std::string>{"menu.ogg"});
    EXPECT_FLOAT_EQ(menu->tree.idleTime, 20.0f);
    for (TextureHandle h : handles)
        EXPECT_EQ(std::count(renderer.released.begin(), renderer.released.end(), h), 1) << h;
    EXPECT_EQ(renderer.released.size(), 11u);
}

TEST_F(IntroTest, WithoutKeysTheMenuComesOnTheFirstFramePast38Seconds) {
    for (int i = 0; i < 76; ++i) Step(0.5f);
    EXPECT_EQ(state, GameState::kIntro);  // t is exactly 38: not yet, and nothing drawn
    const std::vector<RendererCall> drawn = Drawn(renderer);
    EXPECT_EQ(std::count_if(drawn.begin(), drawn.end(), IsDrawing), 0);
    Step(0.5f);
    EXPECT_EQ(state, GameState::kMenu);
    EXPECT_FLOAT_EQ(menu->context.fadeR, 1.0f);
    EXPECT_EQ(Particulas::CountList(particles.FrontList()), 0);
    EXPECT_EQ(renderer.released.size(), 11u);
}

TEST_F(IntroTest, AFrameOnAWindowBoundaryDrawsNoWindow) {
    struct Case {
        float before, t;
        const char* caption;  // null: nothing drawn
    };
    const Case cases[] = {
        {1.5f, 2.0f, nullptr},   {2.0f, 2.5f, "LA HISTORIA COMIENZA CON UN HUEVO..."},
        {2.5f, 3.0f, nullptr},   {5.5f, 6.0f, nullptr},
        {5.5f, 6.5f, "...UN GRAN HUEVO..."}, {31.5f, 32.0f, nullptr},
        {31.5f, 32.5f, "BROCANTO ARENA"},
    };
    for (const Case& c : cases) {
        StepTo(c.before, c.t);
        const std::vector<RendererCall> calls = Drawn(renderer);
        const long drawn = std::count_if(calls.begin(), calls.end(), IsDrawing);
        if (c.caption)
            EXPECT_TRUE(renderer.Shows(c.caption)) << c.t;
        else
            EXPECT_EQ(drawn, 0) << c.t;
    }
    EXPECT_EQ(state, GameState::kIntro);
    EXPECT_FALSE(menu->intro.sparksShown);  // 32 itself is outside the sparks' window
}

TEST_F(IntroTest, SparksComeOncePerRun) {
    StepTo(27.9f, 28.1f);
    ASSERT_EQ(Particulas::CountList(particles.FrontList()), 2);
    for (const Particula* p = particles.FrontList(); p; p = p->next)
        EXPECT_EQ(p->kind, kParticleSpark);
    Step(0.05f);
    EXPECT_EQ(Particulas::CountList(particles.FrontList()), 2);
    Step(1.0f);  // burnt out, and not emitted again
    Step(0.05f);
    EXPECT_EQ(Particulas::CountList(particles.FrontList()), 0);
}

TEST_F(IntroTest, ALongFrameThatSkipsMostOfTheSparksWindowStillCountsAsTheirOneTime) {
    StepTo(26.0f, 31.9f);
    EXPECT_TRUE(menu->intro.sparksShown);
    Step(0.05f);
    EXPECT_EQ(Particulas::CountList(particles.FrontList()), 0);
}

TEST_F(IntroTest, BoltsPickWholeFramesAndChangeOnlyEveryFiftyMilliseconds) {
    menu->intro.clock = 28.0f;
    std::set<float> seen;
    std::vector<float> previous;
    int changes = 0;
    for (int i = 0; i < 100; ++i) {
        Step(0.02f);
        std::vector<float> offsets;
        for (const RendererCall& c : renderer.calls) {
            if (c.texture != menu->intro.pictures[IntroScreen::kBolts] || c.op != "DrawImagePart") continue;
            EXPECT_FLOAT_EQ(c.v1() - c.v0(), 0.25f);
            offsets.push_back(c.v0());
            seen.insert(c.v0());
        }
        ASSERT_EQ(offsets.size(), 5u);
        if (!previous.empty() && offsets != previous) ++changes;
        previous = offsets;
    }
    EXPECT_EQ(seen, (std::set<float>{0.0f, 0.25f, 0.5f, 0.75f, 1.0f}));
    EXPECT_LE(changes, 34);  // at most one renewal in three frames of 0.02 s
    EXPECT_GE(changes, 25);
}

TEST_F(IntroTest, TheTitleDriftsUpWhileTheTintFadesAndStaysWithinFullBrightness) {
    StepTo(32.5f, 33.0f);
    EXPECT_FLOAT_EQ(menu->context.fadeR, 1.0f);  // (38 - 32.5) / 2 would be 2.75
    StepTo(36.0f, 37.0f);
    EXPECT_FLOAT_EQ(menu->context.fadeG, 1.0f);
    const RendererCall* title = renderer.FindText("BROCANTO ARENA");
    ASSERT_NE(title, nullptr);
    EXPECT_NEAR(title->y(), 0.13f, 1e-6);
    EXPECT_NEAR(renderer.FindText("< - >")->y(), 0.43f, 1e-6);
    StepTo(37.0f, 37.5f);
    EXPECT_FLOAT_EQ(menu->context.fadeB, 0.5f);
    EXPECT_FLOAT_EQ(renderer.FindText("TRUVALDINO BLENDOSO")->r(), 0.5f);
}

TEST_F(MenuTest, ALogoShownEarlyIsNeitherLoadedNorPresentedAgain) {
    menu->ShowLogo(&renderer);
    menu->LoadIntro();
    EXPECT_EQ(renderer.presents, 1);
    EXPECT_EQ(std::count(renderer.loadOrder.begin(), renderer.loadOrder.end(), "bmp\\quarvell.bmp"),
              1);
    EXPECT_EQ(renderer.loadOrder.back(), "bmp\\Truvaldino.bmp");
}

class CreditsTest : public MenuTest {
protected:
    void SetUp() override {
        MenuTest::SetUp();
        PlatformResetClose();
        state = GameState::kCredits;
        menu->credits.Load();
    }
    void TearDown() override {
        PlatformResetClose();
        MenuTest::TearDown();
    }
    void Step(float dt) {
        renderer.Forget();
        menu->CreditsFrame(&state, dt);
    }
    std::vector<RendererCall> Entries() const {
        std::vector<RendererCall> out;
        for (const RendererCall& c : renderer.calls)
            if ((c.op == "DrawTextCentered" && c.text != "CREDITOS") || c.op == "DrawImagePart") out.push_back(c);
        return out;
    }
};

TEST_F(CreditsTest, LoadsTheFontFirstAndEscapeOnTheFirstFrameCloses) {
    EXPECT_EQ(renderer.fontReleases, 1);
    EXPECT_EQ(renderer.font, renderer.Handle("bmp\\fuenteCreditos.bmp"));
    EXPECT_EQ(renderer.loadOrder[renderer.loadOrder.size() - 9], "bmp\\fuenteCreditos.bmp");
    const std::vector<TextureHandle> handles(std::begin(menu->credits.pictures),
                                             std::end(menu->credits.pictures));
    keyboard.PressSpecial(kSpecialEscape);
    Step(0.02f);
    EXPECT_EQ(state, GameState::kClosing);
    EXPECT_TRUE(PlatformCloseRequested());
    EXPECT_EQ(renderer.released, handles);
}

TEST_F(CreditsTest, BackgroundsChangeEverySevenSecondsAndTheTitleGoesAt28) {
    struct Case {
        float c;
        const char* background;
        bool title;
    };
    const Case cases[] = {{6.5f, "bmp\\bocetosmini.bmp", true},
                          {7.0f, "bmp\\bocetosmini2.bmp", true},
                          {20.5f, "bmp\\bocetogrande.bmp", true},
                          {27.5f, "bmp\\bocetogrande2.bmp", true},
                          {28.0f, "bmp\\elverdadero.bmp", false}};
    for (const Case& k : cases) {
        menu->credits.clock = k.c - 0.5f;
        Step(0.5f);
        ASSERT_FALSE(Drawn(renderer).empty());
        EXPECT_EQ(Drawn(renderer).front().texture, renderer.Handle(k.background)) << k.c;
        EXPECT_EQ(renderer.Shows("CREDITOS"), k.title) << k.c;
    }
    EXPECT_EQ(state, GameState::kCredits);
}

TEST_F(CreditsTest, EveryEntryHasScrolledPastWhenTheProgramClosesAfter33Seconds) {
    auto closingY = [&] { return renderer.ImagesOf("bmp\\caricatas2.bmp").at(0).y(); };
    Step(0.5f);
    EXPECT_EQ(Entries().size(), size_t(kCreditEntryCount));
    for (int i = 1; i < 38; ++i) Step(0.5f);
    EXPECT_NEAR(closingY(), 1.0f, 0.002f);  // c = 19: it enters at the bottom
    for (int i = 38; i < 66; ++i) Step(0.5f);
    EXPECT_EQ(state, GameState::kCredits);  // c is exactly 33
    EXPECT_NEAR(closingY(), -0.328f, 0.001f);
    Step(0.5f);
    EXPECT_EQ(state, GameState::kClosing);
    EXPECT_TRUE(PlatformCloseRequested());
    const std::vector<RendererCall> last = Entries();
    EXPECT_EQ(last.size(), size_t(kCreditEntryCount));
    for (const RendererCall& e : last) {
        EXPECT_LE(e.alpha(), 0.0f) << e.text;
        EXPECT_LT(e.y(), 0.0f) << e.text;
    }
}

}  // namespace
