// The real program in a copy of the game folder, with the headless renderer.
#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "tests/e2e/GameRun.h"

namespace {

const char kDashes[] = "<< ------------------------------------------------------ >>";

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) lines.push_back(line);
    return lines;
}

void ExpectBanners(const std::vector<std::string>& log) {
    ASSERT_GE(log.size(), 6u);
    EXPECT_EQ(log[0], kDashes);
    EXPECT_TRUE(std::regex_match(log[1], std::regex(R"(<< - >> Fichero de Log Iniciado           [ -]{0,9}-?\d+ << - >>)")))
        << log[1];
    EXPECT_EQ(log[1].size(), std::string("<< - >> Fichero de Log Iniciado           ").size() + 10 + 8);
    EXPECT_EQ(log[2], kDashes);
    size_t n = log.size();
    EXPECT_EQ(log[n - 3], kDashes);
    EXPECT_TRUE(std::regex_match(log[n - 2], std::regex(R"(<< - >> Fin del log                       [ -]{0,9}-?\d+ << - >>)")))
        << log[n - 2];
    EXPECT_EQ(log[n - 1], kDashes);
}

const std::vector<std::string> kQuietAudio = {"SDL_AUDIODRIVER=dummy", "SDL_VIDEODRIVER=offscreen"};

std::vector<std::string> With(std::vector<std::string> env, const std::string& extra) {
    env.push_back(extra);
    return env;
}

class GameRunTest : public ::testing::Test {
protected:
    GameRun game;
    void SetUp() override {
        ASSERT_TRUE(game.copied());
        ASSERT_TRUE(game.Exists("Corralon"));
        ASSERT_TRUE(game.Exists("Headless.so"));
    }
    // Starts with the headless renderer and waits for frames to be drawn.
    void StartHeadless(const std::vector<std::string>& args = {}) {
        game.UseRenderer("Headless.dll");
        game.Start(args, With(kQuietAudio, "CORRALON_HEADLESS_TRACE=" + game.Path("trace.txt")));
        ASSERT_TRUE(GameRun::WaitFor(
            [&] { return game.Read("trace.txt").find("Present") != std::string::npos; }, 30.0))
            << "no frame drawn; log:\n" << game.Read("logs/log.txt");
    }
};

TEST_F(GameRunTest, SigtermEndsThroughTheNormalShutdown) {
    game.Write("cfg/config.cfg", std::string("\x01\x00\x00\x20\x41", 5));  // short: 10 s, unlimited
    StartHeadless();
    game.Signal(SIGTERM);
    ASSERT_EQ(game.Wait(30.0), 0);
    ExpectBanners(Lines(game.Read("logs/log.txt")));
    // Written back whole: the two fields read, the two defaults.
    EXPECT_EQ(game.Read("cfg/config.cfg"), std::string("\x01\x00\x00\x20\x41\x00\x02\x00\x00\x00", 10));
    std::string trace = game.Read("trace.txt");
    EXPECT_NE(trace.find("Shutdown"), std::string::npos);
    EXPECT_EQ(trace.find("FPS:"), std::string::npos);  // no overlay without the switch
}

TEST_F(GameRunTest, CtrlCSavesTheOptionsToo) {
    StartHeadless();
    game.Signal(SIGINT);
    ASSERT_EQ(game.Wait(30.0), 0);
    EXPECT_EQ(game.Read("cfg/config.cfg"), std::string("\x00\x00\x00\x70\x42\x00\x02\x00\x00\x00", 10));
    ExpectBanners(Lines(game.Read("logs/log.txt")));
}

TEST_F(GameRunTest, DebugInfoSwitchDrawsTheOverlay) {
    StartHeadless({"-DebugInfo"});
    ASSERT_TRUE(GameRun::WaitFor([&] { return game.Read("trace.txt").find("FPS:") != std::string::npos; }, 30.0));
    game.Signal(SIGTERM);
    EXPECT_EQ(game.Wait(30.0), 0);
}

