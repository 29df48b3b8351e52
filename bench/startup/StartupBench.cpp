// From exec to the first picture: the game (Krellin, its real window)
// until the logo is presented, against a bare program that opens the same
// window and presents one cleared frame. Both are started in turn, several
// times, in a private copy of the game folder. The time runs from just
// before the fork to the stamp that the first swap writes (the renderer's
// CORRALON_FIRST_PRESENT_STAMP), so how often this side looks for the
// stamp does not count. Goal: the game at most 1.5 times the bare program
// and under 150 ms.
//
//   bench_startup [RUNS] [--json FILE]   (default 15 runs; SDL_VIDEODRIVER
//       defaults to offscreen, SDL_AUDIODRIVER to dummy; FILE gets the
//       figures for bench/run_all.sh)
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr double kMaxRatio = 1.5;
constexpr double kMaxGameMs = 150.0;
constexpr double kDeadlineSeconds = 20.0;

long long NowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

long long ReadStamp(const std::string& path) {
    std::ifstream in(path);
    long long ns = -1;
    in >> ns;
    return in ? ns : -1;
}

// Milliseconds from the fork to the stamp, or a negative value on failure.
// A game still running afterwards is asked to close, the way Ctrl-C does.
double TimeToFirstPresent(const std::string& folder, const std::string& program,
                          const std::string& stamp, bool keepsRunning) {
    unlink(stamp.c_str());
    const long long start = NowNs();
    const pid_t pid = fork();
    if (pid == 0) {
        if (chdir(folder.c_str()) != 0) _exit(127);
        setenv("CORRALON_FIRST_PRESENT_STAMP", stamp.c_str(), 1);
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    if (pid < 0) return -1.0;
    long long done = -1;
    const long long deadline = start + static_cast<long long>(kDeadlineSeconds * 1e9);
    int status = 0;
    bool exited = false;
    while (done < 0 && NowNs() < deadline) {
        done = ReadStamp(stamp);
        if (done >= 0) break;
        if (!exited && waitpid(pid, &status, WNOHANG) == pid) exited = true;
        if (exited) {
            done = ReadStamp(stamp);  // it may have stamped just before leaving
            break;
        }
        usleep(1000);
    }
    if (!exited) {
        kill(pid, keepsRunning && done >= 0 ? SIGTERM : SIGKILL);
        waitpid(pid, &status, 0);
    }
    return done < 0 ? -1.0 : static_cast<double>(done - start) / 1e6;
}

struct Summary {
    double median, best, worst;
};

Summary Summarise(std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    const size_t n = ms.size();
    const double median = n % 2 ? ms[n / 2] : (ms[n / 2 - 1] + ms[n / 2]) / 2.0;
    return {median, ms.front(), ms.back()};
}

}  // namespace

int main(int argc, char** argv) {
    int runs = 15;
    const char* json = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (strcmp(argv[i], "--json") == 0 && i + 1 < argc)
            json = argv[++i];
        else
            runs = std::max(1, atoi(argv[i]));
    }
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);

    char pattern[] = "/tmp/corralon-startup-XXXXXX";
    if (!mkdtemp(pattern)) {
        perror("mkdtemp");
        return 1;
    }
    const std::string folder = pattern;
    const std::string copy = "cp -a '" CORRALON_GAME_DIR "/.' '" + folder + "/'";
    if (system(copy.c_str()) != 0) {
        fprintf(stderr, "bench_startup: cannot copy the game folder %s\n", CORRALON_GAME_DIR);
        return 1;
    }
    const std::string stamp = folder + "/first-present.stamp";
    const std::string game = folder + "/Corralon";

    // One of each first, unmeasured: the disk cache and the driver's
    // shader cache then serve both alike.
    TimeToFirstPresent(folder, CORRALON_BARE_WINDOW, stamp, false);
    TimeToFirstPresent(folder, game, stamp, true);

    std::vector<double> bare, full;
    for (int i = 0; i < runs; ++i) {
        const double b = TimeToFirstPresent(folder, CORRALON_BARE_WINDOW, stamp, false);
        const double g = TimeToFirstPresent(folder, game, stamp, true);
        if (b < 0 || g < 0) {
            fprintf(stderr, "bench_startup: run %d drew nothing (bare %.1f, game %.1f); see %s\n",
                    i + 1, b, g, (folder + "/logs/log.txt").c_str());
            return 1;
        }
        bare.push_back(b);
        full.push_back(g);
    }

    const Summary sb = Summarise(bare), sg = Summarise(full);
    const double ratio = sg.median / sb.median;
    printf("first picture on screen, %d runs each (SDL_VIDEODRIVER=%s)\n", runs,
           getenv("SDL_VIDEODRIVER"));
    printf("  %-28s median %7.1f ms  best %7.1f  worst %7.1f\n", "bare window, cleared frame",
           sb.median, sb.best, sb.worst);
    printf("  %-28s median %7.1f ms  best %7.1f  worst %7.1f\n", "game, logo presented",
           sg.median, sg.best, sg.worst);
    printf("  ratio of medians %.2f (goal at most %.1f), game %.1f ms (goal under %.0f): %s\n",
           ratio, kMaxRatio, sg.median, kMaxGameMs,
           ratio <= kMaxRatio && sg.median < kMaxGameMs ? "met" : "missed");
    if (json) {
        FILE* out = fopen(json, "w");
        if (!out) {
            perror(json);
            return 1;
        }
        fprintf(out,
                "{\"runs\": %d, \"bare_ms\": {\"median\": %.3f, \"best\": %.3f, \"worst\": %.3f},"
                " \"game_ms\": {\"median\": %.3f, \"best\": %.3f, \"worst\": %.3f},"
                " \"ratio\": %.4f, \"max_ratio\": %.2f, \"max_game_ms\": %.1f}\n",
                runs, sb.median, sb.best, sb.worst, sg.median, sg.best, sg.worst, ratio, kMaxRatio,
                kMaxGameMs);
        fclose(out);
    }

    const std::string remove = "rm -rf '" + folder + "'";
    if (system(remove.c_str()) != 0) perror("rm");
    return 0;
}
