#include <SDL.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "HeadlessFixture.h"
#include "tests/RendererOperations.h"
#include "tests/TestFolder.h"

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

TEST_F(HeadlessTest, InitWritesNullWindowAndLeavesVideoAlone) {
    Renderer* r = NewRenderer();
    ASSERT_NE(r, nullptr);
    int dummy = 0;
    WindowHandle window = &dummy;
    EXPECT_EQ(r->Init(&window, nullptr), 1);
    EXPECT_EQ(window, nullptr);
    EXPECT_EQ(SDL_WasInit(SDL_INIT_VIDEO), 0u);
    r->Shutdown();
    EXPECT_EQ(Lines(), (std::vector<std::string>{"Init -> 1", "Shutdown"}));
}

TEST_F(HeadlessTest, FailInitSwitchMakesInitFail) {
    Renderer* r = NewRenderer();
    int dummy = 0;
    WindowHandle window = &dummy;
    setenv("CORRALON_HEADLESS_FAIL_INIT", "1", 1);
    EXPECT_EQ(r->Init(&window, nullptr), 0);
    unsetenv("CORRALON_HEADLESS_FAIL_INIT");
    EXPECT_EQ(window, nullptr);
    EXPECT_EQ(LastLine(), "Init -> 0");
    EXPECT_EQ(r->Init(&window, nullptr), 1);
}

// After a failed Init the game still calls until it closes: every call is
// recorded (so a trace shows what came) but keeps and answers nothing.
TEST_F(HeadlessTest, AfterAFailedInitEveryOperationDoesNothing) {
    Renderer* r = NewRenderer();
    WindowHandle window = nullptr;
    ASSERT_EQ(r->Init(&window, nullptr), 1);
    const unsigned char pixels[3] = {1, 2, 3};
    ASSERT_NE(r->CreateTexture(pixels, 1, 1, 3, "antes"), 0u);
    setenv("CORRALON_HEADLESS_FAIL_INIT", "1", 1);
    EXPECT_EQ(r->Init(&window, nullptr), 0);
    unsetenv("CORRALON_HEADLESS_FAIL_INIT");
    clearCallLog_();
    for (const RendererOperation& operation : AllRendererOperations()) {
        SCOPED_TRACE(operation.name);
        const size_t before = Lines().size();
        EXPECT_EQ(operation.answer(r), 0.0);
        EXPECT_GT(Lines().size(), before) << "call not recorded";
    }
    // Nothing set while failed survives into a later start.
    ASSERT_EQ(r->Init(&window, nullptr), 1);
    EXPECT_EQ(r->GetViewScale(), 70.0f);
    EXPECT_EQ(r->CountTextures(), 0);
}

TEST_F(HeadlessTest, RecordsCallsWithArgumentsAndFormattedText) {
    Renderer* r = NewRenderer();
    WindowHandle window = nullptr;
    r->Init(&window, nullptr);
    clearCallLog_();

    r->SetClearColor(0, 0, 0, 0);
    r->SetRenderFlags(1, 1);
    r->SetOverlayMode(1, 1);
    r->DrawTextCentered(0.5f, 0.0f, 1.0f, 1, 1, 1, 1, "FPS:%4.2f", 30.0);
    r->DrawText(0.1f, 0.25f, 2.0f, 1, 0.5f, 0, 1, "%s %d", "RONDA", 3);
    r->DrawText(0, 0, 1, 1, 1, 1, 1, "A\"B\\C\nD\x01\xD1");
    r->DrawLine(0, 0.125f, 1, 0.875f, 1, 0, 0, 0.5f);
    r->DrawFrame(0.1f, 0.2f, 0.3f, 0.4f, 0, 1, 0, 1);
    r->FillRect(0, 0, 1, 1, 0, 0, 0, 0.25f);
    r->DrawImage(0.1f, 0.2f, -0.3f, 0.4f, 7, 1, 1, 1, 1);
    r->DrawImagePart(0, 0, 1, 1, 0, 0, 0.5f, 0.25f, 9, 1, 1, 1, 1);
    r->BindTexture(4);
    r->SetViewScale(90.0f);
    EXPECT_FLOAT_EQ(r->GetViewScale(), 90.0f);
    r->SetFontTexture(2);
    r->SetArrowTexture(3);
    r->ReleaseFont();
    float a = 5, b = 5, c = 5;
    r->QueryView(&a, &b, &c);
    r->QueryView(nullptr, nullptr, nullptr);
    r->SetOverlayMode(0, 0);
    r->Present();

    std::vector<std::string> expected = {
        "SetClearColor 0.000 0.000 0.000 0.000",
        "SetRenderFlags 1 1",
        "SetOverlayMode 1 1",
        "DrawTextCentered 0.500 0.000 1.000 1.000 1.000 1.000 1.000 \"FPS:30.00\"",
        "DrawText 0.100 0.250 2.000 1.000 0.500 0.000 1.000 \"RONDA 3\"",
        "DrawText 0.000 0.000 1.000 1.000 1.000 1.000 1.000 \"A\"B\\C\\nD\\x01\xD1\"",
        "DrawLine 0.000 0.125 1.000 0.875 1.000 0.000 0.000 0.500",
        "DrawFrame 0.100 0.200 0.300 0.400 0.000 1.000 0.000 1.000",
        "FillRect 0.000 0.000 1.000 1.000 0.000 0.000 0.000 0.250",
        "DrawImage 0.100 0.200 -0.300 0.400 7 1.000 1.000 1.000 1.000",
        "DrawImagePart 0.000 0.000 1.000 1.000 0.000 0.000 0.500 0.250 9 1.000 1.000 1.000 "
        "1.000",
        "BindTexture 4",
        "SetViewScale 90.000",
        "GetViewScale -> 90.000",
        "SetFontTexture 2",
        "SetArrowTexture 3",
        "ReleaseFont",
        "QueryView",
        "QueryView",
        "SetOverlayMode 0 0",
        "Present",
    };
    EXPECT_EQ(Lines(), expected);
}

