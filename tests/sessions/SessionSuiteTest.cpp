// Every session in tests/sessions replayed by the real program with the
// windowless renderer, against its reviewed expectation: the log without
// its tick counts, the bytes of the two saved files, and a digest of the
// renderer calls of the frames the session names in a line
//   # digest frames: 10 250
// With CORRALON_RERECORD=1 the expectations are written instead of compared.
#include <dirent.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <regex>
#include <sstream>

#include "tests/e2e/GameRun.h"

namespace {

const std::string kFolder = CORRALON_SESSIONS_DIR;

std::vector<std::string> SessionNames() {
    std::vector<std::string> names;
    if (DIR* dir = opendir(kFolder.c_str())) {
        while (dirent* e = readdir(dir)) {
            std::string name = e->d_name;
            const std::string suffix = ".session";
            if (name.size() > suffix.size() &&
                name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0)
                names.push_back(name.substr(0, name.size() - suffix.size()));
        }
        closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string Hex(const std::string& bytes) {
    std::string out;
    char b[4];
    for (unsigned char c : bytes) {
        snprintf(b, sizeof b, "%02X ", c);
        out += b;
    }
    if (!out.empty()) out.pop_back();
    return out;
}

std::string Digest(const std::string& text) {
    uint64_t h = 1469598103934665603ull;
    for (unsigned char c : text) h = (h ^ c) * 1099511628211ull;
    char b[20];
    snprintf(b, sizeof b, "%016llx", static_cast<unsigned long long>(h));
    return b;
}

// The calls of frame n (1-based): the lines after the (n-1)th Present up to
// and with the nth.
std::string FrameCalls(const std::string& trace, int n) {
    std::istringstream in(trace);
    std::string line, frame;
    int presents = 0;
    while (std::getline(in, line)) {
        if (presents == n - 1) frame += line + "\n";
        if (line.compare(0, 7, "Present") == 0 && ++presents == n) return frame;
    }
    return "(no frame " + std::to_string(n) + ")";
}

std::vector<int> DigestFrames(const std::string& session) {
    std::vector<int> frames;
    std::smatch m;
    if (std::regex_search(session, m, std::regex("# digest frames:([ 0-9]*)"))) {
        std::istringstream in(m[1].str());
        for (int f; in >> f;) frames.push_back(f);
    }
    return frames;
}

// What a run leaves behind, as the expectation files write it.
std::string Outcome(const std::string& session, const std::string& extraEnvironment = "") {
    GameRun game;
    if (!game.copied()) return "(no game folder)";
    game.UseRenderer("Headless.dll");
    game.Write("session.txt", session);
    std::vector<std::string> environment = {"SDL_VIDEODRIVER=offscreen", "SDL_AUDIODRIVER=dummy",
                                            "CORRALON_REPLAY=" + game.Path("session.txt"),
                                            "CORRALON_HEADLESS_TRACE=" + game.Path("trace.txt")};
    if (!extraEnvironment.empty()) environment.push_back(extraEnvironment);
    game.Start({}, environment);
    std::ostringstream out;
    out << "# exit status\n" << game.Wait(120.0) << "\n";
    // Tick counts differ from run to run.
    std::string log = std::regex_replace(game.Read("logs/log.txt"),
                                         std::regex("(Iniciado|Fin del log) +-?[0-9]+"), "$1 <ticks>");
    out << "# logs/log.txt\n" << log;
    out << "# cfg/config.cfg\n" << Hex(game.Read("cfg/config.cfg")) << "\n";
    out << "# cfg/tecladoDI.cfg\n" << Hex(game.Read("cfg/tecladoDI.cfg")) << "\n";
    const std::string trace = game.Read("trace.txt");
    // A digest of every call, and what a reviewer can read: the texts drawn.
    for (int frame : DigestFrames(session)) {
        const std::string calls = FrameCalls(trace, frame);
        out << "# frame " << frame << " calls\n" << Digest(calls) << "\n";
        std::istringstream lines(calls);
        for (std::string line; std::getline(lines, line);)
            if (line.compare(0, 8, "DrawText") == 0 && line.find('"') != std::string::npos)
                out << "  " << line.substr(line.find('"')) << "\n";
    }
    return out.str();
}

class SessionSuite : public ::testing::TestWithParam<std::string> {};

TEST_P(SessionSuite, ReplaysAsReviewed) {
    const std::string session = TestFolder::Read(kFolder + "/" + GetParam() + ".session");
    ASSERT_FALSE(session.empty());
    const std::string expectedPath = kFolder + "/expected/" + GetParam() + ".txt";
    const std::string outcome = Outcome(session);
    const char* rerecord = getenv("CORRALON_RERECORD");
    if (rerecord && std::string(rerecord) == "1") {
        TestFolder::Write(expectedPath, outcome);
        return;
    }
    EXPECT_EQ(TestFolder::Read(expectedPath), outcome)
        << "scripts/rerecord_sessions.sh " << GetParam() << " records it anew after a deliberate change";
}

// Under the sync test every fight frame is also run again from a restored
// snapshot; the session must still play, draw and log exactly as reviewed,
// with one more log line: no difference, and fights really checked.
class SyncedSessions : public ::testing::TestWithParam<std::tuple<std::string, int>> {};

TEST_P(SyncedSessions, PlayAsReviewedWithEveryFightFrameRunAgain) {
    const std::string name = std::get<0>(GetParam());
    const std::string session = TestFolder::Read(kFolder + "/" + name + ".session");
    const std::string expected = TestFolder::Read(kFolder + "/expected/" + name + ".txt");
    ASSERT_FALSE(expected.empty()) << "no expectation for " << name;
    std::string outcome =
        Outcome(session, "CORRALON_SYNCTEST=" + std::to_string(std::get<1>(GetParam())));
    const std::regex summary(
        "     Sincronia: ([0-9]+) fotogramas de lucha comprobados, ([0-9]+) diferencias\n");
    std::smatch m;
    ASSERT_TRUE(std::regex_search(outcome, m, summary)) << outcome;
    const int checked = std::stoi(m[1].str());
    EXPECT_EQ(0, std::stoi(m[2].str()));
    const bool fights = expected.find("Cargado fondo") != std::string::npos;
    EXPECT_EQ(fights, checked > 0) << checked << " fight frames checked";
    if (name == "demo_sixty") {
        EXPECT_GT(checked, 2000);
    }
    outcome = std::regex_replace(outcome, summary, "");
    EXPECT_EQ(expected, outcome);
}

INSTANTIATE_TEST_SUITE_P(
    Sessions, SyncedSessions,
    ::testing::Combine(::testing::ValuesIn(SessionNames()), ::testing::Values(1, 8)),
    [](const ::testing::TestParamInfo<std::tuple<std::string, int>>& info) {
        return std::get<0>(info.param) + "_" + std::to_string(std::get<1>(info.param));
    });

INSTANTIATE_TEST_SUITE_P(Sessions, SessionSuite, ::testing::ValuesIn(SessionNames()),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });

}  // namespace
