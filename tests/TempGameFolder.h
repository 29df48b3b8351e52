#pragma once
// A fresh working folder with logs\ and cfg\ for one test, the way the game
// folder has them; the previous working folder comes back at the end.
#include <sys/stat.h>

#include <string>
#include <vector>

#include "tests/TestFolder.h"

class TempGameFolder : public TestFolder {
public:
    TempGameFolder() {
        mkdir("logs", 0755);
        mkdir("cfg", 0755);
    }

    static std::string ReadText(const std::string& file) { return Read(file); }
    static void WriteBytes(const std::string& file, const std::vector<unsigned char>& bytes) {
        Write(file, std::string(bytes.begin(), bytes.end()));
    }
};
