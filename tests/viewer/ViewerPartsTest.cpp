// Command line, keys and the file watch of the viewer.
#include <SDL.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "tests/TestFolder.h"
#include "tools/viewer/FileWatch.h"
#include "tools/viewer/ViewerKeys.h"
#include "tools/viewer/ViewerOptions.h"

namespace {

bool Parse(std::vector<std::string> args, ViewerOptions* options, std::string* error) {
    std::vector<char*> argv;
    static char program[] = "viewer";
    argv.push_back(program);
    for (std::string& a : args) argv.push_back(&a[0]);
    return ParseViewerOptions(static_cast<int>(argv.size()), argv.data(), options, error);
}

TEST(ViewerOptions, ReadsTheFileAndEveryOption) {
    ViewerOptions o;
    std::string error;
    ASSERT_TRUE(Parse({"--frames", "12", "Bichos\\rana.qvl", "--boxes", "--renderer", "Headless.dll"}, &o,
                      &error))
        << error;
    EXPECT_EQ("Bichos\\rana.qvl", o.creaturePath);
    EXPECT_EQ(12, o.frames);
    EXPECT_TRUE(o.boxes);
    EXPECT_EQ("Headless.dll", o.rendererName);
    ViewerOptions d;
    ASSERT_TRUE(Parse({"a.qvl"}, &d, &error));
    EXPECT_EQ("Krellin.dll", d.rendererName);
    EXPECT_EQ(0, d.frames);
    EXPECT_FALSE(d.boxes);
}

TEST(ViewerOptions, ReadsASparringLine) {
    ViewerOptions o;
    std::string error;
    ASSERT_TRUE(Parse({"--spar", "a.qvl", "b.qvl", "f.txt", "--mode", "demo", "--rounds", "3",
                       "--time", "20.5", "--boxes"},
                      &o, &error))
        << error;
    EXPECT_TRUE(o.spar);
    EXPECT_EQ("a.qvl", o.sparring.fighters[0]);
    EXPECT_EQ("b.qvl", o.sparring.fighters[1]);
    EXPECT_EQ("f.txt", o.sparring.stage);
    EXPECT_EQ(3, o.sparring.gameMode);
    EXPECT_EQ(3, o.sparring.roundsToWin);
    EXPECT_FLOAT_EQ(20.5f, o.sparring.roundTime);
    EXPECT_TRUE(o.sparring.boxes);
    ViewerOptions d;
    ASSERT_TRUE(Parse({"--spar", "a.qvl", "b.qvl", "--mode", "versus"}, &d, &error)) << error;
    EXPECT_EQ("", d.sparring.stage);
    EXPECT_EQ(1, d.sparring.gameMode);
    EXPECT_EQ(2, d.sparring.roundsToWin);
    EXPECT_FALSE(d.sparring.boxes);
    ViewerOptions h;
    EXPECT_TRUE(Parse({"--help"}, &h, &error));
    EXPECT_TRUE(h.help);
}

TEST(ViewerOptions, RefusesBrokenLines) {
    const std::vector<std::vector<std::string>> broken = {
        {}, {"--frames"}, {"--frames", "x", "a.qvl"}, {"--frames", "-1", "a.qvl"},
        {"--frames", "5z", "a.qvl"}, {"a.qvl", "b.qvl"}, {"--colour", "a.qvl"}, {"--renderer"},
        {"--spar", "a.qvl"}, {"--spar", "a.qvl", "b.qvl", "c.qvl", "d.qvl"},
        {"--mode", "story", "--spar", "a.qvl", "b.qvl"}, {"--rounds", "0", "--spar", "a", "b"},
        {"--rounds", "1.5", "--spar", "a", "b"}, {"--time", "0", "--spar", "a", "b"}};
    for (const auto& args : broken) {
        ViewerOptions o;
        std::string error;
        EXPECT_FALSE(Parse(args, &o, &error)) << (args.empty() ? "" : args[0]);
        EXPECT_FALSE(error.empty());
    }
}

TEST(ViewerKeys, EachCommandHasItsKeys) {
    EXPECT_EQ(kViewerQuit, ViewerKeyCommand(SDLK_ESCAPE));
    EXPECT_EQ(kViewerNextAnimation, ViewerKeyCommand(SDLK_RIGHT));
    EXPECT_EQ(kViewerPreviousAnimation, ViewerKeyCommand(SDLK_LEFT));
    EXPECT_EQ(kViewerPause, ViewerKeyCommand(SDLK_SPACE));
    EXPECT_EQ(kViewerStep, ViewerKeyCommand(SDLK_PERIOD));
    EXPECT_EQ(kViewerBoxes, ViewerKeyCommand(SDLK_b));
    EXPECT_EQ(kViewerBoxes, ViewerKeyCommand(SDLK_F2));
    EXPECT_EQ(kViewerFlip, ViewerKeyCommand(SDLK_f));
    EXPECT_EQ(kViewerReload, ViewerKeyCommand(SDLK_r));
    EXPECT_EQ(kViewerNothing, ViewerKeyCommand(SDLK_z));
}

TEST(FileWatch, SeesARewriteOnceAndWaitsForAMissingFile) {
    TestFolder folder;
    TestFolder::Write("c.qvl", "one");
    FileWatch watch("c.qvl");
    EXPECT_FALSE(watch.Changed());
    TestFolder::Write("c.qvl", "three");  // size differs even within one tick
    EXPECT_TRUE(watch.Changed());
    EXPECT_FALSE(watch.Changed());
    ASSERT_EQ(0, unlink("c.qvl"));
    EXPECT_FALSE(watch.Changed());  // replaced in two steps: not yet
    TestFolder::Write("c.qvl", "three!");
    EXPECT_TRUE(watch.Changed());
    FileWatch late("later.qvl");
    EXPECT_FALSE(late.Changed());
    TestFolder::Write("later.qvl", "x");
    EXPECT_TRUE(late.Changed());
}

}  // namespace
