#include "ArtOutput.h"

#include <string>

#include "tests/GeneratedData.h"

const std::string& ArtFolder() { return FirstGeneratedRun().folder; }
const std::string& SecondArtFolder() { return SecondGeneratedRun().folder; }

bool LoadArt(const std::string& name, bool keyed, Picture* picture, int keyR, int keyG,
             int keyB) {
    std::string path = ArtFolder() + "/" + name;
    for (char& c : path)
        if (c == '\\') c = '/';
    return LoadPicture(path.c_str(), keyed, keyR, keyG, keyB, picture);
}

int CoveredIn(const Picture& p, int x0, int y0, int x1, int y1) {
    int count = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (Covered(p, x, y)) ++count;
    return count;
}
