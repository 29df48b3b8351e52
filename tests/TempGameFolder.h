#pragma once
// A fresh working folder with logs\ and cfg\ for one test; the previous
// working folder comes back at the end.
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

class TempGameFolder {
public:
    TempGameFolder() {
        char cwd[4096];
        if (getcwd(cwd, sizeof cwd)) previous_ = cwd;
        char pattern[] = "/tmp/corralon-kb-XXXXXX";
        if (mkdtemp(pattern)) path_ = pattern;
        mkdir((path_ + "/logs").c_str(), 0755);
        mkdir((path_ + "/cfg").c_str(), 0755);
        if (chdir(path_.c_str()) != 0) path_.clear();
    }
    ~TempGameFolder() {
        if (!previous_.empty() && chdir(previous_.c_str()) != 0) perror("chdir");
        if (!path_.empty() && system(("rm -rf '" + path_ + "'").c_str()) != 0) perror("rm");
    }
    const std::string& path() const { return path_; }

    static std::string ReadText(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    static void WriteBytes(const std::string& file, const std::vector<unsigned char>& bytes) {
        std::ofstream out(file, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    }

private:
    std::string previous_;
    std::string path_;
};