TEST_F(HeadlessTest, LongTextIsFormattedWholeButRecordedBounded) {
    Renderer* r = NewRenderer();
    std::string longText(5000, 'X');
    r->DrawText(0, 0, 1, 1, 1, 1, 1, "%s|%d", longText.c_str(), 12345);
    std::string line = LastLine();
    EXPECT_EQ(line.rfind("DrawText ", 0), 0u);
    EXPECT_LT(line.size(), 1200u);
    EXPECT_NE(line.find(std::string(1000, 'X')), std::string::npos);
}

TEST_F(HeadlessTest, ParticleBatchCountsTriangles) {
    Renderer* r = NewRenderer();
    TriangleRecord t[3] = {};
    t[0].next = &t[1];
    t[1].next = &t[2];
    r->DrawParticleBatch(&t[0]);
    EXPECT_EQ(LastLine(), "DrawParticleBatch 3");
    r->DrawParticleBatch(nullptr);
    EXPECT_EQ(LastLine(), "DrawParticleBatch 0");
}

TEST_F(HeadlessTest, CallLogKeepsOnlyTheNewestLines) {
    Renderer* r = NewRenderer();
    const int calls = 100000 + 25;
    for (int i = 0; i < calls; ++i) r->SetRenderFlags(i, 0);
    std::vector<std::string> lines = Lines();
    EXPECT_EQ(lines.size(), 100000u);
    EXPECT_EQ(lines.front(), "SetRenderFlags 25 0");
    EXPECT_EQ(lines.back(), "SetRenderFlags 100024 0");
    clearCallLog_();
    EXPECT_STREQ(callLog_(), "");
}

TEST_F(HeadlessTest, TraceFileGetsEveryLineFlushedAtPresent) {
    std::string path = std::string(CORRALON_TEST_BIN_DIR) + "/headless_trace.txt";
    remove(path.c_str());
    setenv("CORRALON_HEADLESS_TRACE", path.c_str(), 1);
    Renderer* r = NewRenderer();
    WindowHandle window = nullptr;
    ASSERT_EQ(r->Init(&window, nullptr), 1);
    unsetenv("CORRALON_HEADLESS_TRACE");
    r->SetOverlayMode(1, 1);
    r->Present();
    // Read while the renderer still runs: everything up to Present is there.
    EXPECT_EQ(ReadFile(path), "Init -> 1\nSetOverlayMode 1 1\nPresent\n");
    r->SetOverlayMode(0, 0);
    r->Shutdown();
    r->SetOverlayMode(1, 0);  // after Shutdown: memory only
    EXPECT_EQ(ReadFile(path),
              "Init -> 1\nSetOverlayMode 1 1\nPresent\nSetOverlayMode 0 0\nShutdown\n");
    EXPECT_EQ(LastLine(), "SetOverlayMode 1 0");
}

TEST_F(HeadlessTest, TextureCountSwitchLogsChangesAtPresentAndTheTotalAtShutdown) {
    TestFolder folder;
    ASSERT_EQ(mkdir("logs", 0755), 0);
    setenv("CORRALON_HEADLESS_TEXTURE_COUNT", "1", 1);
    Renderer* r = NewRenderer();
    WindowHandle window = nullptr;
    ASSERT_EQ(r->Init(&window, nullptr), 1);
    unsetenv("CORRALON_HEADLESS_TEXTURE_COUNT");
    const unsigned char pixels[2 * 2 * 4] = {};
    TextureHandle a = r->CreateTexture(pixels, 2, 2, 4, "a");
    r->CreateTexture(pixels, 2, 2, 4, "b");
    r->Present();
    r->Present();  // unchanged: nothing new
    r->ReleaseTexture(a);
    r->Present();
    r->Shutdown();
    EXPECT_EQ(TestFolder::Read("logs/log.txt"),
              "     Graficos: Texturas en memoria: 2 (imagen 1)\n"
              "     Graficos: Texturas en memoria: 1 (imagen 3)\n"
              "     Graficos: Imagenes presentadas: 3, texturas en memoria: 1\n");
}

TEST_F(HeadlessTest, TextureCountIsNotLoggedWithoutTheSwitch) {
    TestFolder folder;
    ASSERT_EQ(mkdir("logs", 0755), 0);
    Renderer* r = NewRenderer();
    WindowHandle window = nullptr;
    ASSERT_EQ(r->Init(&window, nullptr), 1);
    const unsigned char pixels[2 * 2 * 4] = {};
    r->CreateTexture(pixels, 2, 2, 4, "a");
    r->Present();
    r->Shutdown();
    EXPECT_FALSE(TestFolder::Exists("logs/log.txt"));
}
