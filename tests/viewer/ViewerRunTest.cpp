// The viewer program itself, run on a creature file made here.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "sdk/Bicho.h"
#include "base/Plugin.h"
#include "tests/TestFolder.h"
#include "tests/WaitFor.h"

namespace {

const std::string kGameDir = CORRALON_GAME_DIR;

Renderer* Headless() {
    static Renderer* renderer = [] {
        return LoadPlugin<Renderer>((kGameDir + "/Headless.so").c_str(), "CreateRendererInstance")
            .object;
    }();
    return renderer;
}

// A creature of `animations` animations of two 8 x 8 frames each.
bool WriteCreature(const char* path, int animations) {
    Renderer* renderer = Headless();
    if (!renderer) return false;
    Bicho* b = CreateBicho();
    b->Init(nullptr, renderer, nullptr, nullptr, nullptr, nullptr);
    b->SetName("PRUEBA");
    unsigned char pixels[8 * 8 * 4];
    for (int i = 0; i < animations; ++i) {
        std::string name = "ANI_" + std::to_string(i);
        b->AddAnimation(i, 0, 0, i == 0 ? "base" : "acciones", name.c_str());
        for (int f = 0; f < 2; ++f) {
            for (size_t p = 0; p < sizeof pixels; ++p) pixels[p] = static_cast<unsigned char>(p * (f + 1));
            TextureHandle t = renderer->CreateTexture(pixels, 8, 8, 4, name.c_str());
            b->AddFrame(0.1f, 0.3f, static_cast<int>(t), 0, 0, 0.2f, 0.3f, 0.02f, 0.02f, 0.18f,
                        0.3f, 0.1f, 0.05f, 0.2f, 0.15f, 0.15f, 0.1f, 0.05f);
        }
    }
    const bool saved = b->Save(path) == 0;
    b->Release();
    DestroyBicho(b);
    return saved;
}

struct ViewerResult {
    int status = -1;
    std::string output;
};

FILE* StartViewer(const std::string& renderer, const std::string& args) {
    std::string command = "SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy "
                          "CORRALON_HEADLESS_TRACE=trace.txt '" + kGameDir + "/viewer' --renderer '" +
                          kGameDir + "/" + renderer + "' " + args + " 2>&1";
    return popen(command.c_str(), "r");
}

ViewerResult Finish(FILE* pipe) {
    ViewerResult run;
    char line[512];
    while (fgets(line, sizeof line, pipe)) run.output += line;
    run.status = pclose(pipe);
    return run;
}

TEST(ViewerRun, PlaysACreatureWithItsBoxesInTheHeadlessRenderer) {
    TestFolder folder;
    ASSERT_TRUE(WriteCreature("rana.qvl", 2));
    ViewerResult run = Finish(StartViewer("Headless.dll", "--frames 10 --boxes rana.qvl"));
    EXPECT_EQ(0, run.status) << run.output;
    EXPECT_NE(std::string::npos, run.output.find("viewer: loaded rana.qvl: ok, 2 animations"))
        << run.output;
    EXPECT_NE(std::string::npos, run.output.find("viewer: name PRUEBA"));
    const std::string trace = TestFolder::Read("trace.txt");
    auto count = [&](const std::string& what) {
        size_t n = 0;
        for (size_t at = trace.find(what); at != std::string::npos; at = trace.find(what, at + 1)) ++n;
        return n;
    };
    EXPECT_EQ(10u, count("Present"));
    EXPECT_GE(count("DrawImage"), 20u);   // shadow and sprite every frame
    EXPECT_GE(count("DrawFrame"), 20u);   // sprite and body boxes every frame
    EXPECT_GE(count("DrawText"), 60u);
    EXPECT_NE(std::string::npos, trace.find("ANI_0"));
}

TEST(ViewerRun, ABrokenOrMissingFileStillOpensTheWindow) {
    TestFolder folder;
    ASSERT_TRUE(WriteCreature("whole.qvl", 2));
    TestFolder::Write("cut.qvl", TestFolder::Read("whole.qvl").substr(0, 300));
    TestFolder::Write("broken.qvl", "not a creature");
    // The summary line tells a sound file from a broken or unreadable one.
    const struct {
        const char* file;
        const char* says;
    } cases[] = {
        {"broken.qvl", "broken.qvl: broken ("},
        {"cut.qvl", "cut.qvl: broken ("},
        {"missing.qvl", "missing.qvl: unreadable (No such file or directory), 0 animations"},
        {"/dev/null", "/dev/null: unreadable (not a regular file), 0 animations"},
    };
    for (const auto& c : cases) {
        ViewerResult run = Finish(StartViewer("Headless.dll", std::string("--frames 3 ") + c.file));
        EXPECT_EQ(0, run.status) << run.output;
        EXPECT_NE(std::string::npos, run.output.find(c.says)) << run.output;
    }
}

// The viewer left running with no frame limit, its output read as it comes.
class RunningViewer {
public:
    explicit RunningViewer(const std::string& file) {
        int fds[2];
        if (pipe(fds) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            dup2(fds[1], 1);
            dup2(fds[1], 2);
            close(fds[0]);
            close(fds[1]);
            setenv("SDL_VIDEODRIVER", "offscreen", 1);
            setenv("SDL_AUDIODRIVER", "dummy", 1);
            const std::string viewer = kGameDir + "/viewer", renderer = kGameDir + "/Headless.dll";
            execl(viewer.c_str(), "viewer", "--renderer", renderer.c_str(), file.c_str(),
                  static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        out_ = fds[0];
        fcntl(out_, F_SETFL, O_NONBLOCK);
    }
    ~RunningViewer() {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        if (out_ >= 0) close(out_);
    }
    bool started() const { return pid_ > 0; }
    const std::string& output() const { return output_; }

    bool WaitForOutput(const std::string& text) {
        return WaitUntil([&] {
            Read();
            return output_.find(text) != std::string::npos;
        });
    }

    // Closes the viewer the way a closed window does; its exit status, or
    // -1 when it does not end.
    int Stop() {
        kill(pid_, SIGTERM);
        int status = 0;
        const bool ended = WaitUntil([&] { return waitpid(pid_, &status, WNOHANG) == pid_; });
        if (!ended) return -1;
        pid_ = -1;
        Read();
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

private:
    void Read() {
        char buffer[512];
        ssize_t n;
        while ((n = read(out_, buffer, sizeof buffer)) > 0) output_.append(buffer, n);
    }

    pid_t pid_ = -1;
    int out_ = -1;
    std::string output_;
};

TEST(ViewerRun, ReloadsTheFileWhenItChanges) {
    TestFolder folder;
    ASSERT_TRUE(WriteCreature("rana.qvl", 2));
    RunningViewer viewer("rana.qvl");
    ASSERT_TRUE(viewer.started());
    ASSERT_TRUE(viewer.WaitForOutput("viewer: loaded rana.qvl: ok, 2 animations\n"))
        << viewer.output();
    ASSERT_TRUE(WriteCreature("rana.qvl", 3));
    EXPECT_TRUE(viewer.WaitForOutput("viewer: reloaded rana.qvl: ok, 3 animations\n"))
        << viewer.output();
    EXPECT_EQ(0, viewer.Stop()) << viewer.output();
}

TEST(ViewerRun, OpensAKrellinWindow) {
    TestFolder folder;
    ASSERT_TRUE(WriteCreature("rana.qvl", 1));
    ViewerResult run = Finish(StartViewer("Krellin.dll", "--frames 5 --boxes rana.qvl"));
    EXPECT_EQ(0, run.status) << run.output;
    EXPECT_NE(std::string::npos, run.output.find("viewer: loaded rana.qvl: ok, 1 animations"))
        << run.output;
}

TEST(ViewerRun, SaysHowToUseIt) {
    ViewerResult run = Finish(StartViewer("Headless.dll", ""));
    EXPECT_NE(0, run.status);
    EXPECT_NE(std::string::npos, run.output.find("usage: viewer")) << run.output;
}

}  // namespace