TEST_F(GameRunTest, StartUpLoadsFontAndArrowsAfterTheRendererStarts) {
    StartHeadless();
    game.Signal(SIGTERM);
    ASSERT_EQ(game.Wait(30.0), 0);
    std::string trace = game.Read("trace.txt");
    size_t init = trace.find("Init");
    size_t clear = trace.find("SetClearColor");
    size_t flags = trace.find("SetRenderFlags 1 1");
    size_t font = trace.find("bmp\\fuenteZeltor.bmp");
    size_t setFont = trace.find("SetFontTexture");
    size_t arrows = trace.find("bmp\\flechas.bmp");
    size_t setArrows = trace.find("SetArrowTexture");
    // The logo is presented right after the renderer starts; the first
    // frame comes after everything else.
    size_t logo = trace.find("Present");
    size_t present = trace.find("Present", logo + 1);
    ASSERT_NE(init, std::string::npos);
    EXPECT_LT(init, logo);
    EXPECT_LT(logo, clear);
    EXPECT_LT(init, clear);
    EXPECT_LT(clear, flags);
    EXPECT_LT(flags, font);
    EXPECT_LT(font, setFont);
    EXPECT_LT(setFont, arrows);
    EXPECT_LT(arrows, setArrows);
    EXPECT_LT(setArrows, present);
    EXPECT_NE(trace.rfind("Shutdown"), std::string::npos);
    EXPECT_GT(trace.rfind("Shutdown"), trace.rfind("Present"));
}

// Start-ups that cannot get a renderer end at once, in order, with their log.
class RendererFailureTest : public GameRunTest {
protected:
    std::vector<std::string> RunToEnd(const std::vector<std::string>& env = kQuietAudio) {
        game.Start({}, With(env, "CORRALON_HEADLESS_TRACE=" + game.Path("trace.txt")));
        EXPECT_EQ(game.Wait(30.0), 1) << "a game that never showed tells its caller";
        EXPECT_EQ(game.Read("cfg/config.cfg").size(), 10u);
        std::vector<std::string> log = Lines(game.Read("logs/log.txt"));
        ExpectBanners(log);
        if (log.size() < 6) return {};
        return std::vector<std::string>(log.begin() + 3, log.end() - 3);
    }
};

TEST_F(RendererFailureTest, MissingLibrary) {
    game.UseRenderer("Nada.dll");
    EXPECT_EQ(RunToEnd(), (std::vector<std::string>{
                              "     Interfaz Grafica: No se ha podido cargar la DLL grafica: Nada.dll"}));
}

TEST_F(RendererFailureTest, LibraryWithoutTheFactory) {
    ASSERT_EQ(system(("cp '" CORRALON_TEST_BIN_DIR "/libcorralon_testmodule.so' '" + game.Path("SinFabrica.so") + "'").c_str()), 0);
    game.UseRenderer("SinFabrica.dll");
    EXPECT_EQ(RunToEnd(), (std::vector<std::string>{
                              "     Interfaz Grafica: No se ha podido cargar la DLL grafica: SinFabrica.dll"}));
}

TEST_F(RendererFailureTest, MissingConfigurationAndDefaultLibrary) {
    ASSERT_EQ(unlink(game.Path("cfg/motorcfg.txt").c_str()), 0);
    unlink(game.Path("Krellin.so").c_str());
    EXPECT_EQ(RunToEnd(), (std::vector<std::string>{
                              "     Graficos: Error al leer el fichero de configuracion: cfg\\motorcfg.txt ",
                              "     Interfaz Grafica: No se ha podido cargar la DLL grafica: Krellin.dll"}));
}

TEST_F(RendererFailureTest, LastRendererEntryWins) {
    game.Write("cfg/motorcfg.txt", "[dll]\ndll = Headless.dll\n[otra]\ndll = x.dll\n[dll]\ndll = Ultima.dll\n");
    EXPECT_EQ(RunToEnd(), (std::vector<std::string>{
                              "     Interfaz Grafica: No se ha podido cargar la DLL grafica: Ultima.dll"}));
}

TEST_F(RendererFailureTest, InitFailureRunsNoFrame) {
    game.UseRenderer("Headless.dll");
    std::vector<std::string> lines = RunToEnd(With(kQuietAudio, "CORRALON_HEADLESS_FAIL_INIT=1"));
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "     Graficos: No se han iniciado los graficos, fin del programa");
    EXPECT_EQ(game.Read("trace.txt").find("Present"), std::string::npos);
}

// SDL without a display falls back to drawing unseen; the game refuses that
// unless asked for it, instead of running on a core nobody watches.
TEST_F(RendererFailureTest, NoDisplayEndsAtOnce) {
    game.UseRenderer("Krellin.dll");
    std::vector<std::string> lines =
        RunToEnd(With(With(With(kQuietAudio, "SDL_VIDEODRIVER="), "DISPLAY="), "WAYLAND_DISPLAY="));
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], "     Graficos: No hay pantalla (ni DISPLAY ni WAYLAND_DISPLAY)");
    EXPECT_EQ(lines[1], "     Graficos: No se han iniciado los graficos, fin del programa");
}

}  // namespace
