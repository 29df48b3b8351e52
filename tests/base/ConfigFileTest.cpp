#include "base/ConfigFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "tests/TestFolder.h"

namespace {

struct Token {
    TokenKind kind;
    std::string text;
    std::string value;
};

std::vector<Token> Stream(const std::string& content) {
    TestFolder::Write("stream.txt", content);
    ConfigFile config;
    EXPECT_EQ(config.Open("stream.txt"), ConfigResult::kOk);
    std::vector<Token> tokens;
    TokenKind kind;
    char* text;
    char* value;
    while (config.NextToken(&kind, &text, &value) == ConfigResult::kOk) {
        tokens.push_back({kind, text ? text : "", value ? value : ""});
        delete[] text;
    }
    return tokens;
}

class ConfigFileTest : public ::testing::Test {
protected:
    TestFolder folder;
    ConfigFile config;

    void LoadText(const std::string& content) {
        TestFolder::Write("test.txt", content);
        ASSERT_EQ(config.Open("test.txt"), ConfigResult::kOk);
        ASSERT_EQ(config.Load(), ConfigResult::kOk);
    }
};

TEST_F(ConfigFileTest, EntrySyntax) {
    LoadText(
        "[s]\n"
        "   key   =   some value with  inner blanks   \n"
        "two words = second word dropped\n"
        "eq = a=b=c\n"
        "empty =    \n"
        "  # hidden = not an entry\n"
        "no equals sign here\n"
        "\t tabbed\t=\tx\t\n");
    EXPECT_STREQ(config.GetValue("[s]", "key"), "some value with  inner blanks");
    EXPECT_STREQ(config.GetValue("[s]", "two"), "second word dropped");
    EXPECT_EQ(config.GetValue("[s]", "words"), nullptr);
    EXPECT_STREQ(config.GetValue("[s]", "eq"), "a=b=c");
    EXPECT_STREQ(config.GetValue("[s]", "empty"), "");
    EXPECT_EQ(config.GetValue("[s]", "#"), nullptr);
    EXPECT_EQ(config.GetValue("[s]", "hidden"), nullptr);
    EXPECT_STREQ(config.GetValue("[s]", "tabbed"), "x");
}

TEST_F(ConfigFileTest, SectionNamesAreWholeLines) {
    LoadText("[a] \n x = 1\n[ a]\n x = 2\n[A]\n x = 3\n[a]x\n x = 4\n");
    EXPECT_STREQ(config.GetValue("[a]", "x"), "1");
    EXPECT_STREQ(config.GetValue("[ a]", "x"), "2");
    EXPECT_STREQ(config.GetValue("[A]", "x"), "3");
    EXPECT_STREQ(config.GetValue("[a]x", "x"), "4");
    EXPECT_EQ(config.GetValue("a", "x"), nullptr);
}

TEST_F(ConfigFileTest, FirstOccurrenceWinsAcrossRepeatedSections) {
    LoadText("early = ignored\n[s]\nk = first\nk = second\n[t]\nk = other\n[s]\nk = third\nm = 5\n");
    EXPECT_STREQ(config.GetValue("[s]", "k"), "first");
    EXPECT_STREQ(config.GetValue("[s]", "m"), "5");
    EXPECT_EQ(config.GetValue("[s]", "early"), nullptr);
}

TEST_F(ConfigFileTest, LastLineWithoutNewlineIsLost) {
    LoadText("[s]\na = 1\nb = 2");
    EXPECT_STREQ(config.GetValue("[s]", "a"), "1");
    EXPECT_EQ(config.GetValue("[s]", "b"), nullptr);

    LoadText("[s]");
    EXPECT_EQ(config.GetValue("[s]", "a"), nullptr);
    config.First();
    EXPECT_FALSE(config.SectionIs("[s]"));
}

TEST_F(ConfigFileTest, CarriageReturnBeforeNewlineIsDropped) {
    LoadText("[s]\r\nkey = value\r\n");
    EXPECT_STREQ(config.GetValue("[s]", "key"), "value");
}

TEST_F(ConfigFileTest, HighBytesAreBlanksAtTheEnds) {
    LoadText("[s]\nname = CA\xD1" "A \xD1\n");
    EXPECT_STREQ(config.GetValue("[s]", "name"), "CA\xD1" "A");
}

TEST_F(ConfigFileTest, LongLinesAreCutNotSplit) {
    std::string longValue(400, 'v');
    LoadText("[s]\nlong = " + longValue + " = tail\nnext = ok\n");
    const char* value = config.GetValue("[s]", "long");
    ASSERT_NE(value, nullptr);
    // The line keeps its first 254 characters: "long = " and 247 v's.
    EXPECT_EQ(std::string(value), std::string(247, 'v'));
    EXPECT_EQ(config.GetValue("[s]", "tail"), nullptr);
    EXPECT_STREQ(config.GetValue("[s]", "next"), "ok");

    // A cut-off remainder that looks like an entry never becomes one.
    LoadText("[s]\n# " + std::string(300, 'x') + "\nsneaky = 1\n" + std::string(260, 'y') + "key = 2\n");
    EXPECT_STREQ(config.GetValue("[s]", "sneaky"), "1");
    EXPECT_EQ(config.GetValue("[s]", "key"), nullptr);
}

TEST_F(ConfigFileTest, CursorsWalkEachSection) {
    LoadText("[one]\na = 1\nb = 2\n[empty]\n[two]\nc = 3\n");
    config.First();
    EXPECT_TRUE(config.SectionIs("[one]"));
    EXPECT_TRUE(config.EntryKeyIs("a"));
    EXPECT_STREQ(config.EntryValue(), "1");
    EXPECT_EQ(config.NextEntry(), ConfigResult::kOk);
    EXPECT_TRUE(config.EntryKeyIs("b"));
    EXPECT_EQ(config.NextEntry(), ConfigResult::kNoMore);
    EXPECT_TRUE(config.EntryKeyIs("b"));

    EXPECT_EQ(config.NextSection(), ConfigResult::kOk);
    EXPECT_TRUE(config.SectionIs("[empty]"));
    EXPECT_FALSE(config.EntryKeyIs("a"));
    EXPECT_EQ(config.EntryValue(), nullptr);
    EXPECT_EQ(config.NextEntry(), ConfigResult::kNoMore);

    EXPECT_EQ(config.NextSection(), ConfigResult::kOk);
    EXPECT_TRUE(config.SectionIs("[two]"));
    EXPECT_STREQ(config.EntryValue(), "3");
    EXPECT_EQ(config.NextSection(), ConfigResult::kNoMore);
    EXPECT_TRUE(config.SectionIs("[two]"));
}

TEST_F(ConfigFileTest, OpenLoadAndClose) {
    EXPECT_EQ(config.Load(), ConfigResult::kOpenFailed);
    EXPECT_EQ(config.Open("missing.txt"), ConfigResult::kOpenFailed);
    LoadText("[s]\nk = v\n");
    config.Close();
    EXPECT_EQ(config.GetValue("[s]", "k"), nullptr);
    EXPECT_EQ(config.Load(), ConfigResult::kOpenFailed);
    TestFolder::Write("other.txt", "[o]\nk = w\n");
    ASSERT_EQ(config.Open("other.txt"), ConfigResult::kOk);
    ASSERT_EQ(config.Load(), ConfigResult::kOk);
    EXPECT_STREQ(config.GetValue("[o]", "k"), "w");

    TestFolder::Write("empty.txt", "");
    ASSERT_EQ(config.Open("empty.txt"), ConfigResult::kOk);
    EXPECT_EQ(config.Load(), ConfigResult::kOk);
    EXPECT_EQ(config.GetValue("[o]", "k"), nullptr);
}

TEST_F(ConfigFileTest, OpensWindowsPathsCaselessly) {
    ASSERT_EQ(mkdir("Cfg", 0755), 0);
    TestFolder::Write("Cfg/MotorCfg.TXT", "[dll]\ndll = X.dll\n");
    ASSERT_EQ(config.Open("cfg\\motorcfg.txt"), ConfigResult::kOk);
    ASSERT_EQ(config.Load(), ConfigResult::kOk);
    EXPECT_STREQ(config.GetValue("[dll]", "dll"), "X.dll");
}

TEST(ConfigStream, TokensInFileOrderRepeatsIncluded) {
    TestFolder folder;
    std::vector<Token> tokens = Stream("# c\n\n[dll]\ndll = A.dll\n bad line \ndll = B.dll\nlast = lost");
    ASSERT_EQ(tokens.size(), 6u);
    EXPECT_EQ(tokens[0].kind, TokenKind::kNone);
    EXPECT_EQ(tokens[1].kind, TokenKind::kNone);
    EXPECT_EQ(tokens[2].kind, TokenKind::kSection);
    EXPECT_EQ(tokens[2].text, "[dll]");
    EXPECT_EQ(tokens[3].kind, TokenKind::kEntry);
    EXPECT_EQ(tokens[3].text, "dll");
    EXPECT_EQ(tokens[3].value, "A.dll");
    EXPECT_EQ(tokens[4].kind, TokenKind::kNone);
    EXPECT_EQ(tokens[5].value, "B.dll");
}

TEST(ConfigStream, NothingOpenIsEndOfFile) {
    ConfigFile config;
    TokenKind kind;
    char* text;
    char* value;
    EXPECT_EQ(config.NextToken(&kind, &text, &value), ConfigResult::kEndOfFile);
    EXPECT_EQ(text, nullptr);
}

TEST(ConfigFile, OnlyARegularFileOpens) {
    TestFolder folder;
    ASSERT_EQ(mkdir("Cfg", 0755), 0);
    ASSERT_EQ(mkdir("Cfg/SonidoCfg.txt", 0755), 0);
    TestFolder::Write("real.txt", "[dll]\ndll = X.dll\n");
    ASSERT_EQ(symlink("real.txt", "link.txt"), 0);
    ASSERT_EQ(symlink("Cfg", "dirlink.txt"), 0);
    // Folders and devices would read as empty files, which their users log
    // as a file without keys instead of a missing one.
    const char* refused[] = {"cfg\\sonidocfg.txt", "Cfg", "dirlink.txt", "/dev/null"};
    for (const char* path : refused) {
        SCOPED_TRACE(path);
        ConfigFile config;
        EXPECT_EQ(config.Open(path), ConfigResult::kOpenFailed);
        EXPECT_EQ(config.Load(), ConfigResult::kOpenFailed);
        TokenKind kind;
        char* text;
        char* value;
        EXPECT_EQ(config.NextToken(&kind, &text, &value), ConfigResult::kEndOfFile);
    }
    ConfigFile config;
    ASSERT_EQ(config.Open("link.txt"), ConfigResult::kOk);
    ASSERT_EQ(config.Load(), ConfigResult::kOk);
    EXPECT_STREQ(config.GetValue("[dll]", "dll"), "X.dll");
}

}  // namespace
