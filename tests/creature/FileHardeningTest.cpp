// Broken creature files: each is logged, never crashes, never hangs, and
// leaves a creature that can be drawn and released.
#include <gtest/gtest.h>

#include <cstring>

#include "sdk/Bicho.h"
#include "creature/QvlRead.h"
#include "tests/creature/TestSupport.h"

namespace {

std::string SavedSample() {
    Bicho* c = NewCreature();
    c->SetName("CORTADO");
    c->SetPictureB(MakeTexture(3, 3, 4, 2));
    AddTestAnimation(c, "ANI_BASE1", "", 2);
    AddTestAnimation(c, "ANI_B", "acciones", 2);
    EXPECT_EQ(0, c->Save("sample.qvl"));
    FreeCreature(c);
    return ReadFileBytes("sample.qvl");
}

void LoadSurvives(const std::string& bytes, QvlMode mode) {
    WriteFileBytes("broken.qvl", bytes);
    Renderer* r = TestRenderer();
    int before = r->CountTextures();
    Bicho* c = NewCreature();
    ReadQvl(*c, "broken.qvl", mode, nullptr);
    c->Draw(0, 0, 0.01f);
    c->Update(0, 0.01f);
    FreeCreature(c);
    EXPECT_EQ(before, r->CountTextures()) << "size " << bytes.size();
}

TEST(CreatureFileHardening, EveryTruncationLoadsAndReleasesCleanly) {
    std::string whole = SavedSample();
    for (size_t n = 0; n < whole.size(); n += (n < 400 ? 1 : 37)) {
        LoadSurvives(whole.substr(0, n), QvlMode::kWhole);
        LoadSurvives(whole.substr(0, n), QvlMode::kPreview);
    }
}

TEST(CreatureFileHardening, EverySingleByteFlipIsSurvived) {
    std::string whole = SavedSample();
    for (size_t i = 0; i < whole.size(); i += 3) {
        std::string broken = whole;
        broken[i] = static_cast<char>(broken[i] ^ 0xff);
        LoadSurvives(broken, i % 2 ? QvlMode::kWhole : QvlMode::kPreview);
    }
}

// Offset of the first occurrence of an int32 value.
size_t FindInt(const std::string& bytes, int value, size_t from = 0) {
    std::string needle;
    PutInt(needle, value);
    return bytes.find(needle, from);
}

int GetInt(const std::string& bytes, size_t at) {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
    return static_cast<int>(v);
}

// The texture table of a one-animation file named "ANI_BASE1" with an empty
// kind: it starts where the animation block ends.
size_t TableStart(const std::string& bytes) {
    std::string name;
    PutString(name, "ANI_BASE1");
    size_t block = bytes.find(name) - 5 - 20;
    return static_cast<size_t>(GetInt(bytes, block + 4));
}

void SetInt(std::string& bytes, size_t at, int value) {
    std::string v;
    PutInt(v, value);
    bytes.replace(at, 4, v);
}

TEST(CreatureFileHardening, AbsurdTextureSizeIsRefusedWithALogLine) {
    Bicho* c = NewCreature();
    AddTestAnimation(c, "ANI_BASE1", "", 1, 0, 16);
    ASSERT_EQ(0, c->Save("absurd.qvl"));
    FreeCreature(c);
    std::string bytes = ReadFileBytes("absurd.qvl");
    // The texture block: tag 6, end, handle, width 16, height 16, bpp 4.
    size_t tag = static_cast<size_t>(GetInt(bytes, TableStart(bytes) + 4));
    ASSERT_EQ(6, GetInt(bytes, tag));
    size_t width = tag + 12;
    ASSERT_EQ(FindInt(bytes, 16, width), width);
    SetInt(bytes, width, 100000);
    WriteFileBytes("absurd.qvl", bytes);

    Bicho* l = NewCreature();
    NewLogText();
    ASSERT_EQ(0, l->Load("absurd.qvl"));
    EXPECT_NE(std::string::npos, NewLogText().find("textura rechazada 100000x16x4"));
    ASSERT_NE(nullptr, l->currentFrame);
    EXPECT_EQ(0, l->currentFrame->texture);
    FreeCreature(l);
}

TEST(CreatureFileHardening, SizeThatDisagreesWithTheDataIsRefused) {
    Bicho* c = NewCreature();
    AddTestAnimation(c, "ANI_BASE1", "", 1, 0, 16);
    ASSERT_EQ(0, c->Save("disagree.qvl"));
    FreeCreature(c);
    std::string bytes = ReadFileBytes("disagree.qvl");
    size_t tag = static_cast<size_t>(GetInt(bytes, TableStart(bytes) + 4));
    ASSERT_EQ(6, GetInt(bytes, tag));
    SetInt(bytes, tag + 16, 32);  // height 32: the data holds only 16 rows
    WriteFileBytes("disagree.qvl", bytes);
    Bicho* l = NewCreature();
    NewLogText();
    ASSERT_EQ(0, l->Load("disagree.qvl"));
    EXPECT_NE(std::string::npos, NewLogText().find("textura rechazada 16x32x4"));
    FreeCreature(l);
}

TEST(CreatureFileHardening, LongStringsAreCut) {
    std::string longName(1000, 'N');
    Bicho* c = NewCreature();
    AddTestAnimation(c, "ANI_BASE1", "", 1);
    ASSERT_EQ(0, c->Save("long.qvl"));
    FreeCreature(c);
    // Replace the animation name by a 1000-byte one and fix nothing else:
    // the reader must cut it and still find the frame after it.
    std::string bytes = ReadFileBytes("long.qvl");
    std::string shortName;
    PutString(shortName, "ANI_BASE1");
    std::string replacement;
    PutString(replacement, longName.c_str());
    size_t at = bytes.find(shortName);
    ASSERT_NE(std::string::npos, at);
    bytes.replace(at, shortName.size(), replacement);
    WriteFileBytes("long.qvl", bytes);
    Bicho* l = NewCreature();
    ASSERT_EQ(0, l->Load("long.qvl"));
    ASSERT_NE(nullptr, l->currentAnimation);
    EXPECT_EQ(255u, strlen(l->currentAnimation->name));
    EXPECT_EQ(1, l->CountFrames());
    FreeCreature(l);
}

TEST(CreatureFileHardening, BackwardBlockEndsDoNotHangThePreview) {
    Bicho* c = NewCreature();
    AddTestAnimation(c, "ANI_BASE1", "", 1);
    AddTestAnimation(c, "ANI_B", "", 1);
    AddTestAnimation(c, "ANI_C", "", 1);
    ASSERT_EQ(0, c->Save("loop.qvl"));
    FreeCreature(c);
    std::string bytes = ReadFileBytes("loop.qvl");
    std::string name;
    PutString(name, "ANI_B");
    size_t at = bytes.find(name);
    ASSERT_NE(std::string::npos, at);
    // The second animation block starts 20 bytes before its kind string
    // (tag, end, three values) and one empty kind string before its name.
    size_t block = at - 4 - 1 - 20;
    ASSERT_EQ(FindInt(bytes, 2, block), block);
    SetInt(bytes, block + 4, static_cast<int>(block));  // end points at its own start
    WriteFileBytes("loop.qvl", bytes);
    Bicho* l = NewCreature();
    ASSERT_EQ(0, l->LoadPiece("loop.qvl"));
    EXPECT_EQ(1, l->animationCount);
    FreeCreature(l);
}

TEST(CreatureFileHardening, BrokenTableLeavesNoForeignHandles) {
    Bicho* c = NewCreature();
    AddTestAnimation(c, "ANI_BASE1", "", 2);
    ASSERT_EQ(0, c->Save("notable.qvl"));
    FreeCreature(c);
    std::string bytes = ReadFileBytes("notable.qvl");
    size_t table = TableStart(bytes);
    ASSERT_EQ(5, GetInt(bytes, table));
    SetInt(bytes, table, 9);
    WriteFileBytes("notable.qvl", bytes);
    TextureHandle foreign = MakeTexture(2, 2, 3, 4);
    Bicho* l = NewCreature();
    NewLogText();
    ASSERT_EQ(0, l->Load("notable.qvl"));
    EXPECT_NE(std::string::npos, NewLogText().find("no es del tipo Tabla"));
    for (const Frame* f = l->currentAnimation->firstFrame; f; f = f->next)
        EXPECT_EQ(0, f->texture);
    FreeCreature(l);
    EXPECT_EQ(2u * 2 * 3, TexturePixels(foreign).size());  // not released by the creature
    TestRenderer()->ReleaseTexture(foreign);
}

}  // namespace
