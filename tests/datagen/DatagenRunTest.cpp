#include <gtest/gtest.h>

#include <cstdlib>

#include "DatagenOutput.h"

namespace {

const char* const kFiles[] = {"bmp/fuenteZeltor.bmp", "bmp/flechas.bmp", "cfg/motorcfg.txt",
                              "cfg/sonidocfg.txt", "cfg/musicacfg.txt"};

std::string TempFolder() {
    char pattern[] = "/tmp/corralon-datagen-XXXXXX";
    return mkdtemp(pattern) ? pattern : "";
}

}  // namespace

TEST(DatagenRunTest, TwoRunsWriteIdenticalFilesAndNoLeftovers) {
    const std::string& first = GeneratedFolder();
    ASSERT_FALSE(first.empty());
    // The second run was made twice: a rerun over existing output replaces
    // it the same way.
    const std::string& second = SecondGeneratedFolder();
    ASSERT_FALSE(second.empty());
    for (const char* file : kFiles) {
        SCOPED_TRACE(file);
        std::string a = ReadWhole(first + "/" + file);
        EXPECT_FALSE(a.empty());
        EXPECT_TRUE(a == ReadWhole(second + "/" + file));
    }
    // Every file of both runs is identical, and nothing else lies beside
    // them (no temporaries): the two listings and contents match.
    EXPECT_EQ(system(("diff -r -q '" + first + "' '" + second + "' >/dev/null").c_str()), 0);
    std::string listing;
    FILE* ls = popen(("cd '" + second + "' && find . -type f | sort").c_str(), "r");
    ASSERT_NE(ls, nullptr);
    char buffer[256];
    while (fgets(buffer, sizeof buffer, ls)) listing += buffer;
    pclose(ls);
    for (const char* file : kFiles)
        EXPECT_NE(listing.find(std::string("./") + file + "\n"), std::string::npos) << file;
    EXPECT_EQ(listing.find(".new"), std::string::npos) << listing;
    EXPECT_EQ(listing.find(".tmp"), std::string::npos) << listing;
}

TEST(DatagenRunTest, FailuresAreReportedNotHidden) {
    std::string errors;
    EXPECT_EQ(RunDatagen("", &errors), 2);
    EXPECT_NE(errors.find("usage"), std::string::npos);

    // A game folder below a plain file cannot be made.
    std::string folder = TempFolder();
    ASSERT_EQ(system(("touch '" + folder + "/plain'").c_str()), 0);
    EXPECT_EQ(RunDatagen("'" + folder + "/plain/game'", &errors), 1);
    EXPECT_NE(errors.find("cannot"), std::string::npos) << errors;

    // Without the font the rest is still written, the run still fails.
    std::string noFont = TempFolder();
    EXPECT_EQ(RunDatagen("'" + folder + "/game'", &errors,
                         "CORRALON_FONT_DIR='" + noFont + "'"),
              1);
    EXPECT_NE(errors.find("fonts-dejavu-core"), std::string::npos) << errors;
    EXPECT_FALSE(ReadWhole(folder + "/game/bmp/flechas.bmp").empty());
    EXPECT_TRUE(ReadWhole(folder + "/game/bmp/fuenteZeltor.bmp").empty());
    EXPECT_EQ(system(("rm -rf '" + folder + "' '" + noFont + "'").c_str()), 0);
}
