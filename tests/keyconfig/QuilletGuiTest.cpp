// The real Quillet program in a virtual X server, driven with xdotool: the
// dialog is reached through keyboard focus (the twenty "..." buttons in
// order, then "OK", "Cancel" and "Autor...").
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/TestFolder.h"
#include "tests/WaitFor.h"

namespace {

constexpr char kMainWindow[] = "^Quillet - ";
constexpr char kCaptureWindow[] = "^Presione una tecla$";
constexpr char kInfoWindow[] = "^Acerca de Quillet$";
constexpr char kSaveErrorWindow[] = "^Error al guardar$";
constexpr char kKeyboardErrorWindow[] = "^Error de teclado$";
constexpr int kOkTabs = 20;  // from the first "..." button
// Windows and the program come and go on their own time; each look starts
// an xdotool, so not too often.
constexpr double kDeadline = 30.0;
constexpr auto kLookInterval = std::chrono::milliseconds(20);

std::string Shell(const std::string& command) {
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return out;
    char buffer[256];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
    pclose(pipe);
    while (!out.empty() && (out.back() == '\n' || out.back() == ' ')) out.pop_back();
    return out;
}

bool Xdotool(const std::string& args) {
    return system(("xdotool " + args + " >/dev/null 2>&1").c_str()) == 0;
}

std::string FindWindow(const char* title) {
    std::string ids = Shell(std::string("xdotool search --onlyvisible --name '") + title +
                            "' 2>/dev/null");
    return ids.substr(0, ids.find('\n'));
}

std::string WaitForWindow(const char* title) {
    std::string id;
    WaitUntil([&] { return !(id = FindWindow(title)).empty(); }, kDeadline, kLookInterval);
    return id;
}

std::string Size(const std::string& window) {
    std::string info = Shell("xdotool getwindowgeometry " + window);
    size_t at = info.find("Geometry:");
    return at == std::string::npos ? std::string() : info.substr(at);
}

// Waits for the window to take another size than `size`.
bool WaitForResize(const std::string& window, const std::string& size) {
    return WaitUntil([&] { return Size(window) != size; }, kDeadline, kLookInterval);
}

bool WaitUntilGone(const char* title) {
    return WaitUntil([&] { return FindWindow(title).empty(); }, kDeadline, kLookInterval);
}

// True when the window is still there after `seconds`, false as soon as it
// goes. Nothing the test can see marks "the program looked and did nothing",
// so this one waits out its time.
bool StaysOpen(const char* title, const std::string& window, double seconds) {
    return !WaitUntil([&] { return FindWindow(title) != window; }, seconds, kLookInterval);
}

// Focuses the window and types the keys (xdotool names) into it.
bool Keys(const std::string& window, const std::string& keys) {
    return Xdotool("windowfocus --sync " + window + " key --delay 40 " + keys);
}

std::string Repeat(const std::string& key, int times) {
    std::string keys;
    for (int i = 0; i < times; ++i) keys += key + " ";
    return keys;
}

std::string Bytes(std::initializer_list<int> values) {
    std::string bytes;
    for (int v : values) bytes += static_cast<char>(v);
    return bytes;
}

const std::string kDefaults = Bytes({0xC8, 0xD0, 0xCB, 0xCD, 0x9D, 0x9D, 0x9D, 0x9D, 0x9D, 0x9D,
                                     0x11, 0x1F, 0x1E, 0x20, 0x0F, 0x0F, 0x0F, 0x0F, 0x0F, 0x0F});

class QuilletGui : public ::testing::Test {
protected:
    void SetUp() override {
        if (!getenv("DISPLAY") || system("command -v xdotool >/dev/null 2>&1") != 0)
            GTEST_SKIP() << "needs an X display and xdotool";
    }

    void TearDown() override {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
    }

    // Starts Quillet in the test's folder; answers its main window.
    std::string Start() {
        pid_ = fork();
        if (pid_ == 0) {
            execl(QUILLET_PATH, "Quillet", static_cast<char*>(nullptr));
            _exit(127);
        }
        return WaitForWindow(kMainWindow);
    }

