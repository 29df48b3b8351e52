#pragma once
// A temporary folder that becomes the working folder for one test, the way
// the game runs inside its own folder.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

class TestFolder {
public:
    TestFolder() {
        char pattern[] = "/tmp/corralon-test-XXXXXX";
        char* made = mkdtemp(pattern);
        path_ = made ? made : "/tmp";
        char cwd[4096];
        if (getcwd(cwd, sizeof cwd)) previous_ = cwd;
        if (chdir(path_.c_str()) != 0) perror("chdir");
    }
    ~TestFolder() {
        if (!previous_.empty() && chdir(previous_.c_str()) != 0) perror("chdir");
        std::string command = "rm -rf '" + path_ + "'";
        if (system(command.c_str()) != 0) perror("rm");
    }
    const std::string& path() const { return path_; }

    static void Write(const std::string& name, const std::string& bytes) {
        std::ofstream out(name, std::ios::binary);
        out << bytes;
    }
    static std::string Read(const std::string& name) {
        std::ifstream in(name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    static bool Exists(const std::string& name) { return access(name.c_str(), F_OK) == 0; }

private:
    std::string path_;
    std::string previous_;
};
