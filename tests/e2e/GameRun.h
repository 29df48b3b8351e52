#pragma once
// Runs the real game program in a private copy of the game folder.
#include <grp.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "tests/TestFolder.h"
#include "tests/WaitFor.h"

// Runs a shell command; true when it succeeded.
inline bool Shell(const std::string& command) { return system(command.c_str()) == 0; }

// How many times `what` occurs in `text`.
inline size_t Occurrences(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

class GameRun {
public:
    // Copies the assembled game folder into a fresh temporary folder.
    GameRun() {
        std::string command = std::string("cp -a '") + CORRALON_GAME_DIR + "/.' '" + folder_.path() + "/'";
        ok_ = system(command.c_str()) == 0;
        // A log left unclosed in the game folder would be reported as such.
        unlink(Path("logs/log.txt").c_str());
    }
    ~GameRun() {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }
    bool copied() const { return ok_; }
    std::string Path(const std::string& name) const { return folder_.path() + "/" + name; }
    void Write(const std::string& name, const std::string& bytes) const { TestFolder::Write(Path(name), bytes); }
    std::string Read(const std::string& name) const { return TestFolder::Read(Path(name)); }
    bool Exists(const std::string& name) const { return TestFolder::Exists(Path(name)); }
    void UseRenderer(const std::string& dll) const { Write("cfg/motorcfg.txt", "[dll]\ndll = " + dll + "\n"); }
    // The program runs as this user: root ignores the folders' permissions.
    void RunAs(uid_t uid, gid_t gid) {
        uid_ = uid;
        gid_ = gid;
    }

    void Start(const std::vector<std::string>& args = {},
               const std::vector<std::string>& environment = {}) {
        pid_ = fork();
        if (pid_ == 0) {
            if (chdir(folder_.path().c_str()) != 0) _exit(127);
            if (uid_ != static_cast<uid_t>(-1) &&
                (setgroups(0, nullptr) != 0 || setgid(gid_) != 0 || setuid(uid_) != 0))
                _exit(126);
            for (const std::string& e : environment) putenv(const_cast<char*>(strdup(e.c_str())));
            std::vector<char*> argv;
            argv.push_back(const_cast<char*>("./Corralon"));
            for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
            argv.push_back(nullptr);
            execv("./Corralon", argv.data());
            _exit(127);
        }
    }

    // Waits until `ready` holds or the time runs out.
    static bool WaitFor(const std::function<bool()>& ready, double seconds) {
        return WaitUntil(ready, seconds, std::chrono::milliseconds(20));
    }

    void Signal(int signal) const {
        if (pid_ > 0) kill(pid_, signal);
    }

    // Exit status, or -1 when the program had to be killed after `seconds`.
    int Wait(double seconds) {
        int status = 0;
        bool done = WaitFor([&] { return waitpid(pid_, &status, WNOHANG) == pid_; }, seconds);
        if (!done) {
            kill(pid_, SIGKILL);
            waitpid(pid_, &status, 0);
            pid_ = -1;
            return -1;
        }
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }

private:
    TestFolder folder_;
    bool ok_ = false;
    pid_t pid_ = -1;
    uid_t uid_ = static_cast<uid_t>(-1);
    gid_t gid_ = static_cast<gid_t>(-1);
};
