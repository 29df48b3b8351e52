// Two generator runs write the same pictures, byte for byte.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "ArtOutput.h"

namespace {

std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

TEST(ArtDeterminismTest, SecondRunWritesIdenticalPicturesAndSheet) {
    ASSERT_FALSE(ArtFolder().empty());
    const std::string& again = SecondArtFolder();
    ASSERT_FALSE(again.empty());
    const char* const files[] = {
        "bmp/Brocanto.bmp", "bmp/Truvaldino.bmp", "bmp/numerosB.bmp",     "bmp/barra3.bmp",
        "bmp/MenuBgSI.bmp", "bmp/MenuBgID.bmp",   "bmp/fuenteCreditos.bmp", "bmp/bocetosmini.bmp",
        "bmp/elverdadero.bmp", "bmp/quarvell.bmp", "bmp/rayos.bmp",       "bmp/humo.bmp",
        "review/imagenes.png"};
    for (const char* file : files) {
        SCOPED_TRACE(file);
        const std::string a = Bytes(ArtFolder() + "/" + file);
        EXPECT_FALSE(a.empty());
        EXPECT_TRUE(a == Bytes(again + "/" + file));
    }
}