    // The exit status, or -1 when the program is still running at the deadline.
    int WaitForExit() {
        int status = 0;
        if (pid_ <= 0 ||
            !WaitUntil([&] { return waitpid(pid_, &status, WNOHANG) == pid_; }, kDeadline))
            return -1;
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    // Presses the focused "..." button and answers the capture box.
    std::string OpenCaptureBox(const std::string& dialog, int tabs) {
        if (!Keys(dialog, Repeat("Tab", tabs) + "space")) return std::string();
        return WaitForWindow(kCaptureWindow);
    }

    TestFolder folder;
    pid_t pid_ = -1;
};

TEST_F(QuilletGui, StartsWithDefaultsAndOkWritesThem) {
    mkdir("cfg", 0755);
    std::string dialog = Start();
    ASSERT_FALSE(dialog.empty());

    // "Autor..." shows the information box; its "OK" returns to the dialog.
    ASSERT_TRUE(Keys(dialog, Repeat("Tab", kOkTabs + 2) + "space"));
    std::string info = WaitForWindow(kInfoWindow);
    ASSERT_FALSE(info.empty());
    ASSERT_TRUE(Keys(info, "Return"));
    ASSERT_TRUE(WaitUntilGone(kInfoWindow));
    EXPECT_FALSE(TestFolder::Exists("cfg/tecladoDI.cfg"));

    ASSERT_TRUE(Keys(dialog, "shift+Tab shift+Tab space"));
    EXPECT_EQ(WaitForExit(), 0);
    EXPECT_EQ(TestFolder::Read("cfg/tecladoDI.cfg"), kDefaults);
}

TEST_F(QuilletGui, FreeKeysAreCapturedAndSaved) {
    mkdir("cfg", 0755);
    std::string dialog = Start();
    ASSERT_FALSE(dialog.empty());

    std::string box = OpenCaptureBox(dialog, 0);  // player 1 "Arriba:"
    ASSERT_FALSE(box.empty());
    ASSERT_TRUE(Keys(box, "q"));
    ASSERT_TRUE(WaitUntilGone(kCaptureWindow));

    // Escape is a key like any other here: it is taken, the box does not
    // merely close.
    box = OpenCaptureBox(dialog, 19);  // player 2 "Patada 3:"
    ASSERT_FALSE(box.empty());
    ASSERT_TRUE(Keys(box, "Escape"));
    ASSERT_TRUE(WaitUntilGone(kCaptureWindow));

    ASSERT_TRUE(Keys(dialog, "Tab space"));
    EXPECT_EQ(WaitForExit(), 0);
    std::string expected = kDefaults;
    expected[0] = 0x10;   // DIK_Q
    expected[19] = 0x01;  // DIK_ESCAPE
    EXPECT_EQ(TestFolder::Read("cfg/tecladoDI.cfg"), expected);
}

TEST_F(QuilletGui, BoundKeyKeepsTheBoxOpenWithTheMessage) {
    mkdir("cfg", 0755);
    std::string dialog = Start();
    ASSERT_FALSE(dialog.empty());
    std::string box = OpenCaptureBox(dialog, 0);
    ASSERT_FALSE(box.empty());
    std::string askingSize = Size(box);

    // Up is the very binding being changed: refused. The one-line message
    // replaces the three-line request, so the box changes its size; the
    // tick that refuses is the one that would have closed it.
    ASSERT_TRUE(Keys(box, "Up"));
    EXPECT_TRUE(WaitForResize(box, askingSize));
    EXPECT_EQ(FindWindow(kCaptureWindow), box);

    // With Up still held, End (free, but higher) is not looked at; once Up
    // is let go End is the lowest key down and is taken.
    ASSERT_TRUE(Xdotool("windowfocus --sync " + box + " keydown Up"));
    ASSERT_TRUE(Xdotool("keydown End"));
    EXPECT_TRUE(StaysOpen(kCaptureWindow, box, 0.4));
    ASSERT_TRUE(Xdotool("keyup Up"));
    ASSERT_TRUE(WaitUntilGone(kCaptureWindow));
    ASSERT_TRUE(Xdotool("keyup End"));

    ASSERT_TRUE(Keys(dialog, Repeat("Tab", kOkTabs) + "space"));
    EXPECT_EQ(WaitForExit(), 0);
    std::string expected = kDefaults;
    expected[0] = static_cast<char>(0xCF);  // DIK_END
    EXPECT_EQ(TestFolder::Read("cfg/tecladoDI.cfg"), expected);
}

TEST_F(QuilletGui, CancelAfterChangesLeavesTheFileUnchanged) {
    mkdir("cfg", 0755);
    const std::string saved = Bytes({0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x18, 0x19,
                                     0x1E, 0x1F, 0x20, 0x21, 0x22, 0x23, 0x24, 0x25, 0x26, 0xED});
    TestFolder::Write("cfg/tecladoDI.cfg", saved);
    std::string dialog = Start();
    ASSERT_FALSE(dialog.empty());

    std::string box = OpenCaptureBox(dialog, 0);
    ASSERT_FALSE(box.empty());
    ASSERT_TRUE(Keys(box, "z"));
    ASSERT_TRUE(WaitUntilGone(kCaptureWindow));

    ASSERT_TRUE(Keys(dialog, Repeat("Tab", kOkTabs + 1) + "space"));  // "Cancel"
    EXPECT_EQ(WaitForExit(), 0);
    EXPECT_EQ(TestFolder::Read("cfg/tecladoDI.cfg"), saved);
    EXPECT_FALSE(TestFolder::Exists("cfg/tecladoDI.cfg.new"));
}

TEST_F(QuilletGui, OkWithoutCfgFolderSaysSoAndSavesNothing) {
    std::string dialog = Start();
    ASSERT_FALSE(dialog.empty());
    ASSERT_TRUE(Keys(dialog, Repeat("Tab", kOkTabs) + "space"));

    std::string message = WaitForWindow(kSaveErrorWindow);
    ASSERT_FALSE(message.empty());
    ASSERT_TRUE(Keys(message, "Return"));
    EXPECT_EQ(WaitForExit(), 1);
    EXPECT_FALSE(TestFolder::Exists("cfg"));
}

TEST_F(QuilletGui, KeyboardWithForeignCodesShowsTheErrorAndTakesNoKey) {
    if (system("command -v xkbcomp >/dev/null 2>&1") != 0) GTEST_SKIP() << "needs xkbcomp";
    // Escape, BackSpace, Return and space move off their Linux key codes:
    // this keyboard's codes cannot be read through the table.
    ASSERT_EQ(system("xkbcomp \"$DISPLAY\" keymap.xkb 2>/dev/null && "
                     "sed -E '/^ *key /{s/\\bEscape\\b/F21/g; s/\\bBackSpace\\b/F22/g; "
                     "s/\\bReturn\\b/F23/g; s/\\bspace\\b/F24/g}' keymap.xkb > foreign.xkb && "
                     "xkbcomp -w 0 foreign.xkb \"$DISPLAY\" 2>/dev/null"),
              0);
    mkdir("cfg", 0755);
    std::string dialog = Start();
    ASSERT_FALSE(dialog.empty());
    ASSERT_TRUE(Keys(dialog, "space"));

    std::string message = WaitForWindow(kKeyboardErrorWindow);
    ASSERT_FALSE(message.empty());
    EXPECT_TRUE(FindWindow(kCaptureWindow).empty());
    ASSERT_TRUE(Keys(message, "Return"));
    ASSERT_TRUE(WaitUntilGone(kKeyboardErrorWindow));
    // The box is given up before it is shown; a box shown after all would
    // also hold the dialog's keys below, and OK would not end the program.
    EXPECT_TRUE(FindWindow(kCaptureWindow).empty());

    ASSERT_TRUE(Keys(dialog, Repeat("Tab", kOkTabs) + "space"));
    EXPECT_EQ(WaitForExit(), 0);
    EXPECT_EQ(TestFolder::Read("cfg/tecladoDI.cfg"), kDefaults);
}

}  // namespace
