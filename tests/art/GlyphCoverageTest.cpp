// Every character the game can put on screen has a glyph in both fonts.
#include <gtest/gtest.h>

#include "ArtOutput.h"
#include "ScreenTexts.h"

namespace {

bool HasGlyph(const Picture& font, int code) {
    const int cell = font.width / 16;
    const int x0 = (code % 16) * cell, y0 = (code / 16) * cell;
    return CoveredIn(font, x0, y0, x0 + cell, y0 + cell) > 0;
}

std::vector<std::string> AllScreenTexts() {
    std::vector<std::string> texts = DescribedScreenTexts();
    for (const char* folder : {"/app", "/fight", "/menus"}) {
        const std::vector<std::string> found = SourceScreenTexts(CORRALON_SOURCE_DIR + std::string(folder));
        texts.insert(texts.end(), found.begin(), found.end());
    }
    return texts;
}

}  // namespace

TEST(GlyphCoverageTest, SourceScanFindsDrawnAndUpperCaseTexts) {
    char pattern[] = "/tmp/corralon-texts-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const std::string folder = pattern;
    ASSERT_EQ(system(("mkdir -p '" + folder + "/sub'").c_str()), 0);
    FILE* f = fopen((folder + "/sub/Screen.cpp").c_str(), "wb");
    ASSERT_NE(f, nullptr);
    fputs("// \"NOT A TEXT\" in a comment\n"
          "void F(R* r) {\n"
          "  r->DrawTextCentered(0.5f, 0.5f, 1.0f, 1, 1, 1, 1, \"hola %s\", Name(\"x\"));\n"
          "  Log(\"     Menu: fichero\\n\");\n"
          "  const char* a = \"PU\\xD1O1\";\n"
          "  const char* b = \"CAMPE\xC3\x93N\";\n"
          "  const char* path = \"BMP\\\\X.BMP\";\n"
          "  char quote = '\"';\n"
          "}\n",
          f);
    fclose(f);
    const std::vector<std::string> texts = SourceScreenTexts(folder);
    const std::vector<std::string> expected = {"hola %s", "x", "PU\xD1O1", "CAMPE\xD3N"};
    EXPECT_EQ(texts, expected);
    const std::set<int> codes = CodesOf({"A%07dB %s%%", "\xD1"});
    EXPECT_EQ(codes, (std::set<int>{'A', 'B', '%', 0xD1}));
    EXPECT_EQ(system(("rm -rf '" + folder + "'").c_str()), 0);
}

TEST(GlyphCoverageTest, BothFontsHoldEveryCharacterOfTheGamesTexts) {
    Picture game, credits;
    ASSERT_TRUE(LoadArt("bmp\\fuenteZeltor.bmp", true, &game, 0, 255, 0));
    ASSERT_TRUE(LoadArt("bmp\\fuenteCreditos.bmp", true, &credits, 255, 255, 255));
    const std::set<int> codes = CodesOf(AllScreenTexts());
    // The Ñ of PUÑO is among them.
    EXPECT_EQ(codes.count(0xD1), 1u);
    for (int code : codes) {
        EXPECT_TRUE(HasGlyph(game, code)) << "game font lacks code " << code;
        EXPECT_TRUE(HasGlyph(credits, code)) << "credits font lacks code " << code;
    }
    // Key names and texts still to come may use any printable Latin-1 letter.
    for (int code = 0xC0; code <= 0xFF; ++code) {
        EXPECT_TRUE(HasGlyph(game, code)) << code;
        EXPECT_TRUE(HasGlyph(credits, code)) << code;
    }
}
